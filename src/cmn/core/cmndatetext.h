#pragma once

#include <QString>
#include <QStringList>

// The pieces of date text that CCmnDate reads and writes with: month names and keys
// by calendar, date formats and their optional groups, year texts and the token rules
// of GEDCOM dates. None keeps state.
//
// A date format is made of field names (runs of letters: d, dd, m, mm, mmm, mmmm, yy,
// yyyy), optional groups in "[" and "]" (which nest), and literal separators.

// Display names of a month: calendar code 3 Hebrew, 4 French republican, any other
// Gregorian (the Julian calendar shares them). Month 0 gives empty names, a month
// outside the calendar "?".
struct CCmnMonthNames
{
    QString m_Abbreviated;
    QString m_Full;
};
CCmnMonthNames CmnGetMonthNames(int calendar, int month);
// One of those names, without a string of its own.
QLatin1StringView CmnMonthName(int calendar, int month, bool full);

// Month numbers from upper-case text; 0 when nothing matches. Whole word: the text
// equals a key of the full set (full) or of the abbreviated set. Otherwise its first
// three (Gregorian) or four (French republican) characters equal an abbreviated key.
int CmnGregorianMonthFromName(const QString &text, bool wholeWord, bool full);
int CmnFrenchRepublicanMonthFromName(const QString &text, bool wholeWord, bool full);
int CmnHebrewMonthFromName(const QString &text, bool full);

// The concrete formats of a format, each optional group first with and then without
// it: "[mm/[dd/]]yyyy" gives mm/dd/yyyy, mm/yyyy, yyyy. A format with more than eight
// groups gives no formats: each group doubles the list.
QStringList CmnExpandDateFormat(const QString &format);
// The format without "[" and "]": the pattern shown to the user.
QString CmnStripDateFormatBrackets(const QString &format);

// A year as text: width 4 pads to four digits ("0044"), width 2 keeps the last two; a
// B.C. year ends in "B.C." ("0044B.C."); a dual year is written as 1750/51.
QString CmnDateYearText(int year, int width, bool dual);
void CmnAppendDateYearText(QString &out, int year, int width, bool dual);
// A number of at least `digits` digits, zeros in front; a negative one is written plainly.
void CmnAppendDateNumber(QString &out, int value, int digits);

// What a format writes: the parts of the date in the calendar asked for, which of
// them the date holds, and the calendar that names the month.
struct CCmnDateFields
{
    int m_Year = 0;
    int m_Month = 0;
    int m_Day = 0;
    int m_Calendar = 0;
    bool m_MonthKnown = false;
    bool m_DayKnown = false;
    bool m_Dual = false;
};

// GEDCOM day word: one or two digits, 1 to 31; else 0.
int CmnParseDateDayNumber(const QString &word);
// GEDCOM year word: digits, optionally followed by "B.C.", "BC" or "B.C" (a negative
// year); 0 when the word is anything else or the year is implausibly long.
int CmnParseDateYear(const QString &word);
// As CmnParseDateYear, and a dual year "1750/51" gives 1751 with dual set; the two
// digits after "/" must be those of the year that follows, else the result is 0.
int CmnParseGregorianDateYear(const QString &word, bool *dual);
