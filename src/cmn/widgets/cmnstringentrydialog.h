#pragma once

#include "cmngetstringdialog.h"
#include "cmnstringentry.h"

#include <QPointer>

#include <functional>

// Runs a prepared string dialog in place of its modal run and returns the dialog
// result; tests use it to type and press buttons on the real dialog.
using TCmnGetStringDialogRunner = std::function<int(CCmnGetStringDialog &)>;

// The named-items flows' view of a name dialog, answered by the real string
// dialog: title, prompt, starting text and validators go to the dialog, and the
// accepted (trimmed) text comes back.
class CCmnStringEntryDialog : public CCmnStringEntry
{
public:
    // An empty runner runs the dialog modally.
    explicit CCmnStringEntryDialog(QWidget *parent, TCmnGetStringDialogRunner runner = {});
    // Takes over a dialog built by the caller, such as a string dialog with fields
    // of its own; its Qt parent may still destroy it first.
    explicit CCmnStringEntryDialog(CCmnGetStringDialog *dialog, TCmnGetStringDialogRunner runner = {});
    ~CCmnStringEntryDialog() override;

    void SetTitle(const QString &title) override;
    void SetPrompt(const QString &prompt) override;
    void SetValue(const QString &value) override;
    QString Value() const override;
    void AddValidator(const CCmnValidator *validator) override;
    bool Exec() override;

    // Null once its parent has destroyed it.
    CCmnGetStringDialog *Dialog() const { return m_Dialog; }

private:
    QPointer<CCmnGetStringDialog> m_Dialog;
    TCmnGetStringDialogRunner m_Runner;
};

// The factory of the named-items flows' name dialogs: each is a CCmnStringEntryDialog
// run by the runner (modally when it is empty).
TCmnStringEntryFactory CmnStringEntryDialogFactory(TCmnGetStringDialogRunner runner = {});
