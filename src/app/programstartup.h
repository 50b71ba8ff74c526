#pragma once

#include "cmnrunapplication.h"

#include <QString>

#include <functional>

class CCmnAppDescriptor;
class CCmnSettingsExchange;
class CMainWindow;

// The program from start to end, as main runs it. The settings stores live from
// CreateProgramSettings to DestroyProgramSettings; RunProgram reads them once at
// the start of a run and writes them once at its end, after the main window is
// gone, whatever the run's result.

// What a run takes from outside, so that a test can run the program with answers
// of its own and never wait in a modal or event loop. Empty hooks leave the real
// dialogs and the real event loop.
struct CProgramHooks
{
    // The arguments, the event loop and the welcome dialog of the start-up flow.
    // The species dialog runs through the dialog runner, like every other dialog.
    CCmnRunApplicationHooks m_Run;
    // Told of each settings group as it is read (save false) or written (true).
    std::function<void(const QString &group, bool save)> m_GroupExchanged;
    // Told of the main window once it is built.
    std::function<void(CMainWindow *window)> m_WindowBuilt;
};

// The product's names and version and its document type.
void FillAppDescriptor(CCmnAppDescriptor &descriptor);

// The process-wide settings objects, each with its defaults, in a fixed order;
// destroyed in the same order.
void CreateProgramSettings();
void DestroyProgramSettings();

// Loads or saves every settings group, in a fixed order, each in the child group
// of the exchange named after it.
void ExchangeProgramSettings(const CCmnSettingsExchange &exchange,
                             const std::function<void(const QString &group, bool save)> &exchanged = {});

// Asks which animals the user breeds and takes that species' words; true when the
// user chose one.
bool AskSpecies();

// Reads the settings, asks for the species on the first run, builds the main
// window and hands it to the start-up flow, which runs the event loop; then
// destroys the window and writes the settings back. The application object must
// exist. Returns the event loop's exit code.
int RunProgram(const CProgramHooks &hooks);
