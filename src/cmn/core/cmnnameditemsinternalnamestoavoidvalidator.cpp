#include "cmnnameditemsinternalnamestoavoidvalidator.h"

#include "cmnappdescriptor.h"
#include "cmnnameditemsterminology.h"

namespace {

const QChar kNotePrefix = QLatin1Char('?');

} // namespace

CCmnNamedItemsInternalNamesToAvoidValidator::CCmnNamedItemsInternalNamesToAvoidValidator(
    const CCmnNamedItemsTerminology *terminology, const QMap<QString, QString> &reservedNames,
    const QString &oldName)
    : m_Terminology(terminology)
    , m_ReservedNames(reservedNames)
    , m_OldName(oldName)
{
}

QString CCmnNamedItemsInternalNamesToAvoidValidator::Validate(const QVariant &value,
                                                              QString *note) const
{
    const QString text = value.toString();
    // Keys that begin with "?" hold the notes, not reserved names: a typed name such
    // as "?sire" must not be refused with a note as its explanation.
    if (text.isEmpty() || text.startsWith(kNotePrefix) || text == m_OldName)
        return QString();
    const QString key = text.toUpper();
    const auto it = m_ReservedNames.constFind(key);
    if (it == m_ReservedNames.constEnd())
        return QString();

    if (note)
        *note = m_ReservedNames.value(kNotePrefix + key);
    QString explanation = it.value();
    if (explanation.isEmpty())
        explanation = QStringLiteral("is used internally within %1")
                          .arg(CmnGetAppDescriptor().m_ProductName);
    return m_Terminology->ReservedNameMessage(text, explanation);
}
