#pragma once

#include <QString>

// What a long operation below the windows reports its progress to and asks about
// Cancel; the progress dialog is one, a test's script another.
class CCmnProgress
{
public:
    virtual ~CCmnProgress() = default;

    // Begins a pass with the text shown for it.
    virtual void NextPhase(const QString &text) = 0;
    // Starts a pass counting up to the maximum.
    virtual void SetMaximum(int maximum) = 0;
    // Shows the value; a dialog lets pending events run, so Cancel is seen.
    virtual void SetProgress(int value) = 0;
    [[nodiscard]] virtual bool WasCanceled() const = 0;
};
