#pragma once

#include "cmnwizardpanelpage.h"

#include <QBoxLayout>
#include <QSharedPointer>

// A page of the text import and export wizards that hosts one panel over one of the
// wizard's choices; the panel edits the choice directly. The page keeps a copy of
// the choice as it was when the page was first shown, and puts it back when the
// wizard is finished on a path that no longer passes the page.
template <class TChoice, class TPanel>
class TCmnImportExportChoicePage : public CCmnWizardPanelPage
{
public:
    // The panel is made from its flags, the choice, the further arguments and the
    // page's layout.
    template <class... TPanelArguments>
    TCmnImportExportChoicePage(const QString &title, QWidget *parent, qint32 panelFlags, TChoice *choice,
                               TPanelArguments... panelArguments)
        : CCmnWizardPanelPage(parent)
        , m_Choice(choice)
    {
        setTitle(title);
        m_ChoicePanel = QSharedPointer<TPanel>::create(panelFlags, choice, panelArguments..., PageLayout());
        SetPanel(m_ChoicePanel);
        ApplyLayout();
    }

    void InitPageData() override { m_PageCopy = *m_Choice; }
    void CommitPageData() override { *m_Choice = m_PageCopy; }

    TPanel *ChoicePanel() const { return m_ChoicePanel.data(); }
    const TChoice &PageCopy() const { return m_PageCopy; }

private:
    TChoice *m_Choice;
    TChoice m_PageCopy;
    QSharedPointer<TPanel> m_ChoicePanel;
};
