#include "cmnregfieldssettingsuserfieldstab.h"

#include "cmndataexchange.h"
#include "cmnhtmlescape.h"
#include "cmnreg.h"
#include "cmnregfieldssettings.h"
#include "cmnregfieldssettingsuserfieldsctrl.h"
#include "cmnsystemsettings.h"

#include <QBoxLayout>

CCmnRegFieldsSettingsUserFieldsTab::CCmnRegFieldsSettingsUserFieldsTab(
    const QString &text, const QString &recordWord, const QString &recordWordPlural,
    CCmnRegFieldsSettings *settings, const QSharedPointer<CCmnReg> &reg, qint32 maxUserFields, QWidget *parent)
    : CCmnRegFieldsSettingsTab(text, recordWord, recordWordPlural, settings, reg, parent)
    , m_MaxUserFields(maxUserFields)
{
    SetHelpPage(QStringLiteral("CCmnRegFieldsSettingsUserFieldsTab.html"));
}

void CCmnRegFieldsSettingsUserFieldsTab::CreateControls()
{
    m_UserFieldsCtrl = new CCmnRegFieldsSettingsUserFieldsCtrl(this, Catalogue(), m_RecordWord, m_MaxUserFields);
    m_UserFieldsCtrl->RegisterWhatsThis(this, QStringLiteral("Fields"));
    m_UserFieldsCtrl->m_ReservedNames = NamesToAvoid();
    TopLayout()->addLayout(m_UserFieldsCtrl->Layout());
    FinishLayout();
}

QMap<QString, QString> CCmnRegFieldsSettingsUserFieldsTab::NamesToAvoid() const
{
    QMap<QString, QString> names;
    if (!m_Reg)
        return names;
    for (const int id : m_Reg->GetInbuiltFieldIds()) {
        const QString label = m_Reg->GetFieldLabel(id, false);
        if (label.isEmpty())
            continue;
        const QString key = label.toUpper();
        names.insert(key, tr("is already in use as an inbuilt (system) field"));
        if (m_Reg->IsInbuiltField(id)) {
            // The label is a word the user typed into the terminology.
            names.insert(QLatin1Char('?') + key,
                         tr("NOTE: If you really want to use this label for a user defined field, you can do so "
                            "but you must first rename '%1' in the terminology settings. To do this, select %2 "
                            "and then select the <b>Terminology</b> tab.")
                             .arg(CmnHtmlEscape(label), CmnPreferencesMenuText()));
        }
    }
    return names;
}

bool CCmnRegFieldsSettingsUserFieldsTab::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save) {
        m_UserFieldsCtrl->SetData(m_Settings->GetUserFields());
    } else {
        CCmnRegUserFieldSet fields = m_Settings->GetUserFields();
        static_cast<TCmnNamedItemsSortedList<CCmnRegUserField> &>(fields) = m_UserFieldsCtrl->GetData();
        // Marks every derived part changed: fields may have come or gone.
        m_Settings->SetUserFields(fields);
    }
    return CCmnRegFieldsSettingsTab::DataExchange(context);
}
