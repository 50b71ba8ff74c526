#include "cmntab.h"

#include "cmnwidgetaccelerators.h"

#include <QBoxLayout>

CCmnTab::CCmnTab(QWidget *parent, Qt::Orientation layoutKind)
    : CCmnWidget(nullptr, parent)
    , m_Layout(layoutKind == Qt::Vertical ? static_cast<QBoxLayout *>(new QVBoxLayout)
                                          : static_cast<QBoxLayout *>(new QHBoxLayout))
{
}

CCmnTab::~CCmnTab()
{
    // A tab whose controls were never made still holds its layout.
    if (!m_Layout->parent())
        delete m_Layout;
}

bool CCmnTab::DataExchange(CCmnDataExchange *context)
{
    return CCmnTabOrDialogOrPanelOrPageMixin::DataExchange(context);
}

bool CCmnTab::HasHelp() const
{
    return !HelpPage().isEmpty();
}

void CCmnTab::ShowHelp(QWidget *parent)
{
    CCmnTabOrDialogOrPanelOrPageMixin::ShowHelp(parent);
}

void CCmnTab::SetInitialFocus()
{
    CCmnTabOrDialogOrPanelOrPageMixin::SetInitialFocus();
}

void CCmnTab::OnShown()
{
}

void CCmnTab::FinishLayout()
{
    setLayout(m_Layout);
    if (m_AssignAccelerators)
        AssignDialogAccelerators(this);
}

bool CCmnTab::event(QEvent *event)
{
    if (CmnOpenWhatsThisLink(event, this))
        return true;
    return CCmnWidget::event(event);
}
