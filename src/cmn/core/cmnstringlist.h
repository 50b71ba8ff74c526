#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>

// Splitting, trimming, joining and case changes of string lists, as the box-text
// markup and the field labels need them. None keeps state.

// The words of the text between separators that lie outside single and double
// quotes. Quote characters stay in their words, a separator inside quotes belongs
// to the word, an unclosed quote runs to the end, and empty words are dropped:
// a "b c" 'd e' f split at blanks gives a, "b c", 'd e' and f.
QStringList CmnSplitOutsideQuotes(const QString &text, QChar separator);

// Every string trimmed of surrounding white space, in order; strings that become
// empty are dropped unless keepEmpty is set.
QStringList CmnTrimmedStrings(const QStringList &list, bool keepEmpty);

// The non-empty strings joined by the separator; empty ones add no separator either.
QString CmnJoinNonEmpty(const QStringList &list, const QString &separator);

// Drops every string that occurs earlier in the list, compared exactly; the first
// occurrences keep their order.
void CmnRemoveDuplicateStrings(QStringList &list);

QStringList CmnLowerCaseStrings(const QStringList &list);
QStringList CmnUpperCaseStrings(const QStringList &list);

QString CmnCopyString(const QString &text);

// Each byte read as the Latin-1 character of its code.
QString CmnStringFromLatin1(QByteArrayView text);
