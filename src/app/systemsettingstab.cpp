#include "systemsettingstab.h"

#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmnmessageboxes.h"

#include <QBoxLayout>
#include <QGridLayout>

CSystemSettingsTab::CSystemSettingsTab(bool *ignoreAccents, CCmnSystemSettings *settings, QWidget *parent)
    : CCmnSystemSettingsTab(settings, parent)
    , m_IgnoreAccents(ignoreAccents)
{
    SetHelpPage(QStringLiteral("CSystemSettingsTab.html"));
}

void CSystemSettingsTab::CreateControls()
{
    auto *grid = new QGridLayout;
    int row = 0;
    AddControls(grid, row);
    m_IgnoreAccentsCheckBox = new CCmnCheckBox(tr("Ignore accents within index"), this);
    SetWidgetHelpName(this, m_IgnoreAccentsCheckBox, QStringLiteral("IgnoreAccentsInIndex"));
    grid->addWidget(m_IgnoreAccentsCheckBox, row, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    TopLayout()->addLayout(grid);
    TopLayout()->addStretch(1);
    FinishLayout();
}

bool CSystemSettingsTab::DataExchange(CCmnDataExchange *context)
{
    if (!CCmnSystemSettingsTab::DataExchange(context))
        return false;
    if (!context->m_Save)
        m_LoadedIgnoreAccents = *m_IgnoreAccents;
    if (!context->ExchangeCheckBox(m_IgnoreAccents, m_IgnoreAccentsCheckBox))
        return false;
    if (context->m_Save && *m_IgnoreAccents != m_LoadedIgnoreAccents) {
        // Once per change, even when another tab keeps the dialog open.
        m_LoadedIgnoreAccents = *m_IgnoreAccents;
        const QString product = CmnGetAppDescriptor().m_ProductDisplayName;
        ShowRememberedMessage(QMessageBox::Warning, this, product,
                              tr("Please restart %1 for the change to the 'Ignore accents within index' setting "
                                 "to properly take effect.")
                                  .arg(product));
    }
    return true;
}
