#pragma once

#include <QString>

// The character an "&" marks in the text (upper case), or a null character.
inline QChar OrvMarkedCharacter(const QString &text)
{
    const QString withoutLiterals = QString(text).remove(QStringLiteral("&&"));
    const qsizetype mark = withoutLiterals.indexOf(u'&');
    if (mark < 0 || mark + 1 >= withoutLiterals.size())
        return {};
    return withoutLiterals.at(mark + 1).toUpper();
}
