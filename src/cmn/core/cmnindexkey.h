#pragma once

#include <QString>

// Index keys: the form under which a name is filed in the register's sorted name
// indexes, so that names differing only by letter case, accents or runs of blanks
// sort and match together.

// Bits of the flags of CmnNormaliseIndexText.
enum ECmnIndexTextFlag {
    CmnIndexCollapseSpace = 0x1, // a run of white space gives one blank
    CmnIndexKeepCase = 0x2,      // the key is not upper-cased
    CmnIndexFoldAccents = 0x4,   // accented Latin letters become their plain ASCII spelling
};

// Every white-space character becomes a blank; nothing is trimmed, so a leading or
// trailing run still leaves a blank (one with CmnIndexCollapseSpace, else one each).
QString CmnNormaliseIndexText(const QString &text, int flags);

// The key of the common plain name, made in one allocation (none with
// CmnIndexKeepCase): an ASCII text whose white space is lone blanks (any blanks
// without CmnIndexCollapseSpace), whose key is the text with a-z upper-cased.
// A null text for any other text, the empty one included: CmnNormaliseIndexText
// then makes the key.
QString CmnPlainAsciiIndexText(const QString &text, int flags);

// The text upper-cased exactly as QString::toUpper does it, without the toolkit's
// case tables for Latin-1 text, the common case of names.
QString CmnUpperCaseText(const QString &text);
