#pragma once

#include <QStringList>

#include <functional>

class CCmnEnumRadioSelectDialog;
class CCmnMainWindowEx;
class QApplication;

// What a start takes from the process, so that a test can start the program with
// arguments of its own and never enter a modal or event loop.
struct CCmnRunApplicationHooks
{
    // The program's arguments, its own name first.
    QStringList m_Arguments;
    // Runs the event loop and returns its exit code; empty: QApplication::exec.
    std::function<int()> m_EventLoop;
    // Runs the welcome dialog in place of its modal run and returns the dialog
    // result; empty: the dialog's own run.
    std::function<int(CCmnEnumRadioSelectDialog &)> m_RunWelcomeDialog;
};

// Takes over from main once the main window is built: shows the window, loads the
// What's This texts, settles what the user starts with (the document named on the
// command line, the welcome dialog, the most recent document, a new document or
// the open-file dialog), runs the event loop, then shows the update notice and,
// after an orderly end (exit code 0), has the window save its settings. Returns
// the event loop's exit code.
int CmnRunApplication(QApplication *application, CCmnMainWindowEx *mainWindow);
int CmnRunApplication(CCmnMainWindowEx *mainWindow, const CCmnRunApplicationHooks &hooks);
