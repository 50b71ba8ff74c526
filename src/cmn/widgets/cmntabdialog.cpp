#include "cmntabdialog.h"

#include "cmndataexchange.h"
#include "cmndialogbuttonbox.h"
#include "cmndialogrunner.h"
#include "cmntab.h"
#include "cmntabwidget.h"
#include "cmnwaitcursor.h"

#include <QBoxLayout>
#include <QPushButton>

#include <algorithm>

CCmnTabDialog::CCmnTabDialog(QWidget *parent, Qt::WindowFlags flags)
    : CCmnDialog(parent, flags)
    , m_TabWidget(new CCmnTabWidget(this))
{
    m_TabWidget->setUsesScrollButtons(false);
    connect(m_TabWidget, &QTabWidget::currentChanged, this, &CCmnTabDialog::Slot_currentChanged_TabWidget);
}

CCmnTabDialog::~CCmnTabDialog() = default;

void CCmnTabDialog::AddTab(CCmnTab *page, const QString &label)
{
    // The first tab added becomes current; the user has not shown it, so it must
    // neither hear of it nor spend its one initial focus before its controls exist.
    const CCmnSlotBlocker blocker(this);
    m_Tabs.append({page, label});
    m_TabWidget->addTab(page, label);
}

void CCmnTabDialog::ShowTab(QWidget *page)
{
    if (page)
        m_TabWidget->setCurrentWidget(page);
}

void CCmnTabDialog::UpdateHelpButton()
{
    if (!m_ButtonBox)
        return;
    QPushButton *help = m_ButtonBox->button(QDialogButtonBox::Help);
    if (!help)
        return;
    const CCmnTab *current = TabAt(m_TabWidget->currentIndex());
    help->setEnabled(current && current->HasHelp());
}

bool CCmnTabDialog::ExchangeAllTabs(bool save)
{
    for (const CTabEntry &tab : std::as_const(m_Tabs)) {
        if (!tab.m_Page)
            continue;
        CCmnDataExchange context(save, this, tab.m_Page);
        if (!tab.m_Page->DataExchange(&context))
            return false;
    }
    return true;
}

void CCmnTabDialog::Prepare()
{
    if (m_Prepared)
        return;
    m_Prepared = true;
    // The tab changes made here are the program's, not the user's.
    const CCmnSlotBlocker blocker(this);
    CreateLayout();
    (void)ExchangeAllTabs(false);
    UpdateHelpButton();
    const bool anyWhatsThis = std::any_of(m_Tabs.cbegin(), m_Tabs.cend(), [](const CTabEntry &tab) {
        return tab.m_Page && tab.m_Page->HasWhatsThis();
    });
    if (anyWhatsThis)
        AddWhatsThisButton();
    if (CCmnTab *first = InitialTab()) {
        m_TabWidget->setCurrentWidget(first);
        first->SetInitialFocus();
    }
}

int CCmnTabDialog::Exec()
{
    Prepare();
    // As any dialog: the user waited on sees the normal cursor, and tests answer
    // in the user's place.
    const CCmnWaitCursorSuspender suspender;
    return CmnExecDialog(*this);
}

void CCmnTabDialog::accept()
{
    if (ExchangeAllTabs(true))
        QDialog::accept();
}

void CCmnTabDialog::Slot_HelpRequested()
{
    if (CCmnTab *current = TabAt(m_TabWidget->currentIndex()))
        current->ShowHelp(this);
}

void CCmnTabDialog::Slot_currentChanged_TabWidget(int index)
{
    if (SlotsBlocked())
        return;
    if (CCmnTab *tab = TabAt(index)) {
        OnTabShown(tab);
        tab->SetInitialFocus();
    }
    UpdateHelpButton();
}

void CCmnTabDialog::OnTabShown(CCmnTab *page)
{
    page->OnShown();
}

void CCmnTabDialog::AddControls(QBoxLayout *)
{
}

void CCmnTabDialog::AddControlsAfterButtonBox(QBoxLayout *)
{
}

void CCmnTabDialog::CreateLayout()
{
    bool anyHelp = false;
    for (const CTabEntry &tab : std::as_const(m_Tabs)) {
        if (!tab.m_Page)
            continue;
        tab.m_Page->CreateControls();
        anyHelp = tab.m_Page->HasHelp() || anyHelp;
    }
    auto *layout = new QVBoxLayout;
    layout->addWidget(m_TabWidget);
    AddControls(layout);
    m_ButtonBox = NewButtonBox(m_StandardButtons, anyHelp, Qt::Horizontal);
    connect(m_ButtonBox, &QDialogButtonBox::helpRequested, this, &CCmnTabDialog::Slot_HelpRequested);
    layout->addWidget(m_ButtonBox);
    AddControlsAfterButtonBox(layout);
    setLayout(layout);
    UpdateHelpButton();
}

CCmnTab *CCmnTabDialog::InitialTab() const
{
    if (m_InitialPage)
        return qobject_cast<CCmnTab *>(m_InitialPage.data());
    // A position past the last tab is a caller's slip: the label or the first tab
    // serves instead.
    if (m_InitialIndex >= 0 && m_InitialIndex < m_Tabs.size())
        return m_Tabs.at(m_InitialIndex).m_Page;
    if (!m_InitialName.isEmpty()) {
        const auto named = std::find_if(m_Tabs.cbegin(), m_Tabs.cend(),
                                        [this](const CTabEntry &tab) { return tab.m_Label == m_InitialName; });
        if (named != m_Tabs.cend())
            return named->m_Page;
    }
    return nullptr;
}

CCmnTab *CCmnTabDialog::TabAt(qint32 index) const
{
    if (index < 0 || index >= m_Tabs.size())
        return nullptr;
    return m_Tabs.at(index).m_Page;
}
