#include "cmnsettingskeys.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {

// Stands for a stored entry that is not text. Sanitising never yields "?", so no
// name matches it, and it keeps its place so that later entries keep their numbers.
QString UnreadableEntry()
{
    return QStringLiteral("?");
}

// The stored list, read without trusting its type. A single text is a list of one
// (that is how the store writes a one-entry list). A value that is no list at all
// holds no usable names and counts as none.
QStringList StoredNames(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return {value.toString()};
    case QMetaType::QStringList:
        return value.toStringList();
    case QMetaType::QVariantList: {
        const QVariantList entries = value.toList();
        QStringList names;
        names.reserve(entries.size());
        for (const QVariant &entry : entries)
            names << (entry.typeId() == QMetaType::QString ? entry.toString() : UnreadableEntry());
        return names;
    }
    default:
        return {};
    }
}

} // namespace

QString CmnSanitiseSettingsName(const QString &name)
{
    QString sanitised = name;
    for (QChar &c : sanitised) {
        if (!c.isLetter() && !c.isDigit() && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    return sanitised;
}

QString CmnSettingsKeyForName(const QString &prefix, const QString &name)
{
    const QString sanitised = CmnSanitiseSettingsName(name);
    const QString listKey = prefix + QStringLiteral("list");
    QSettings settings;
    QStringList names = StoredNames(settings.value(listKey));
    qsizetype number = names.indexOf(sanitised);
    if (number < 0) {
        number = names.size();
        names << sanitised;
        settings.setValue(listKey, names);
        settings.sync();
    }
    return prefix + QLatin1Char('/') + QString::number(number);
}
