#include "cmnwizardpageex.h"

#include "cmndataexchange.h"
#include "cmnwizardex.h"

#include <QAbstractButton>
#include <QBoxLayout>

CCmnWizardPageEx::CCmnWizardPageEx(QWidget *parent)
    : CCmnWizardPage(parent)
    , m_Layout(new QVBoxLayout)
{
}

CCmnWizardPageEx::~CCmnWizardPageEx()
{
    // A page destroyed before its layout was installed still owns it.
    if (!m_Layout->parent())
        delete m_Layout;
}

void CCmnWizardPageEx::ApplyLayout()
{
    setLayout(m_Layout);
}

bool CCmnWizardPageEx::validatePage()
{
    CCmnDataExchange save(true, qobject_cast<CCmnWizardEx *>(wizard()), this);
    return DataExchange(&save);
}

void CCmnWizardPageEx::OnPageShown()
{
    UpdateHelpButton();
    SetInitialFocus();
}

bool CCmnWizardPageEx::DataExchange(CCmnDataExchange *context)
{
    return CCmnTabOrDialogOrPanelOrPageMixin::DataExchange(context);
}

bool CCmnWizardPageEx::HasHelp() const
{
    return !HelpPage().isEmpty();
}

void CCmnWizardPageEx::ShowHelp(QWidget *parent)
{
    CCmnTabOrDialogOrPanelOrPageMixin::ShowHelp(parent);
}

void CCmnWizardPageEx::SetInitialFocus()
{
    CCmnTabOrDialogOrPanelOrPageMixin::SetInitialFocus();
}

void CCmnWizardPageEx::UpdateHelpButton()
{
    QWizard *owner = wizard();
    if (!owner)
        return;
    if (QAbstractButton *help = owner->button(QWizard::HelpButton))
        help->setEnabled(HasHelp());
}
