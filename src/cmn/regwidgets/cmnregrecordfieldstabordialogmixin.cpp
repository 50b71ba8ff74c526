#include "cmnregrecordfieldstabordialogmixin.h"

#include "cmndataexchange.h"
#include "cmnreg.h"
#include "cmnregfieldeditor.h"
#include "cmnregrecord.h"

#include <optional>

namespace {

std::optional<CCmnRegFieldValue> StoredValue(const CCmnRegRecord &record, int fieldId)
{
    for (const CCmnRegStoredValue &stored : record.GetValues()) {
        if (stored.m_FieldId == fieldId)
            return stored.m_Value;
    }
    return std::nullopt;
}

// Puts the entry the load found back, in its place and kind, when an earlier
// save that failed further on had changed it.
void RestoreStoredValue(CCmnRegRecord &record, const CCmnRegFieldEditItem &item)
{
    const std::optional<CCmnRegFieldValue> now = StoredValue(record, item.m_FieldId);
    if (!item.m_HadStoredValue) {
        if (now)
            record.RemoveValue(item.m_FieldId);
        return;
    }
    const CCmnRegFieldValue &loaded = item.m_LoadedStoredValue;
    if (!now || now->m_Kind != loaded.m_Kind || now->m_Value != loaded.m_Value)
        record.SetValue(item.m_FieldId, loaded.m_Kind, loaded.m_Value);
}

} // namespace

void CCmnRegRecordFieldsTabOrDialogMixin::CreateFieldEditors(int flags, CCmnReg *reg, const QList<int> &fieldIds,
                                                             const QHash<int, int> &columnStarts, QWidget *parent)
{
    m_Reg = reg;
    m_FieldIds = fieldIds;
    m_ColumnStarts = columnStarts;
    if (!reg)
        return;
    const bool builtInHelp = flags & HelpNames;
    const bool fieldHelp = m_Editable ? (flags & (HelpNamesIfEditable | HelpNames)) : (flags & HelpNames);
    const CCmnRegFieldsSettings &settings = reg->GetFieldsSettings();
    for (int fieldId : fieldIds) {
        const CCmnRegFieldDef *def = nullptr;
        QString label;
        bool editable = false;
        bool help = fieldHelp;
        if (reg->IsIdentityField(fieldId)) {
            def = reg->FindIdentityFieldDef(fieldId);
            label = reg->GetIdentityFieldLabel(fieldId, false);
            help = builtInHelp;
        } else if (reg->IsSpecialField(fieldId)) {
            def = settings.FindFieldDef(fieldId);
            label = reg->GetSpecialFieldLabel(fieldId, false);
            help = builtInHelp;
        } else if (reg->IsSystemField(fieldId)) {
            def = settings.FindFieldDef(fieldId);
            label = reg->GetSystemFieldLabel(fieldId, false);
            editable = m_Editable;
        } else if (settings.IndexOfUserField(fieldId) >= 0) {
            def = settings.FindFieldDef(fieldId);
            label = reg->GetUserFieldLabel(fieldId);
            editable = m_Editable;
        }
        if (!def)
            continue;
        CCmnRegFieldEditItem item;
        item.m_FieldId = fieldId;
        item.m_Def = *def;
        const QString helpName = help ? reg->GetFieldInternalName(fieldId) : QString();
        CCmnRegFieldLookup *lookup = editable ? reg->GetLookupLists().FindField(fieldId) : nullptr;
        CmnRegCreateFieldEditor(*def, item.m_Widgets, editable, label, helpName, &reg->GetLookupLists(), lookup,
                                parent);
        item.m_Widgets.m_ColumnStart = columnStarts.contains(fieldId);
        m_ColumnRows.append(item.m_Widgets);
        m_Items.append(item);
    }
}

bool CCmnRegRecordFieldsTabOrDialogMixin::IsDisplayOnly(int fieldId) const
{
    return m_Reg->IsIdentityField(fieldId) || m_Reg->IsSpecialField(fieldId);
}

void CCmnRegRecordFieldsTabOrDialogMixin::ShowValue(const CCmnRegFieldEditItem &item, int recordId, int mode) const
{
    const CCmnRegSubstitution value = m_Reg->GetFieldSubstitution(recordId, item.m_FieldId, 3, mode);
    item.m_Widgets.ShowSubstitution(
        (value.m_Forms & CCmnRegSubstitution::FormText) ? std::optional(value.m_Text) : std::nullopt,
        (value.m_Forms & CCmnRegSubstitution::FormHtml) ? std::optional(value.m_Html) : std::nullopt);
}

void CCmnRegRecordFieldsTabOrDialogMixin::ShowRecordValues(int recordId)
{
    if (!m_Reg)
        return;
    // Mode 2: the one-line form, as a panel row has room for.
    for (const CCmnRegFieldEditItem &item : std::as_const(m_Items))
        ShowValue(item, recordId, 2);
}

bool CCmnRegRecordFieldsTabOrDialogMixin::ExchangeValues(CCmnDataExchange &exchange, int recordId,
                                                         CCmnRegRecord *record)
{
    if (!m_Reg || !record)
        return true;
    for (CCmnRegFieldEditItem &item : m_Items) {
        if (IsDisplayOnly(item.m_FieldId)) {
            if (!exchange.m_Save)
                ShowValue(item, recordId, 3);
            continue;
        }
        const int kind = item.m_Def.ValueKind();
        QVariant value = record->GetValue(item.m_FieldId, kind);
        if (!CmnRegExchangeFieldEditor(item.m_Def, exchange, value, item.m_Widgets))
            return false;
        if (!exchange.m_Save) {
            const std::optional<CCmnRegFieldValue> stored = StoredValue(*record, item.m_FieldId);
            item.m_HadStoredValue = stored.has_value();
            item.m_LoadedStoredValue = stored.value_or(CCmnRegFieldValue());
            item.m_LoadedState = CmnRegFieldEditorState(item.m_Widgets);
        } else if (CmnRegFieldEditorState(item.m_Widgets) == item.m_LoadedState) {
            RestoreStoredValue(*record, item);
        } else {
            record->SetValue(item.m_FieldId, kind, value);
        }
    }
    return true;
}
