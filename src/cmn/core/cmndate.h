#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

class CCmnByteCursor;
class QDataStream;
struct CCmnDateFields;

// Calendar codes of a date: the calendar it was set in. Codes 0 and 6 to 15 are
// treated as Gregorian by every operation that needs a calendar.
enum ECmnDateCalendar {
    CmnDateCalendarNone = 0,
    CmnDateCalendarGregorian = 1,
    CmnDateCalendarGregorianDual = 2,   // Old Style/New Style year, such as 1750/51
    CmnDateCalendarHebrew = 3,
    CmnDateCalendarFrenchRepublican = 4,
    CmnDateCalendarJulian = 5,
};

// The date value of the whole program: a single day, a whole month, a whole year or any
// other run of days, held as the Julian day numbers of its first and last day plus the
// calendar it was entered in. Comparing, sorting and storing work on the day numbers
// alone; turning a date into text or parts names the calendar to use.
//
// Invariants: the empty date has first = last = 0; otherwise 0 < first <= last <=
// CmnLastDayNumber. Setters clear the date first and leave it empty when they fail.
class CCmnDate
{
public:
    CCmnDate() = default;

    bool IsEmpty() const { return m_First == 0; }
    quint32 FirstDay() const { return m_First; }
    quint32 LastDay() const { return m_LastAndCalendar & kDayMask; }
    int Calendar() const { return int(m_LastAndCalendar >> kCalendarShift); }

    // A day of 0 sets the whole month, a month of 0 the whole year (the day then
    // ignored); a year of 0, a day past the end of its month or a day outside the
    // calendar's range fails.
    bool SetYmd(int calendar, int day, int month, int year);
    bool SetGregorianYmd(int day, int month, int year, bool dual = false);
    bool SetJulianYmd(int day, int month, int year);
    bool SetHebrewYmd(int day, int month, int year);
    bool SetFrenchRepublicanYmd(int day, int month, int year);
    // Today's Gregorian date from the date provider's clock.
    static CCmnDate Today();

    // The year of the first day in that calendar; 0 for the empty date or a day the
    // calendar cannot express.
    int Year(int calendar) const;
    // The whole month or year, in the date's own calendar, that holds the first day.
    // A date whose month or year cannot be held (it would start before day 1 or end
    // after the last day number) stays as it was.
    void WidenToMonth();
    void WidenToYear();
    // dayNumber minus the last day; -1 when the date is empty or dayNumber is 0.
    qint64 DaysAfterEnd(quint32 dayNumber) const;
    // Puts first and last day in order; when either is 0, the date becomes empty but
    // keeps its calendar code.
    void Normalise();

    // Empty dates sort after all others; otherwise by first day, then by last day.
    // The calendar plays no part.
    bool operator<(const CCmnDate &other) const;
    bool operator>=(const CCmnDate &other) const { return !(*this < other); }
    // Same days and same calendar; every empty date equals every other.
    friend bool operator==(const CCmnDate &a, const CCmnDate &b);

    // Stream form: u8 3 for the empty date; u8 2 and the second word for a single day;
    // u8 0, the first day and the second word otherwise. No version byte.
    void Write(QDataStream &stream) const;
    // False, with the date unchanged, for an unknown tag, a failed stream or day numbers
    // that break the invariants. A calendar code outside 1 to 5 is read as Gregorian.
    [[nodiscard]] bool Read(QDataStream &stream);
    // The same from memory; false also when the bytes end early.
    [[nodiscard]] bool Read(CCmnByteCursor &cursor);

    // Typed text under a date format such as "[mm/[dd/]]yyyy", read in the calendar
    // named: the first concrete form of the format that yields a date wins; empty when
    // none does. Two-digit years take their century from the date provider's clock.
    static CCmnDate Parse(const QString &text, const QString &format, int calendar);
    // One concrete (bracket-free, lower-case) format.
    static CCmnDate ParseWithFormat(const QString &text, const QString &format, int calendar);
    // The date written under a format, in the calendar named, with as much detail as
    // the date holds: the day only for a single day, the month only for fewer than 100
    // days; empty for the empty date or an empty format.
    QString Format(const QString &format, int calendar) const;
    // The parts that a format writes, in the calendar named. A day the calendar
    // cannot express keeps year 0 and shows no month or day.
    CCmnDateFields Fields(int calendar) const;
    // "5 Apr 2001", "Apr 2001" or "2001"; empty for the empty date.
    QString DefaultText(int calendar) const;

    // GEDCOM date text with an optional calendar escape ("@#DJULIAN@ 4 OCT 1582").
    // Text with words beyond the date is refused.
    static CCmnDate ParseGedcom(const QString &text);
    // Reads a GEDCOM date from words[start] on (upper-case words); count, when given,
    // receives the number of words used, 0 when no date was read.
    static CCmnDate ParseGedcomTokens(const QStringList &words, int start, int *count = nullptr);

private:
    static constexpr quint32 kDayMask = 0x0FFFFFFF;
    static constexpr int kCalendarShift = 28;

    bool SetRange(quint32 first, quint32 last, int calendar);
    bool TakeStored(quint8 tag, quint32 first, quint32 second);
    void Clear();

    quint32 m_First = 0;
    quint32 m_LastAndCalendar = 0;   // last day in bits 0-27, calendar code in 28-31
};

QDataStream &operator<<(QDataStream &stream, const CCmnDate &date);
// A date the reader rejects marks the stream as corrupt.
QDataStream &operator>>(QDataStream &stream, CCmnDate &date);

Q_DECLARE_METATYPE(CCmnDate)
