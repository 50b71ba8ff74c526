#pragma once

#include "cmnwizardpageex.h"

#include <QSharedPointer>

class CCmnPanel;

// A wizard page that shows one panel, so that a group of controls serves a wizard
// as well as a dialog: the panel's exchange, help and initial focus are the page's.
// The derived page's constructor sets the title and help page, builds the panel
// into PageLayout() (the panel edits the wizard's data directly), hands it over
// with SetPanel and ends with ApplyLayout.
class CCmnWizardPanelPage : public CCmnWizardPageEx
{
    Q_OBJECT
public:
    explicit CCmnWizardPanelPage(QWidget *parent = nullptr);

    // Shares the panel, letting go of any previous one.
    void SetPanel(const QSharedPointer<CCmnPanel> &panel);
    QSharedPointer<CCmnPanel> Panel() const { return m_Panel; }

    // The panel's exchange first, then the page's own base.
    bool DataExchange(CCmnDataExchange *context) override;
    // The panel's help; none without a panel.
    bool HasHelp() const override;
    void ShowHelp(QWidget *parent) override;
    void SetInitialFocus() override;
    // The panel's widgets count too: they are the page's.
    bool HasWhatsThis() const override;

private:
    QSharedPointer<CCmnPanel> m_Panel;
};
