#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// A check of one value before a dialog accepts it. Validate returns the message to
// show, empty when the value is valid; it may put an extra note, shown as a
// paragraph under the message, into the note when one is given.
class CCmnValidator
{
public:
    virtual ~CCmnValidator();
    virtual QString Validate(const QVariant &value, QString *note) const = 0;
};

// The first message of the validators in list order, empty when all pass. The note
// (may be null) is cleared first and handed to every validator that runs; the run
// stops at the first message, so the note is that validator's.
QString CmnRunValidators(const QList<const CCmnValidator *> &validators, const QVariant &value,
                         QString *note);
