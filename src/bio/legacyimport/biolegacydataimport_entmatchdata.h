#pragma once

#include "biolegacydataimport_entcomparedata.h"

// One criterion of an older program's saved search; read and dropped like the compare
// criteria.
class CBioLegacyDataImport_FieldMatchData
{
public:
    explicit CBioLegacyDataImport_FieldMatchData(quint8 kind)
        : m_Kind(kind)
    {
    }
    virtual ~CBioLegacyDataImport_FieldMatchData() = default;
    quint8 Kind() const { return m_Kind; }
    bool Read(CBioLegacyDataImport_Archive &archive, int refDepth = 0);

private:
    quint8 m_Kind;
};

bool ReadFieldMatchData(CBioLegacyDataImport_Archive &archive,
                        std::unique_ptr<CBioLegacyDataImport_FieldMatchData> &criterion, bool nullAllowed,
                        int refDepth = 0);

class CBioLegacyDataImport_EntMatchData
{
public:
    virtual ~CBioLegacyDataImport_EntMatchData() = default;
    bool Read(CBioLegacyDataImport_Archive &archive);
    int Count() const { return int(m_Criteria.size()); }
    bool Flag() const { return m_Flag; }

private:
    std::vector<std::unique_ptr<CBioLegacyDataImport_FieldMatchData>> m_Criteria;
    bool m_Flag = false;
};
