#pragma once

#include "cmndialogrunner.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStringList>

#include <functional>

// Answers every dialog the program runs modally, for the scope's lifetime, with
// the runner given (which gets the dialog and returns its result; without one
// each dialog is cancelled), and records each dialog's window title; the
// previous runner comes back at the end of the scope.
class CTestDialogRunnerScope
{
public:
    explicit CTestDialogRunnerScope(TCmnDialogRunner runner = {});
    ~CTestDialogRunnerScope();
    CTestDialogRunnerScope(const CTestDialogRunnerScope &) = delete;
    CTestDialogRunnerScope &operator=(const CTestDialogRunnerScope &) = delete;

    // The titles of the dialogs run during the scope, in order.
    const QStringList &Titles() const { return m_Titles; }

private:
    TCmnDialogRunner m_Previous;
    QStringList m_Titles;
};

// Presses OK on a dialog as the user would (a data-exchange dialog saves and
// validates first, and stays open when that fails) and gives its result.
int OrvAcceptDialog(QDialog &dialog);

// For the scope's lifetime, answers the dialog in place of its modal run, as
// the user would: once it is prepared, does `act`, then presses OK or Cancel. A
// failed check inside `act` still closes the dialog.
template <typename TDialog>
CTestDialogRunnerScope OrvAnswerDialog(TDialog &dialog, std::function<void()> act, bool accept)
{
    return CTestDialogRunnerScope([&dialog, act = std::move(act), accept](QDialog &) {
        act();
        dialog.ButtonBox()->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return dialog.result();
    });
}
