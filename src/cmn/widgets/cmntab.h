#pragma once

#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwidget.h"

class CCmnDataExchange;
class QBoxLayout;

// One tab of a tab dialog: a widget with its own help page, initial focus and data
// exchange. The tab dialog makes its controls (CreateControls) only when it is
// shown, once, and gives it its initial focus the first time it is shown.
class CCmnTab : public CCmnWidget, public CCmnTabOrDialogOrPanelOrPageMixin
{
    Q_OBJECT
public:
    // The tab's top layout is vertical for Qt::Vertical, else horizontal.
    explicit CCmnTab(QWidget *parent = nullptr, Qt::Orientation layoutKind = Qt::Vertical);
    ~CCmnTab() override;

    // Creates the tab's widgets into TopLayout() and ends with FinishLayout.
    virtual void CreateControls() = 0;
    // Tabs exchange their values and end with this base.
    virtual bool DataExchange(CCmnDataExchange *context);
    // True when the tab has a help page.
    virtual bool HasHelp() const;
    virtual void ShowHelp(QWidget *parent);
    virtual void SetInitialFocus();
    // Called each time the user makes this the current tab of its dialog.
    virtual void OnShown();

    QBoxLayout *TopLayout() const { return m_Layout; }
    void SetAssignAccelerators(bool on) { m_AssignAccelerators = on; }

protected:
    // Installs the top layout and gives the tab's labels and buttons accelerators.
    void FinishLayout();
    bool event(QEvent *event) override;

private:
    QBoxLayout *m_Layout;
    bool m_AssignAccelerators = true;
};
