#include "cmnvalidator.h"

CCmnValidator::~CCmnValidator() = default;

QString CmnRunValidators(const QList<const CCmnValidator *> &validators, const QVariant &value,
                         QString *note)
{
    if (note)
        note->clear();
    for (const CCmnValidator *validator : validators) {
        if (!validator)
            continue;
        const QString message = validator->Validate(value, note);
        if (!message.isEmpty())
            return message;
    }
    return QString();
}
