#include "biolegacydataimport_ent.h"

#include "biolegacyschemas.h"

CBioLegacyDataImport_Ent::CBioLegacyDataImport_Ent(int kind)
    : m_Schema(&LegacySchemaOfKind(kind))
    , m_Kind(kind >= 0 && kind < BioLegacyKindCount ? kind : BioLegacyKindContact)
{
}

CBioLegacyDataImport_Ent::~CBioLegacyDataImport_Ent() = default;

const CBioLegacyDataImport_FieldIdSet &CBioLegacyDataImport_Ent::RecordVersionFields(EBioLegacyGroup, quint8) const
{
    static const CBioLegacyDataImport_FieldIdSet empty;
    return empty;
}

bool CBioLegacyDataImport_Ent::ApplyDefaults()
{
    return m_Schema->ApplyBooleanDefaults(*this);
}

void CBioLegacyDataImport_Ent::ResetValues()
{
    m_Values.Resize(m_Schema->AllStoredFields().Count());
    m_Values.ClearValues();
}

CBioLegacyDataImport_FieldVal *CBioLegacyDataImport_Ent::FindValue(int id) const
{
    return m_Values.At(m_Schema->AllStoredFields().IndexOf(id));
}

CBioLegacyDataImport_FieldVal *CBioLegacyDataImport_Ent::GetValue(int id)
{
    const int slot = m_Schema->AllStoredFields().IndexOf(id);
    if (slot < 0 || slot >= m_Values.Size())
        return nullptr;
    if (!m_Values.At(slot))
        m_Values.Set(slot, m_Schema->CreateFieldValue(id));
    return m_Values.At(slot);
}

const CBioLegacyDataImport_FieldVal *CBioLegacyDataImport_Ent::PresentValue(int id, EBioLegacyValueKind kind) const
{
    const CBioLegacyDataImport_FieldVal *value = FindValue(id);
    return value && !value->IsNull() && value->Kind() == kind ? value : nullptr;
}

bool CBioLegacyDataImport_Ent::BoolValue(int id)
{
    const CBioLegacyDataImport_FieldVal *value = GetValue(id);
    return value && value->Kind() == EBioLegacyValueKind::Bool
        && static_cast<const CBioLegacyDataImport_BOOLFieldVal *>(value)->value;
}

QByteArray CBioLegacyDataImport_Ent::TextValue(int id)
{
    const CBioLegacyDataImport_FieldVal *value = GetValue(id);
    if (!value || value->Kind() != EBioLegacyValueKind::Text)
        return QByteArray();
    return static_cast<const CBioLegacyDataImport_TextFieldVal *>(value)->text;
}

bool CBioLegacyDataImport_Ent::CurrencyValue(int id, qint32 &amount)
{
    amount = 0;
    const CBioLegacyDataImport_FieldVal *value = GetValue(id);
    if (!value || value->Kind() != EBioLegacyValueKind::Currency)
        return false;
    const auto *currency = static_cast<const CBioLegacyDataImport_CurrencyFieldVal *>(value);
    amount = currency->amount;
    return currency->set != 0;
}

CBioLegacyDate CBioLegacyDataImport_Ent::DateValue(int id)
{
    const CBioLegacyDataImport_FieldVal *value = GetValue(id);
    if (!value || value->Kind() != EBioLegacyValueKind::Date)
        return CBioLegacyDate();
    return static_cast<const CBioLegacyDataImport_DateFieldVal *>(value)->date;
}
