#pragma once

#include "cmndialogrunner.h"

#include <QStringList>

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
