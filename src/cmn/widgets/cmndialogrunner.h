#pragma once

#include <functional>

class QDialog;

// Every modal run of a dialog that the program opens on its own (the print,
// page set-up, preview and parameter dialogs, and the framework's data-exchange
// dialogs, tab dialogs and wizards) goes through here, so that tests can answer
// a dialog in place of the user and never wait on a modal loop.
using TCmnDialogRunner = std::function<int(QDialog &dialog)>;

// The dialog's result: its modal run, or what the runner in place answers.
int CmnExecDialog(QDialog &dialog);

// Replaces the runner and returns the one it replaces; an empty runner
// restores the dialogs' own modal runs.
TCmnDialogRunner CmnSetDialogRunner(TCmnDialogRunner runner);
