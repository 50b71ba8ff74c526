#pragma once

#include <QtGlobal>

// Conversions between Julian day numbers and the calendars a date can be entered in:
// Gregorian, Julian, Hebrew (arithmetic, counted from creation) and French republican.
// Years are numbered historically, without a year 0: -1 is 1 B.C.
//
// Every function takes any input without overflow: a day number of 0 means "invalid",
// and a (day, month, year) outside its calendar, or beyond the last day a date can
// hold, gives 0 (or a zero CCmnYmd). A day past the end of its month is refused
// rather than counted on into the next month, so that no date is silently moved.

// The last day number a date can hold: it lives in the low 28 bits of a word.
inline constexpr quint32 CmnLastDayNumber = 268435455;

// One day taken apart in a calendar; all zero when the day has no form there.
struct CCmnYmd
{
    int m_Year = 0;
    int m_Month = 0;
    int m_Day = 0;

    bool IsValid() const { return m_Year != 0; }
    friend bool operator==(const CCmnYmd &, const CCmnYmd &) = default;
};

quint32 CmnGregorianToJdn(int day, int month, int year);
CCmnYmd CmnGregorianFromJdn(quint32 jdn);
int CmnGregorianMonthLength(int month, int year);

quint32 CmnJulianToJdn(int day, int month, int year);
CCmnYmd CmnJulianFromJdn(quint32 jdn);
int CmnJulianMonthLength(int month, int year);

// Years 1 to 14 only (22 September 1792 to the last complementary day of year 14);
// month 13 holds the complementary days: 6 in years 3, 7 and 11, else 5.
quint32 CmnFrenchRepublicanToJdn(int day, int month, int year);
CCmnYmd CmnFrenchRepublicanFromJdn(quint32 jdn);
int CmnFrenchRepublicanMonthLength(int month, int year);

// Hebrew months: 1 Tishri ... 6 Adar (Adar I in a leap year), 7 Adar Sheni (in a common
// year the same days as month 6), 8 Nisan ... 13 Elul.
quint32 CmnHebrewToJdn(int day, int month, int year);
CCmnYmd CmnHebrewFromJdn(quint32 jdn);
int CmnHebrewMonthLength(int month, int year);
bool CmnHebrewIsLeapYear(int year);

// The Hebrew year-start arithmetic, in day counts (day number - 347997) and in parts
// (1080 to the hour). Exposed for tests of the postponement rules.
struct CCmnHebrewMolad
{
    qint64 m_Cycle = 0;      // 19-year cycle
    int m_Place = 0;         // year within the cycle, 0 to 18
    qint64 m_Day = 0;        // day count of the molad of Tishri
    qint64 m_Parts = 0;      // parts of that day, 0 to 25919
};

// Day count of 1 Tishri of the year whose molad of Tishri is given.
qint64 CmnHebrewTishri1(int place, qint64 moladDay, qint64 moladParts);
// The molad of Tishri of a year (year >= 1), and that year's 1 Tishri.
CCmnHebrewMolad CmnHebrewYearStart(qint64 year, qint64 *tishri1 = nullptr);
// The first molad of Tishri less than 74 days before the day count (or the first
// of its cycle, when that lies later).
CCmnHebrewMolad CmnHebrewFindTishriMolad(qint64 dayCount);
