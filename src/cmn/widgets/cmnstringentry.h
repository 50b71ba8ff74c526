#pragma once

#include <QString>

#include <functional>
#include <memory>

class CCmnValidator;
class QWidget;

// What the named-items flows need of the dialog that asks for one name: a title, a
// prompt, the text to start from, the checks to run when the user accepts, and one
// modal run. A refused value keeps the dialog open with the validator's message;
// Exec returns only once the user accepted a value that passed every check, or
// cancelled. Keeping the flows on this view lets tests answer in place of the user.
class CCmnStringEntry
{
public:
    virtual ~CCmnStringEntry();

    virtual void SetTitle(const QString &title) = 0;
    virtual void SetPrompt(const QString &prompt) = 0;
    virtual void SetValue(const QString &value) = 0;
    // The accepted text, trimmed.
    virtual QString Value() const = 0;
    // Not owned; run in the order added.
    virtual void AddValidator(const CCmnValidator *validator) = 0;
    // True when the user accepted.
    virtual bool Exec() = 0;
};

// Makes a plain name dialog on the parent; may return null, which the flows treat
// as a cancelled dialog.
using TCmnStringEntryFactory = std::function<std::unique_ptr<CCmnStringEntry>(QWidget *parent)>;
