#pragma once

#include "cmndialog.h"
#include "cmntabordialogorpanelorpagemixin.h"

class CCmnDataExchange;
class QBoxLayout;
class QVBoxLayout;

// The untabbed dialog that edits data. Its creator constructs and configures it
// (values, buttons, geometry keeper) and runs it once with Exec. The controls are
// made only then, by AddControls, so everything they need must be set before.
// Showing goes in this order: controls and button box laid out, accelerators
// given, the What's This button added when a control received a text, the values
// loaded, the initial focus given. OK saves and closes only when the save exchange
// succeeds; Cancel runs no exchange.
class CCmnDialogEx : public CCmnDialog, public CCmnTabOrDialogOrPanelOrPageMixin
{
    Q_OBJECT
public:
    // The title is the product's display name until the derived dialog sets its own.
    explicit CCmnDialogEx(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~CCmnDialogEx() override;

    // Everything before the modal run: layout, accelerators, What's This button,
    // load, initial focus. Runs once; Exec calls it, and tests call it to drive the
    // dialog without a modal loop.
    void Prepare();
    // Prepare, then the modal run with the wait cursor suspended; its result.
    int Exec();

    // Lays out the controls and the button box (part of Prepare).
    void CreateButtonBox();

    virtual bool DataExchange(CCmnDataExchange *context);
    // True when the dialog has a help page.
    virtual bool HasHelp() const;
    virtual void ShowHelp(QWidget *parent);
    virtual void SetInitialFocus();

    // Set before the dialog is shown.
    void SetStandardButtons(QDialogButtonBox::StandardButtons buttons) { m_StandardButtons = buttons; }
    // Horizontal: a row under the controls; vertical: a column to their right.
    void SetButtonOrientation(Qt::Orientation orientation) { m_ButtonOrientation = orientation; }
    void SetHelpButton(bool on) { m_HelpButton = on; }
    void SetAssignAccelerators(bool on) { m_AssignAccelerators = on; }

    // The layout into which the controls go.
    QVBoxLayout *MainLayout() const { return m_MainLayout; }
    // Null before the dialog is laid out.
    CCmnDialogButtonBox *ButtonBox() const { return m_ButtonBox; }

public Q_SLOTS:
    // Saves; closes as accepted only when the save exchange succeeds.
    void accept() override;
    void Slot_HelpRequested();

protected:
    // The derived dialog's widgets go into the layout.
    virtual void AddControls(QBoxLayout *layout);
    // For widgets or buttons that need the button box.
    virtual void AddControlsAfterButtonBox(QBoxLayout *layout);

private:
    QVBoxLayout *m_MainLayout;
    QDialogButtonBox::StandardButtons m_StandardButtons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    Qt::Orientation m_ButtonOrientation = Qt::Horizontal;
    bool m_HelpButton = false;
    CCmnDialogButtonBox *m_ButtonBox = nullptr;
    bool m_AssignAccelerators = true;
    bool m_Prepared = false;
};
