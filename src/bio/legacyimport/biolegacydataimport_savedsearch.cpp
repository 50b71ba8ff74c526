#include "biolegacydataimport_savedsearch.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_archive.h"
#include "biolegacydataimport_bitset.h"
#include "biolegacydataimport_entmatchdata.h"
#include "biolegacydataimport_fieldidset.h"
#include "biolegacydataimport_itemvector.h"

namespace {

// The column entries of views and saved searches: a field id and two texts each.
bool ReadFieldEntries(CBioLegacyDataImport_Archive &archive)
{
    quint32 count = 0;
    if (!archive.ReadDWord(count))
        return false;
    QByteArray text;
    for (quint32 i = 0; i < count; ++i) {
        quint32 stored = 0;
        if (!archive.ExpectWord(0xFD17) || !archive.ExpectWord(0) || !archive.ReadDWord(stored) || stored > 0xFFFF)
            return false;
        const int id = AdjustLegacyFieldId(int(stored));
        if (id > CBioLegacyDataImport_FieldIdSet::kMaxFieldId || !archive.ReadString(text) || !archive.ReadString(text))
            return false;
    }
    return true;
}

} // namespace

bool CBioLegacyDataImport_SavedSearch::Read(CBioLegacyDataImport_Archive &archive)
{
    quint16 version = 0;
    QByteArray name;
    CBioLegacyDataImport_EntMatchData match;
    CBioLegacyDataImport_EntCompareData compare;
    if (!archive.ReadWord(version) || version >= 2 || !archive.ReadString(name) || !match.Read(archive)
        || !compare.Read(archive))
        return false;
    if (version == 1)
        return ReadFieldEntries(archive);
    CBioLegacyDataImport_FieldIdSet fields;
    return fields.Read(archive);
}

bool ReadLegacyView(CBioLegacyDataImport_Archive &archive)
{
    const bool multiTagging = BioLegacyConfigFlagIsSet("HAS_MULTITAGGING");
    quint8 version = 0;
    quint16 word = 0;
    quint32 dword = 0;
    QByteArray text;
    if (!archive.ExpectByte(0x8D) || !archive.ReadByte(version) || version >= (multiTagging ? 5 : 4)
        || !archive.ReadTaggedDWordVector() || !archive.BeginBlock() || !archive.ReadWord(word))
        return false;
    CBioLegacyDataImport_EntCompareData compare;
    CBioLegacyDataImport_EntMatchData match;
    if (!compare.Read(archive) || !match.Read(archive) || !archive.ReadString(text) || !archive.ReadString(text)
        || (version >= 1 && !archive.ReadString(text)))
        return false;
    if (version < 3) {
        CBioLegacyDataImport_FieldIdSet fields;
        if (!fields.Read(archive))
            return false;
    } else if (!ReadFieldEntries(archive)) {
        return false;
    }
    if (!archive.ReadDWord(dword) || !archive.ReadDWord(dword))
        return false;
    if (BioLegacyConfigFlagIsSet("HAS_TAGGING")) {
        quint16 tagged = 0;
        if (!archive.ReadWord(tagged))
            return false;
        CBioLegacyDataImport_BitSet marks;
        if (tagged != 0 && !(multiTagging && version > 3) && (!archive.ReadDWord(dword) || !marks.Read(archive)))
            return false;
    }
    quint16 itemSize = 0;
    if (!archive.ReadWord(word) || !archive.ReadWord(itemSize))
        return false;
    CBioLegacyDataImport_SignedItemVector items(itemSize);
    if (itemSize != 0 && !items.Read(archive))
        return false;
    if (!archive.ReadDWord(dword) || !archive.ReadWord(word) || (version >= 2 && !archive.ReadDWord(dword)))
        return false;
    return archive.EndBlock();
}
