#pragma once

#include "biolegacydataimport_fieldidset.h"
#include "biolegacydataimport_fieldval.h"

#include <array>

class CBioLegacyDataImport_Ent;

// The seven storage groups of a legacy record, in decoding order.
enum EBioLegacyGroup {
    BioLegacyGroupBooleans = 0,
    BioLegacyGroupTexts,
    BioLegacyGroupDates,
    BioLegacyGroupTimes,
    BioLegacyGroupCurrency,
    BioLegacyGroupReferences,
    BioLegacyGroupIntegers,
    BioLegacyGroupCount
};

// Type-word bits that change what the reader does with a field.
constexpr qint32 kBioLegacyDefaultFalse = 0x00020000;
constexpr qint32 kBioLegacyDefaultTrue = 0x00040000;
constexpr qint32 kBioLegacyNotStored = 0x00200000;

// The layout of one kind of legacy record for the file being loaded: the fields of each
// storage group in decoding order, the dictionary-coded texts, the record kind byte and
// versions, and the default a missing boolean takes. A field's position among all
// stored fields is its value slot in every entity of the kind.
class CBioLegacyDataImport_EntSchema
{
public:
    void Reset();
    void AddField(int id, qint32 typeWord);
    void AddGroupField(EBioLegacyGroup group, int id, qint32 typeWord);
    void AddBoolField(int id, qint32 typeWord) { AddGroupField(BioLegacyGroupBooleans, id, typeWord); }
    void AddTextField(int id, qint32 typeWord) { AddGroupField(BioLegacyGroupTexts, id, typeWord); }
    void AddDateField(int id, qint32 typeWord) { AddGroupField(BioLegacyGroupDates, id, typeWord); }
    void AddTimeOfDayField(int id, qint32 typeWord) { AddGroupField(BioLegacyGroupTimes, id, typeWord); }
    void AddCurrencyField(int id, qint32 typeWord) { AddGroupField(BioLegacyGroupCurrency, id, typeWord); }
    void AddReferenceField(int id, qint32 typeWord) { AddGroupField(BioLegacyGroupReferences, id, typeWord); }
    void AddIntField(int id, qint32 typeWord) { AddGroupField(BioLegacyGroupIntegers, id, typeWord); }
    void AddUnstoredField(int id, qint32 typeWord) { AddField(id, typeWord | kBioLegacyNotStored); }
    void Finish();

    void SetVersions(quint8 newest, quint8 threshold);
    void SetRecordKindByte(quint8 kindByte) { m_RecordKindByte = kindByte; }
    CBioLegacyDataImport_FieldIdSet &DictionaryFields() { return m_Dictionary; }

    // A null value of the class of the first group holding the id (texts first), or none.
    std::unique_ptr<CBioLegacyDataImport_FieldVal> CreateFieldValue(int id) const;
    // Gives missing or null booleans their recorded default; true when any was set.
    bool ApplyBooleanDefaults(CBioLegacyDataImport_Ent &entity) const;

    const CBioLegacyDataImport_FieldIdSet &Group(EBioLegacyGroup group) const { return m_Groups[size_t(group)]; }
    const CBioLegacyDataImport_FieldIdSet &AllStoredFields() const { return m_AllStored; }
    const CBioLegacyDataImport_FieldIdSet &DictionaryFields() const { return m_Dictionary; }
    qint32 TypeWord(int id) const;
    quint8 RecordKindByte() const { return m_RecordKindByte; }
    quint8 NewestVersion() const { return m_Newest; }
    quint8 ThresholdVersion() const { return m_Threshold; }
    bool IsBuilt() const { return m_Built; }

private:
    CBioLegacyDataImport_FieldIdSet m_Dictionary;
    quint8 m_Newest = 0;
    quint8 m_Threshold = 0;
    CBioLegacyDataImport_FieldIdSet m_AllStored;
    std::array<CBioLegacyDataImport_FieldIdSet, BioLegacyGroupCount> m_Groups;
    std::array<qint32, CBioLegacyDataImport_FieldIdSet::kMaxFieldId + 1> m_TypeWords {};
    quint8 m_RecordKindByte = 0;
    bool m_Built = false;
};
