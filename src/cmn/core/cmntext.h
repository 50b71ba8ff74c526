#pragma once

#include <QByteArray>
#include <QString>

// Free functions that turn values into display text and back. None keeps state.

// Title case: the first letter or digit of every word upper case, the rest lower.
// Apostrophes and back quotes stay inside a word ("o'neil" gives "O'neil").
QString CmnTitleCase(const QString &text);

// Two lower-case hexadecimal digits per byte, high nibble first.
QString CmnToHex(const QByteArray &bytes);

// One byte per pair of characters; an odd last character is ignored and the
// characters are not validated (the reverse of CmnToHex for its own output).
QByteArray CmnFromHex(const QString &text);
