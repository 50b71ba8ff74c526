#include "cmnregfieldssettingsformfieldordertab.h"

#include "cmndataexchange.h"
#include "cmnhtmlescape.h"
#include "cmnregfieldssettings.h"

#include <QBoxLayout>

CCmnRegFieldsSettingsFormFieldOrderTab::CCmnRegFieldsSettingsFormFieldOrderTab(
    const QString &text, const QString &recordWord, const QString &recordWordPlural,
    CCmnRegFieldsSettings *settings, const QSharedPointer<CCmnReg> &reg, QWidget *parent)
    : CCmnRegFieldsSettingsTab(text, recordWord, recordWordPlural, settings, reg, parent)
{
    SetHelpPage(QStringLiteral("CCmnRegFieldsSettingsFormFieldOrderTab.html"));
}

void CCmnRegFieldsSettingsFormFieldOrderTab::CreateControls()
{
    AddHeading(tr("This list controls the order in which fields are output within printed %1. This does not "
                  "control the order or fields within the '%2 Details' or 'Select %2' windows - to change those "
                  "use the <b>%3</b> and <b>%4</b> tabs (above).")
                   .arg(CmnHtmlEscape(m_Text.toLower()), CmnHtmlEscape(m_RecordWord), tr("Details Window Layout"),
                        tr("Select Window Layout")));
    m_FieldList = new CFieldList(this, QString(), QString(), tr("Field"), CmnNamedItemsListUpDown, -1);
    m_FieldList->RegisterWhatsThis(this, QStringLiteral("Fields"));
    TopLayout()->addLayout(m_FieldList->Layout(), 1);
    FinishLayout();
}

bool CCmnRegFieldsSettingsFormFieldOrderTab::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save) {
        m_FieldList->SetItems(FieldList(m_Settings->GetFieldsForContext(0)));
    } else {
        QList<int> order;
        for (const auto &item : m_FieldList->GetItems().m_Items)
            order << item.second;
        m_Settings->SetFormFieldOrder(order);
    }
    return CCmnRegFieldsSettingsTab::DataExchange(context);
}
