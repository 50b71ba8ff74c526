#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QFontMetrics;

// Free functions for display text: letter case, short labels, hexadecimal, line
// endings, length units and a few helpers for sizing and placing windows. None
// keeps state.

// Letter-case mode of a field's display and of name lists, stored as a 32-bit integer.
enum ECmnLetterCase {
    CmnLetterCaseNone = 0,
    CmnLetterCaseUpper = 1,
    CmnLetterCaseLower = 2,
    CmnLetterCaseTitle = 3,
    CmnLetterCaseSentence = 4,
};

// Unit of lengths, stored as a 32-bit integer.
enum ECmnLengthUnit {
    CmnLengthUnitInches = 0,
    CmnLengthUnitCentimeters = 1,
    CmnLengthUnitMillimeters = 2,
};

// Line ending written after each line of a text file.
enum ECmnLineEnding {
    CmnLineEndingCR = 0,
    CmnLineEndingLF = 1,
    CmnLineEndingCRLF = 2,
    // The platform's own: written as LF here; reading accepts CR LF, LF and CR alike,
    // since a file of unknown origin may use any of them.
    CmnLineEndingPlatform = 3,
};

// "None", "Upper Case", "Lower Case", "Title", "Sentence"; "??" for another mode.
QString CmnLetterCaseName(qint32 mode);

// The text in the given ECmnLetterCase mode; another mode leaves it unchanged.
QString CmnApplyLetterCase(const QString &text, qint32 mode);

// Each item on its own, except sentence case, which runs on from item to item.
QStringList CmnApplyLetterCaseToList(const QStringList &list, qint32 mode);

// Title case: the first letter or digit of every word upper case, the rest lower.
// Apostrophes and back quotes stay inside a word ("o'neil" gives "O'neil").
QString CmnTitleCase(const QString &text);

// Sentence case: the first non-blank character and the first after every "."
// upper case, every other character lower case.
QString CmnSentenceCase(const QString &text);

// Sentence case over the items in order, as if they were one text: an item that
// ends with "." makes the next one start with a capital.
QStringList CmnSentenceCaseList(const QStringList &list);

bool CmnEqualNoCase(const QString &a, const QString &b);

// The integers of the pieces between separators, in order; a piece that is not a
// decimal integer (an empty one included) is left out.
QList<qint32> CmnSplitToInts(const QString &text, const QString &separator);
QString CmnJoinInts(const QList<qint32> &values, const QString &separator);

// Position of the first place where first is immediately followed by second, or -1.
qsizetype CmnIndexOfCharPair(const QString &text, QChar first, QChar second);

// A short label for a positive sequence number: "a" to "z" up to 26, then a
// letter and one to four digits ("a1", "a10", "a100", "a1000"). Numbers outside
// the labels' range (below 1 or above 260000) are written as plain digits.
QString CmnShortSequenceLabel(qint32 number);

// Two lower-case hexadecimal digits per byte, high nibble first.
QString CmnToHex(const QByteArray &bytes);

// One byte per pair of characters; an odd last character is ignored and the
// characters are not validated (the reverse of CmnToHex for its own output).
QByteArray CmnFromHex(const QString &text);

// The characters of an ECmnLineEnding code; the platform's line ending (line feed
// here) for CmnLineEndingPlatform, line feed for an unknown code.
QString CmnLineEndingText(qint32 code);

// Width in pixels for n characters in an edit field: the width of "x" times n + 2.
int CmnWidthForChars(const QFontMetrics &metrics, int n);

// The length in another ECmnLengthUnit, by way of inches; an unknown unit counts as inches.
double CmnConvertLength(double value, qint32 fromUnit, qint32 toUnit);

// The unit's short name ("in", "cm", "mm") for style 1, else its long name
// ("Inches", "Centimeters", "Millimeters"); "??" for an unknown unit.
QString CmnLengthUnitName(qint32 unit, qint32 style);

// The text with every "&" doubled, for a widget that reads "&" as the mark of its
// keyboard mnemonic (buttons, radio and check boxes, menu entries, labels with a
// buddy): a name the user typed then shows exactly as typed and marks nothing.
QString CmnMnemonicSafe(const QString &text);
// The text such a widget shows: a doubled "&" becomes one and a single "&"
// (the mark of a mnemonic) goes, for a window title made from a command's text.
QString CmnWithoutMnemonics(const QString &text);

// The text without a trailing "..." (a command's "Print..." shown on a push
// button as "Print"); the single ellipsis character is left alone.
QString CmnStripEllipsis(const QString &text);

// The rectangle moved, never resized, so that it lies inside the bounds where it
// can; one larger than the bounds ends aligned to their right or bottom edge.
QRect CmnFitRectInto(const QRect &rect, const QRect &bounds);
