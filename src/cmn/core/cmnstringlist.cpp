#include "cmnstringlist.h"

#include <QSet>

QStringList CmnSplitOutsideQuotes(const QString &text, QChar separator)
{
    QStringList words;
    QString word;
    bool inSingle = false;
    bool inDouble = false;
    for (const QChar c : text) {
        // A quote of the other kind inside a quoted stretch is plain text and stays in the word.
        if (c == u'\'' && !inDouble) {
            inSingle = !inSingle;
        } else if (c == u'"' && !inSingle) {
            inDouble = !inDouble;
        } else if (c == separator && !inSingle && !inDouble) {
            if (!word.isEmpty()) {
                words.append(word);
                word.clear();
            }
            continue;
        }
        word += c;
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

QStringList CmnTrimmedStrings(const QStringList &list, bool keepEmpty)
{
    QStringList result;
    result.reserve(list.size());
    for (const QString &item : list) {
        const QString trimmed = item.trimmed();
        if (keepEmpty || !trimmed.isEmpty())
            result.append(trimmed);
    }
    return result;
}

QString CmnJoinNonEmpty(const QStringList &list, const QString &separator)
{
    QString result;
    bool first = true;
    for (const QString &item : list) {
        if (item.isEmpty())
            continue;
        if (!first)
            result += separator;
        result += item;
        first = false;
    }
    return result;
}

QStringList CmnLowerCaseStrings(const QStringList &list)
{
    QStringList result;
    result.reserve(list.size());
    for (const QString &item : list)
        result.append(item.toLower());
    return result;
}

QStringList CmnUpperCaseStrings(const QStringList &list)
{
    QStringList result;
    result.reserve(list.size());
    for (const QString &item : list)
        result.append(item.toUpper());
    return result;
}

QString CmnCopyString(const QString &text)
{
    return text;
}

QString CmnStringFromLatin1(QByteArrayView text)
{
    return QString::fromLatin1(text);
}

void CmnRemoveDuplicateStrings(QStringList &list)
{
    QSet<QString> seen;
    list.removeIf([&seen](const QString &text) {
        if (seen.contains(text))
            return true;
        seen.insert(text);
        return false;
    });
}
