#include "cmnpaneldialog.h"

#include "cmnpanel.h"
#include "cmnshellvalues.h"

CCmnPanelDialog::CCmnPanelDialog(QWidget *parent)
    : CCmnDialogEx(parent, CmnDefaultDialogFlags)
{
}

void CCmnPanelDialog::SetPanel(const QSharedPointer<CCmnPanel> &panel)
{
    m_Panel = panel;
    if (HasHelp())
        SetHelpButton(true);
    if (m_Panel && m_Panel->HasWhatsThis())
        AddWhatsThisButton();
}

bool CCmnPanelDialog::DataExchange(CCmnDataExchange *context)
{
    if (m_Panel && !m_Panel->DataExchange(context))
        return false;
    return CCmnDialogEx::DataExchange(context);
}

bool CCmnPanelDialog::HasHelp() const
{
    return m_Panel && m_Panel->HasHelp();
}

void CCmnPanelDialog::ShowHelp(QWidget *parent)
{
    if (m_Panel)
        m_Panel->ShowHelp(parent);
}

void CCmnPanelDialog::SetInitialFocus()
{
    if (m_Panel)
        m_Panel->SetInitialFocus();
}
