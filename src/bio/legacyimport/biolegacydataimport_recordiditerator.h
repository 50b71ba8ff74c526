#pragma once

#include "biolegacydataimport_regmap.h"

// Walks the record ids of a register's map in ascending order; 1048576 ends the walk.
class CBioLegacyDataImport_RecordIdIterator
{
public:
    void Init(const CBioLegacyDataImport_RegMap *map);
    qint32 First(const CBioLegacyDataImport_RegMap *map = nullptr);
    qint32 Next();

private:
    qint32 Advance();

    qint32 m_Position = 0;
    const CBioLegacyDataImport_RegMap *m_Map = nullptr;
};
