#pragma once

#include "biolegacydataimport_archive.h"

#include <memory>
#include <vector>

// The stream forms that compare and match criteria share: the factory's marker byte, a
// zero byte and the kind (0 being no criterion), and the tagged arrays of criteria.
template<typename Criterion>
bool ReadLegacyCriterion(CBioLegacyDataImport_Archive &archive, quint8 marker, std::unique_ptr<Criterion> &criterion,
                         bool nullAllowed, int refDepth, quint8 lastKind)
{
    criterion.reset();
    quint8 kind = 0;
    if (!archive.ExpectByte(marker) || !archive.ExpectByte(0) || !archive.ReadByte(kind))
        return false;
    if (kind == 0)
        return nullAllowed;
    if (kind > lastKind)
        return false;
    auto made = std::make_unique<Criterion>(kind);
    if (!made->Read(archive, refDepth))
        return false;
    criterion = std::move(made);
    return true;
}

template<typename Criterion, typename ReadOne>
bool ReadLegacyCriterionArray(CBioLegacyDataImport_Archive &archive, quint16 tag, quint8 arrayTag,
                              std::vector<std::unique_ptr<Criterion>> &criteria, ReadOne readOne)
{
    criteria.clear();
    quint16 count = 0;
    if (!archive.ExpectWord(tag) || !archive.ExpectWord(0) || !archive.ExpectByte(arrayTag) || !archive.ExpectByte(0)
        || !archive.ReadWord(count))
        return false;
    for (quint16 i = 0; i < count; ++i) {
        std::unique_ptr<Criterion> criterion;
        if (!readOne(archive, criterion))
            return false;
        criteria.push_back(std::move(criterion));
    }
    return true;
}
