#include "cmnregfieldssettingssystemfieldstab.h"

#include "cmndataexchange.h"
#include "cmnreg.h"
#include "cmnregfieldssettings.h"
#include "cmnregfieldssettingssystemfieldsctrl.h"

#include <QBoxLayout>

CCmnRegFieldsSettingsSystemFieldsTab::CCmnRegFieldsSettingsSystemFieldsTab(
    const QString &text, const QString &recordWord, const QString &recordWordPlural,
    CCmnRegFieldsSettings *settings, const QSharedPointer<CCmnReg> &reg, QWidget *parent)
    : CCmnRegFieldsSettingsTab(text, recordWord, recordWordPlural, settings, reg, parent)
{
    SetHelpPage(QStringLiteral("CCmnRegFieldsSettingsSystemFieldsTab.html"));
}

void CCmnRegFieldsSettingsSystemFieldsTab::CreateControls()
{
    m_SystemFieldsCtrl = new CCmnRegFieldsSettingsSystemFieldsCtrl(this, Catalogue(), m_RecordWord);
    m_SystemFieldsCtrl->RegisterWhatsThis(this, QStringLiteral("Fields"));
    TopLayout()->addLayout(m_SystemFieldsCtrl->Layout());
    FinishLayout();
}

bool CCmnRegFieldsSettingsSystemFieldsTab::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save) {
        TCmnNamedItemsSortedList<CCmnRegFieldsSettingsSystemFieldsCtrlElt> list;
        // Refused by the list: an empty label, or one an earlier field already has.
        for (const CCmnRegField &field : m_Settings->GetSpecialFields()) {
            const QString label = m_Reg ? m_Reg->GetSpecialFieldLabel(field.m_Id, false) : QString();
            list.InsertSorted(label, CCmnRegFieldsSettingsSystemFieldsCtrlElt(true, field, CCmnRegField()));
        }
        for (const CCmnRegField &field : m_Settings->GetSystemFields()) {
            const QString label = m_Reg ? m_Reg->GetSystemFieldLabel(field.m_Id, false) : QString();
            list.InsertSorted(label, CCmnRegFieldsSettingsSystemFieldsCtrlElt(false, CCmnRegField(), field));
        }
        m_SystemFieldsCtrl->SetData(list);
    } else {
        for (const auto &item : m_SystemFieldsCtrl->GetData().m_Items)
            m_Settings->UpdateBuiltInField(item.second.m_Special, item.second.Field());
        m_Settings->MarkChanged(CCmnRegFieldsSettings::ChangedAll);
    }
    return CCmnRegFieldsSettingsTab::DataExchange(context);
}
