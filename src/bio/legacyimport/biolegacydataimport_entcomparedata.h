#pragma once

#include <QtGlobal>
#include <memory>
#include <vector>

class CBioLegacyDataImport_Archive;

// Criteria of the older programs' saved sorts and searches. The import keeps none of
// them; they are read only to get past them, so a criterion holds no more than its kind.
enum EBioLegacyCriterionKind : quint8 {
    BioLegacyCriterionNone = 0,
    BioLegacyCriterionText = 1,
    BioLegacyCriterionBOOL = 2,
    BioLegacyCriterionRef = 3,
    BioLegacyCriterionCurrency = 4,
    BioLegacyCriterionDate = 5,
    BioLegacyCriterionTimeOfDay = 6,
    BioLegacyCriterionDynRef = 7,
    BioLegacyCriterionInt = 8,
};

// A Ref criterion holds another criterion; deeper chains than this are refused.
constexpr int kBioLegacyMaxCriterionNesting = 16;

class CBioLegacyDataImport_FieldCompareData
{
public:
    explicit CBioLegacyDataImport_FieldCompareData(quint8 kind)
        : m_Kind(kind)
    {
    }
    virtual ~CBioLegacyDataImport_FieldCompareData() = default;
    quint8 Kind() const { return m_Kind; }
    // refDepth counts the Ref criteria that hold this one.
    bool Read(CBioLegacyDataImport_Archive &archive, int refDepth = 0);

private:
    quint8 m_Kind;
};

// A null result with true is "no criterion", allowed only where nullAllowed is set.
bool ReadFieldCompareData(CBioLegacyDataImport_Archive &archive,
                          std::unique_ptr<CBioLegacyDataImport_FieldCompareData> &criterion, bool nullAllowed,
                          int refDepth = 0);

class CBioLegacyDataImport_EntCompareData
{
public:
    virtual ~CBioLegacyDataImport_EntCompareData() = default;
    bool Read(CBioLegacyDataImport_Archive &archive);
    int Count() const { return int(m_Criteria.size()); }

private:
    std::vector<std::unique_ptr<CBioLegacyDataImport_FieldCompareData>> m_Criteria;
};
