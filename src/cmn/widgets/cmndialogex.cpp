#include "cmndialogex.h"

#include "cmnappdescriptor.h"
#include "cmnboxlayout.h"
#include "cmndataexchange.h"
#include "cmndialogbuttonbox.h"
#include "cmndialogrunner.h"
#include "cmnwaitcursor.h"
#include "cmnwidgetaccelerators.h"

#include <QBoxLayout>

CCmnDialogEx::CCmnDialogEx(QWidget *parent, Qt::WindowFlags flags)
    : CCmnDialog(parent, flags)
    , m_MainLayout(new QVBoxLayout)
{
    setWindowTitle(CmnGetAppDescriptor().m_ProductDisplayName);
}

CCmnDialogEx::~CCmnDialogEx()
{
    // A dialog destroyed before it was prepared never handed its layout, nor the
    // controls in it, to a widget.
    CmnDeleteUnplacedLayout(m_MainLayout);
}

void CCmnDialogEx::Prepare()
{
    if (m_Prepared)
        return;
    m_Prepared = true;
    CreateButtonBox();
    if (HasWhatsThis())
        AddWhatsThisButton();
    CCmnDataExchange load(false, this);
    (void)DataExchange(&load);
    SetInitialFocus();
}

int CCmnDialogEx::Exec()
{
    Prepare();
    // A dialog opened during a long operation waits for the user, who should see
    // the normal cursor meanwhile.
    const CCmnWaitCursorSuspender suspender;
    return CmnExecDialog(*this);
}

void CCmnDialogEx::CreateButtonBox()
{
    QBoxLayout *layout = m_MainLayout;
    if (m_ButtonOrientation == Qt::Vertical) {
        layout = new QHBoxLayout;
        layout->addLayout(m_MainLayout);
    }
    AddControls(layout);
    if (HasHelp())
        m_HelpButton = true;
    m_ButtonBox = NewButtonBox(m_StandardButtons, m_HelpButton, m_ButtonOrientation);
    connect(m_ButtonBox, &QDialogButtonBox::helpRequested, this, &CCmnDialogEx::Slot_HelpRequested);
    layout->addWidget(m_ButtonBox);
    AddControlsAfterButtonBox(layout);
    setLayout(layout);
    if (m_AssignAccelerators)
        AssignDialogAccelerators(this);
}

bool CCmnDialogEx::DataExchange(CCmnDataExchange *context)
{
    return CCmnTabOrDialogOrPanelOrPageMixin::DataExchange(context);
}

bool CCmnDialogEx::HasHelp() const
{
    return !HelpPage().isEmpty();
}

void CCmnDialogEx::ShowHelp(QWidget *parent)
{
    CCmnTabOrDialogOrPanelOrPageMixin::ShowHelp(parent);
}

void CCmnDialogEx::SetInitialFocus()
{
    CCmnTabOrDialogOrPanelOrPageMixin::SetInitialFocus();
}

void CCmnDialogEx::accept()
{
    CCmnDataExchange save(true, this);
    if (DataExchange(&save))
        QDialog::accept();
}

void CCmnDialogEx::Slot_HelpRequested()
{
    ShowHelp(this);
}

void CCmnDialogEx::AddControls(QBoxLayout *)
{
}

void CCmnDialogEx::AddControlsAfterButtonBox(QBoxLayout *)
{
}
