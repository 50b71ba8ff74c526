#pragma once

#include "cmnvalidator.h"

#include <QMap>

class CCmnNamedItemsTerminology;

// Refuses a name that the program keeps for its own use, in any letter case. The
// reserved names are the upper-case keys of the map; the value under a name is the
// explanation in the message (empty: "is used internally within" the product), and
// the value under "?" followed by the name is a note shown under the message.
//
// The item's own old name passes unchanged: a name can become reserved after it
// was given (a renamed term of the terminology), and the item must stay editable.
class CCmnNamedItemsInternalNamesToAvoidValidator : public CCmnValidator
{
public:
    CCmnNamedItemsInternalNamesToAvoidValidator(const CCmnNamedItemsTerminology *terminology,
                                                const QMap<QString, QString> &reservedNames,
                                                const QString &oldName = QString());

    QString Validate(const QVariant &value, QString *note) const override;

private:
    const CCmnNamedItemsTerminology *m_Terminology;
    QMap<QString, QString> m_ReservedNames;
    QString m_OldName;
};
