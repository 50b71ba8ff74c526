#pragma once

#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwizardpage.h"

class CCmnDataExchange;
class QVBoxLayout;

// A wizard page that carries the framework's host protocol: help page, initial
// focus and data exchange. Added to a CCmnWizardEx with AddOwnPage, it is built on
// its first visit (InitPageData takes a snapshot of the data it edits), loaded on
// every forward visit, and saved and validated when the user leaves it forward;
// the wizard stays on it while the save fails. When the user went Back past it and
// then finished, CommitPageData puts the snapshot back.
class CCmnWizardPageEx : public CCmnWizardPage, public CCmnTabOrDialogOrPanelOrPageMixin
{
    Q_OBJECT
public:
    explicit CCmnWizardPageEx(QWidget *parent = nullptr);
    ~CCmnWizardPageEx() override;

    // The layout into which the derived page puts its controls.
    QVBoxLayout *PageLayout() const { return m_Layout; }
    // Installs PageLayout() as the page's layout, once the controls are in it.
    void ApplyLayout();

    // The save exchange; false keeps the wizard on the page.
    bool validatePage() override;

    // Copies the values of the data the page edits into a snapshot of its own.
    virtual void InitPageData() = 0;
    // Writes the snapshot back into the data the page edits.
    virtual void CommitPageData() = 0;
    // The page has been shown after a forward move: Help follows the page, and the
    // first showing gives the initial focus.
    virtual void OnPageShown();
    virtual bool DataExchange(CCmnDataExchange *context);
    // True when the page has a help page.
    virtual bool HasHelp() const;
    virtual void ShowHelp(QWidget *parent);
    virtual void SetInitialFocus();

    // Enables the wizard's Help button exactly when the page has help.
    void UpdateHelpButton();

private:
    QVBoxLayout *m_Layout;
};
