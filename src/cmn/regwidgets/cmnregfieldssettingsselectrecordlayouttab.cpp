#include "cmnregfieldssettingsselectrecordlayouttab.h"

#include "cmnhtmlescape.h"
#include "cmnreg.h"
#include "cmnregfieldssettings.h"

CCmnRegFieldsSettingsSelectRecordLayoutTab::CCmnRegFieldsSettingsSelectRecordLayoutTab(
    const QString &text, const QString &recordWord, const QString &recordWordPlural,
    CCmnRegFieldsSettings *settings, const QSharedPointer<CCmnReg> &reg, QWidget *parent)
    : CCmnRegFieldsSettingsLayoutTab(text, recordWord, recordWordPlural, settings, reg, parent)
{
    SetHelpPage(QStringLiteral("CCmnRegFieldsSettingsSelectRecordLayoutTab.html"));
}

QString CCmnRegFieldsSettingsSelectRecordLayoutTab::HeadingHtml() const
{
    return tr("This controls the order and column breaks of fields within the 'Key Fields' panel of the 'Select "
              "%1' window. It does not control the order in which fields are output within printed %2 - to "
              "change that use the <b>%3</b> tab (above).")
        .arg(CmnHtmlEscape(m_RecordWord), CmnHtmlEscape(m_Text.toLower()), tr("Form Field Order"));
}

QString CCmnRegFieldsSettingsSelectRecordLayoutTab::NewColumnText() const
{
    return tr("New column");
}

QString CCmnRegFieldsSettingsSelectRecordLayoutTab::CurrentFieldTitle(const QString &label) const
{
    return label;
}

bool CCmnRegFieldsSettingsSelectRecordLayoutTab::IsLayoutAutomatic() const
{
    return m_Settings->IsSelectRecordLayoutAutomatic();
}

QList<int> CCmnRegFieldsSettingsSelectRecordLayoutTab::LoadManualLayout()
{
    m_Settings->NormaliseSelectRecordLayout();
    QList<int> fieldIds;
    for (const CCmnRegSelectRecordLayoutItem &item : m_Settings->GetSelectRecordManualItems()) {
        m_NewColumns.insert(item.m_FieldId, item.m_NewColumn);
        fieldIds << item.m_FieldId;
    }
    return fieldIds;
}

void CCmnRegFieldsSettingsSelectRecordLayoutTab::SaveLayout(bool automatic, const QList<int> &fieldIds)
{
    QList<CCmnRegSelectRecordLayoutItem> items;
    for (const int id : fieldIds)
        items.append({id, m_NewColumns.value(id, false)});
    m_Settings->SetSelectRecordLayout(automatic, items);
}

void CCmnRegFieldsSettingsSelectRecordLayoutTab::ClearManualLayout(bool automatic)
{
    m_Settings->SetSelectRecordLayout(automatic, {});
}

void CCmnRegFieldsSettingsSelectRecordLayoutTab::TestLayout()
{
    if (m_Reg)
        m_Reg->TestSelectRecordLayout(*m_Settings, this);
}
