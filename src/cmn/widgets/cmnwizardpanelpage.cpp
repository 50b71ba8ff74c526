#include "cmnwizardpanelpage.h"

#include "cmnpanel.h"

CCmnWizardPanelPage::CCmnWizardPanelPage(QWidget *parent)
    : CCmnWizardPageEx(parent)
{
}

void CCmnWizardPanelPage::SetPanel(const QSharedPointer<CCmnPanel> &panel)
{
    m_Panel = panel;
}

bool CCmnWizardPanelPage::DataExchange(CCmnDataExchange *context)
{
    if (m_Panel && !m_Panel->DataExchange(context))
        return false;
    return CCmnWizardPageEx::DataExchange(context);
}

bool CCmnWizardPanelPage::HasHelp() const
{
    return m_Panel && m_Panel->HasHelp();
}

void CCmnWizardPanelPage::ShowHelp(QWidget *parent)
{
    if (m_Panel)
        m_Panel->ShowHelp(parent);
}

void CCmnWizardPanelPage::SetInitialFocus()
{
    if (m_Panel)
        m_Panel->SetInitialFocus();
}

bool CCmnWizardPanelPage::HasWhatsThis() const
{
    return CCmnWizardPageEx::HasWhatsThis() || (m_Panel && m_Panel->HasWhatsThis());
}
