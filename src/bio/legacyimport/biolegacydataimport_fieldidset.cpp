#include "biolegacydataimport_fieldidset.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_archive.h"

int AdjustLegacyFieldId(int storedId)
{
    if (storedId >= 154 && !BioLegacyConfigFlagIsSet("HAS_SHOWINGS"))
        return storedId + 3;
    return storedId;
}

void CBioLegacyDataImport_FieldIdSet::Add(std::initializer_list<int> ids)
{
    for (const int id : ids) {
        if (id == 0)
            break;
        Add(id);
    }
}

void CBioLegacyDataImport_FieldIdSet::Add(int id)
{
    Q_ASSERT(id >= 0 && id <= kMaxFieldId);
    m_Ids.append(id);
    if (m_Indexed && m_Index[size_t(id)] < 0)
        m_Index[size_t(id)] = short(m_Ids.size() - 1);
}

void CBioLegacyDataImport_FieldIdSet::Set(std::initializer_list<int> ids)
{
    Clear();
    Add(ids);
}

void CBioLegacyDataImport_FieldIdSet::Clear()
{
    m_Ids.clear();
    m_Index.clear();
    m_Indexed = false;
}

void CBioLegacyDataImport_FieldIdSet::Append(const CBioLegacyDataImport_FieldIdSet &other)
{
    for (const int id : other.m_Ids)
        Add(id);
}

void CBioLegacyDataImport_FieldIdSet::BuildIndex()
{
    m_Index.assign(kMaxFieldId + 1, short(-1));
    // The first place of an id wins, as a linear search would find it.
    for (qsizetype i = m_Ids.size() - 1; i >= 0; --i)
        m_Index[size_t(m_Ids.at(i))] = short(i);
    m_Indexed = true;
}

int CBioLegacyDataImport_FieldIdSet::IndexOf(int id) const
{
    if (id < 0 || id > kMaxFieldId)
        return -1;
    if (m_Indexed)
        return m_Index[size_t(id)];
    return int(m_Ids.indexOf(id));
}

bool CBioLegacyDataImport_FieldIdSet::Read(CBioLegacyDataImport_Archive &archive)
{
    Clear();
    quint16 count = 0;
    if (!archive.ExpectByte(1) || !archive.ReadWord(count))
        return false;
    QList<int> ids;
    for (quint16 i = 0; i < count; ++i) {
        quint16 stored = 0;
        if (!archive.ReadWord(stored))
            return false;
        const int id = AdjustLegacyFieldId(stored);
        if (id > kMaxFieldId)
            return false;
        ids.append(id);
    }
    quint16 indexed = 0;
    if (!archive.ReadWord(indexed))
        return false;
    m_Ids = ids;
    if (indexed != 0)
        BuildIndex();
    return true;
}
