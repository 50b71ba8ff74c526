#include "biolegacydataimport_recordiditerator.h"

void CBioLegacyDataImport_RecordIdIterator::Init(const CBioLegacyDataImport_RegMap *map)
{
    m_Position = 0;
    m_Map = map;
}

qint32 CBioLegacyDataImport_RecordIdIterator::First(const CBioLegacyDataImport_RegMap *map)
{
    if (map)
        m_Map = map;
    m_Position = 0;
    return Advance();
}

qint32 CBioLegacyDataImport_RecordIdIterator::Next()
{
    return Advance();
}

qint32 CBioLegacyDataImport_RecordIdIterator::Advance()
{
    if (!m_Map)
        return kBioLegacyNoRecord;
    const qint32 id = m_Map->NextId(m_Position);
    if (id != kBioLegacyNoRecord)
        m_Position = id + 1;
    return id;
}
