#include "cmnpanel.h"

CCmnPanel::CCmnPanel(qint32 flags, QObject *parent)
    : QObject(parent)
    , m_Flags(flags)
{
}

bool CCmnPanel::DataExchange(CCmnDataExchange *context)
{
    return CCmnTabOrDialogOrPanelOrPageMixin::DataExchange(context);
}

bool CCmnPanel::HasHelp() const
{
    return !HelpPage().isEmpty();
}

void CCmnPanel::ShowHelp(QWidget *parent)
{
    CCmnTabOrDialogOrPanelOrPageMixin::ShowHelp(parent);
}

void CCmnPanel::SetInitialFocus()
{
    CCmnTabOrDialogOrPanelOrPageMixin::SetInitialFocus();
}
