#include "biolegacydataimport_entschema.h"

#include "biolegacydataimport_ent.h"

void CBioLegacyDataImport_EntSchema::Reset()
{
    m_Dictionary.Clear();
    m_AllStored.Clear();
    for (auto &group : m_Groups)
        group.Clear();
    m_TypeWords.fill(0);
    m_Newest = m_Threshold = 0;
    m_RecordKindByte = 0;
    m_Built = false;
}

void CBioLegacyDataImport_EntSchema::SetVersions(quint8 newest, quint8 threshold)
{
    m_Newest = newest;
    m_Threshold = threshold;
}

void CBioLegacyDataImport_EntSchema::AddField(int id, qint32 typeWord)
{
    if (id < 0 || id > CBioLegacyDataImport_FieldIdSet::kMaxFieldId)
        return;
    if (!(typeWord & kBioLegacyNotStored))
        m_AllStored.Add(id);
    m_TypeWords[size_t(id)] = typeWord;
}

void CBioLegacyDataImport_EntSchema::AddGroupField(EBioLegacyGroup group, int id, qint32 typeWord)
{
    if (id < 0 || id > CBioLegacyDataImport_FieldIdSet::kMaxFieldId)
        return;
    m_Groups[size_t(group)].Add(id);
    AddField(id, typeWord);
}

void CBioLegacyDataImport_EntSchema::Finish()
{
    m_Dictionary.BuildIndex();
    m_AllStored.BuildIndex();
    for (auto &group : m_Groups)
        group.BuildIndex();
    m_Built = true;
}

qint32 CBioLegacyDataImport_EntSchema::TypeWord(int id) const
{
    return id >= 0 && id <= CBioLegacyDataImport_FieldIdSet::kMaxFieldId ? m_TypeWords[size_t(id)] : 0;
}

std::unique_ptr<CBioLegacyDataImport_FieldVal> CBioLegacyDataImport_EntSchema::CreateFieldValue(int id) const
{
    std::unique_ptr<CBioLegacyDataImport_FieldVal> value;
    if (Group(BioLegacyGroupTexts).Contains(id))
        value = std::make_unique<CBioLegacyDataImport_TextFieldVal>();
    else if (Group(BioLegacyGroupBooleans).Contains(id))
        value = std::make_unique<CBioLegacyDataImport_BOOLFieldVal>();
    else if (Group(BioLegacyGroupDates).Contains(id))
        value = std::make_unique<CBioLegacyDataImport_DateFieldVal>();
    else if (Group(BioLegacyGroupReferences).Contains(id))
        value = std::make_unique<CBioLegacyDataImport_RefFieldVal>();
    else if (Group(BioLegacyGroupCurrency).Contains(id))
        value = std::make_unique<CBioLegacyDataImport_CurrencyFieldVal>();
    else if (Group(BioLegacyGroupTimes).Contains(id))
        value = std::make_unique<CBioLegacyDataImport_TimeOfDayFieldVal>();
    else if (Group(BioLegacyGroupIntegers).Contains(id))
        value = std::make_unique<CBioLegacyDataImport_IntFieldVal>();
    if (value)
        value->SetFieldId(id);
    return value;
}

bool CBioLegacyDataImport_EntSchema::ApplyBooleanDefaults(CBioLegacyDataImport_Ent &entity) const
{
    bool changed = false;
    for (const int id : m_AllStored.Ids()) {
        const CBioLegacyDataImport_FieldVal *found = entity.FindValue(id);
        if ((found && !found->IsNull()) || !Group(BioLegacyGroupBooleans).Contains(id))
            continue;
        const qint32 type = TypeWord(id);
        if (!(type & (kBioLegacyDefaultFalse | kBioLegacyDefaultTrue)))
            continue;
        auto *value = static_cast<CBioLegacyDataImport_BOOLFieldVal *>(entity.GetValue(id));
        if (!value || value->Kind() != EBioLegacyValueKind::Bool)
            continue;
        value->value = (type & kBioLegacyDefaultFalse) == 0;
        value->SetNull(false);
        changed = true;
    }
    return changed;
}
