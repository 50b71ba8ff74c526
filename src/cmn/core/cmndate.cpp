#include "cmndate.h"

#include "cmnbytecursor.h"
#include "cmncalendars.h"
#include "cmndateformatter.h"
#include "cmndateparser.h"
#include "cmndateprovider.h"
#include "cmndatetext.h"

#include <QDataStream>
#include <QList>

#include <array>
#include <optional>
#include <utility>

namespace {

constexpr quint8 kTagRange = 0;
constexpr quint8 kTagSingleDay = 2;
constexpr quint8 kTagEmpty = 3;

CCmnYmd TakeApart(quint32 jdn, int calendar)
{
    switch (calendar) {
    case CmnDateCalendarHebrew:
        return CmnHebrewFromJdn(jdn);
    case CmnDateCalendarFrenchRepublican:
        return CmnFrenchRepublicanFromJdn(jdn);
    case CmnDateCalendarJulian:
        return CmnJulianFromJdn(jdn);
    default:
        return CmnGregorianFromJdn(jdn);
    }
}

bool IsKnownCalendar(int calendar)
{
    return calendar >= CmnDateCalendarGregorian && calendar <= CmnDateCalendarJulian;
}

// --- GEDCOM ---

enum class GedcomCalendar { Gregorian, Julian, Hebrew, French };

int GedcomMonth(const QString &word, GedcomCalendar calendar)
{
    switch (calendar) {
    case GedcomCalendar::Hebrew:
        return CmnHebrewMonthFromName(word, false);
    case GedcomCalendar::French:
        return CmnFrenchRepublicanMonthFromName(word, false, false);
    default:
        return CmnGregorianMonthFromName(word, false, false);
    }
}

bool GedcomSet(CCmnDate &date, GedcomCalendar calendar, int day, int month, const QString &yearWord)
{
    switch (calendar) {
    case GedcomCalendar::Gregorian: {
        bool dual = false;
        const int year = CmnParseGregorianDateYear(yearWord, &dual);
        return date.SetGregorianYmd(day, month, year, dual);
    }
    case GedcomCalendar::Julian:
        return date.SetJulianYmd(day, month, CmnParseDateYear(yearWord));
    case GedcomCalendar::Hebrew:
        return date.SetHebrewYmd(day, month, CmnParseDateYear(yearWord));
    case GedcomCalendar::French:
        return date.SetFrenchRepublicanYmd(day, month, CmnParseDateYear(yearWord));
    }
    return false;
}

// One date part from words[i]: "MAY 17 2001", "MAY 2001", "17 MAY 2001" or "2001".
// Returns the number of words used, 0 when no date was read.
int ParseGedcomPart(const QStringList &words, qsizetype i, GedcomCalendar calendar, CCmnDate &date)
{
    if (i >= words.size())
        return 0;
    const int month = GedcomMonth(words.at(i), calendar);
    if (month > 0) {
        if (i + 1 >= words.size())
            return 0;
        const int day = CmnParseDateDayNumber(words.at(i + 1));
        if (day > 0 && i + 2 < words.size() && GedcomSet(date, calendar, day, month, words.at(i + 2)))
            return 3;
        return GedcomSet(date, calendar, 0, month, words.at(i + 1)) ? 2 : 0;
    }
    const int day = CmnParseDateDayNumber(words.at(i));
    if (day > 0 && i + 2 < words.size()) {
        const int dayMonth = GedcomMonth(words.at(i + 1), calendar);
        if (dayMonth > 0)
            return GedcomSet(date, calendar, day, dayMonth, words.at(i + 2)) ? 3 : 0;
    }
    return GedcomSet(date, calendar, 0, 0, words.at(i)) ? 1 : 0;
}

// The date box and single readings use the same few formats again and again (the
// box falls back to four-digit years under a two-digit format), and taking a format
// apart costs several times reading or writing one date under it; so each thread
// keeps the last few formats' readers and writers. Neither holds the clock or the
// locale, which they consult on each date.
template <class TFormatUser>
const TFormatUser &ForFormat(const QString &format)
{
    constexpr int kKept = 4;
    thread_local std::array<std::optional<std::pair<QString, TFormatUser>>, kKept> kept;
    thread_local int next = 0;
    for (const auto &entry : kept) {
        if (entry && entry->first == format)
            return entry->second;
    }
    auto &entry = kept[next];
    next = (next + 1) % kKept;
    entry.emplace(format, TFormatUser(format));
    return entry->second;
}

} // namespace

void CCmnDate::Clear()
{
    m_First = 0;
    m_LastAndCalendar = 0;
}

bool CCmnDate::SetRange(quint32 first, quint32 last, int calendar)
{
    Clear();
    if (first == 0 || last == 0 || first > last || last > CmnLastDayNumber)
        return false;
    m_First = first;
    m_LastAndCalendar = last | (quint32(calendar) << kCalendarShift);
    return true;
}

bool CCmnDate::SetYmd(int calendar, int day, int month, int year)
{
    switch (calendar) {
    case CmnDateCalendarHebrew:
        return SetHebrewYmd(day, month, year);
    case CmnDateCalendarFrenchRepublican:
        return SetFrenchRepublicanYmd(day, month, year);
    case CmnDateCalendarJulian:
        return SetJulianYmd(day, month, year);
    default:
        return SetGregorianYmd(day, month, year, calendar == CmnDateCalendarGregorianDual);
    }
}

bool CCmnDate::SetGregorianYmd(int day, int month, int year, bool dual)
{
    const int calendar = dual ? CmnDateCalendarGregorianDual : CmnDateCalendarGregorian;
    if (month == 0)
        return SetRange(CmnGregorianToJdn(1, 1, year), CmnGregorianToJdn(31, 12, year), calendar);
    if (day == 0)
        return SetRange(CmnGregorianToJdn(1, month, year),
                        CmnGregorianToJdn(CmnGregorianMonthLength(month, year), month, year), calendar);
    const quint32 jdn = CmnGregorianToJdn(day, month, year);
    return SetRange(jdn, jdn, calendar);
}

bool CCmnDate::SetJulianYmd(int day, int month, int year)
{
    if (month == 0)
        return SetRange(CmnJulianToJdn(1, 1, year), CmnJulianToJdn(31, 12, year), CmnDateCalendarJulian);
    if (day == 0)
        return SetRange(CmnJulianToJdn(1, month, year),
                        CmnJulianToJdn(CmnJulianMonthLength(month, year), month, year),
                        CmnDateCalendarJulian);
    const quint32 jdn = CmnJulianToJdn(day, month, year);
    return SetRange(jdn, jdn, CmnDateCalendarJulian);
}

bool CCmnDate::SetHebrewYmd(int day, int month, int year)
{
    if (month == 0) {
        // Elul, the last month, always has 29 days.
        return SetRange(CmnHebrewToJdn(1, 1, year), CmnHebrewToJdn(29, 13, year), CmnDateCalendarHebrew);
    }
    if (day == 0) {
        const quint32 first = CmnHebrewToJdn(1, month, year);
        const quint32 last = first == 0 ? 0 : CmnHebrewToJdn(CmnHebrewMonthLength(month, year), month, year);
        return SetRange(first, last, CmnDateCalendarHebrew);
    }
    const quint32 jdn = CmnHebrewToJdn(day, month, year);
    return SetRange(jdn, jdn, CmnDateCalendarHebrew);
}

bool CCmnDate::SetFrenchRepublicanYmd(int day, int month, int year)
{
    const int calendar = CmnDateCalendarFrenchRepublican;
    if (month == 0)
        return SetRange(CmnFrenchRepublicanToJdn(1, 1, year),
                        CmnFrenchRepublicanToJdn(CmnFrenchRepublicanMonthLength(13, year), 13, year),
                        calendar);
    if (day == 0)
        return SetRange(CmnFrenchRepublicanToJdn(1, month, year),
                        CmnFrenchRepublicanToJdn(CmnFrenchRepublicanMonthLength(month, year), month, year),
                        calendar);
    const quint32 jdn = CmnFrenchRepublicanToJdn(day, month, year);
    return SetRange(jdn, jdn, calendar);
}

CCmnDate CCmnDate::Today()
{
    const QDate today = CmnGetDateProvider().Today();
    CCmnDate date;
    (void)date.SetGregorianYmd(today.day(), today.month(), today.year());
    return date;
}

int CCmnDate::Year(int calendar) const
{
    return IsEmpty() ? 0 : TakeApart(m_First, calendar).m_Year;
}

void CCmnDate::WidenToMonth()
{
    if (IsEmpty())
        return;
    const CCmnYmd ymd = TakeApart(m_First, Calendar());
    CCmnDate widened;
    if (widened.SetYmd(Calendar(), 0, ymd.m_Month, ymd.m_Year))
        *this = widened;
}

void CCmnDate::WidenToYear()
{
    if (IsEmpty())
        return;
    const CCmnYmd ymd = TakeApart(m_First, Calendar());
    CCmnDate widened;
    if (widened.SetYmd(Calendar(), 0, 0, ymd.m_Year))
        *this = widened;
}

qint64 CCmnDate::DaysAfterEnd(quint32 dayNumber) const
{
    if (IsEmpty() || dayNumber == 0)
        return -1;
    return qint64(dayNumber) - qint64(LastDay());
}

void CCmnDate::Normalise()
{
    const quint32 calendarBits = m_LastAndCalendar & ~kDayMask;
    const quint32 last = LastDay();
    if (m_First == 0 || last == 0) {
        m_First = 0;
        m_LastAndCalendar = calendarBits;
    } else if (last < m_First) {
        m_LastAndCalendar = calendarBits | (m_First & kDayMask);
        m_First = last;
    }
}

bool CCmnDate::operator<(const CCmnDate &other) const
{
    if (IsEmpty())
        return false;
    if (other.IsEmpty())
        return true;
    if (m_First != other.m_First)
        return m_First < other.m_First;
    return LastDay() < other.LastDay();
}

bool operator==(const CCmnDate &a, const CCmnDate &b)
{
    if (a.IsEmpty() || b.IsEmpty())
        return a.IsEmpty() && b.IsEmpty();
    return a.m_First == b.m_First && a.m_LastAndCalendar == b.m_LastAndCalendar;
}

void CCmnDate::Write(QDataStream &stream) const
{
    if (IsEmpty())
        stream << kTagEmpty;
    else if (m_First == LastDay())
        stream << kTagSingleDay << m_LastAndCalendar;
    else
        stream << kTagRange << m_First << m_LastAndCalendar;
}

bool CCmnDate::Read(QDataStream &stream)
{
    quint8 tag = 0;
    stream >> tag;
    if (stream.status() != QDataStream::Ok)
        return false;
    quint32 first = 0;
    quint32 second = 0;
    if (tag == kTagRange)
        stream >> first;
    if (tag == kTagRange || tag == kTagSingleDay)
        stream >> second;
    return stream.status() == QDataStream::Ok && TakeStored(tag, first, second);
}

bool CCmnDate::Read(CCmnByteCursor &cursor)
{
    const quint8 tag = cursor.U8();
    const quint32 first = tag == kTagRange ? cursor.U32() : 0;
    const quint32 second = tag == kTagRange || tag == kTagSingleDay ? cursor.U32() : 0;
    return cursor.Ok() && TakeStored(tag, first, second);
}

bool CCmnDate::TakeStored(quint8 tag, quint32 first, quint32 second)
{
    switch (tag) {
    case kTagEmpty:
        first = second = 0;
        break;
    case kTagSingleDay:
        first = second & kDayMask;
        break;
    case kTagRange:
        break;
    default:
        return false;
    }
    if (tag != kTagEmpty) {
        // A damaged file must not yield a date that every other operation assumes
        // cannot exist: day 0, or a first day after the last.
        if (first == 0 || first > (second & kDayMask))
            return false;
        if (!IsKnownCalendar(int(second >> kCalendarShift)))
            second = (second & kDayMask) | (quint32(CmnDateCalendarGregorian) << kCalendarShift);
    }
    m_First = first;
    m_LastAndCalendar = second;
    return true;
}

QDataStream &operator<<(QDataStream &stream, const CCmnDate &date)
{
    date.Write(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, CCmnDate &date)
{
    if (!date.Read(stream))
        stream.setStatus(QDataStream::ReadCorruptData);
    return stream;
}

CCmnDate CCmnDate::Parse(const QString &text, const QString &format, int calendar)
{
    return ForFormat<CCmnDateParser>(format).Parse(text, calendar);
}

CCmnDate CCmnDate::ParseWithFormat(const QString &text, const QString &format, int calendar)
{
    return CCmnDateParser::ParseWithFormat(text, format, calendar);
}

QString CCmnDate::Format(const QString &format, int calendar) const
{
    if (IsEmpty() || format.isEmpty())
        return QString();
    return ForFormat<CCmnDateFormatter>(format).Format(*this, calendar);
}

CCmnDateFields CCmnDate::Fields(int calendar) const
{
    const CCmnYmd ymd = TakeApart(LastDay(), calendar);
    CCmnDateFields fields;
    fields.m_Year = ymd.m_Year;
    fields.m_Month = ymd.m_Month;
    fields.m_Day = ymd.m_Day;
    fields.m_Calendar = calendar;
    fields.m_MonthKnown = ymd.IsValid() && LastDay() - m_First < 100;
    fields.m_DayKnown = ymd.IsValid() && m_First == LastDay();
    fields.m_Dual = calendar == CmnDateCalendarGregorianDual;
    return fields;
}

QString CCmnDate::DefaultText(int calendar) const
{
    if (IsEmpty())
        return QString();
    const CCmnYmd ymd = TakeApart(LastDay(), calendar);
    const QString yearText = CmnDateYearText(ymd.m_Year, 4, calendar == CmnDateCalendarGregorianDual);
    if (!ymd.IsValid() || LastDay() - m_First >= 100)
        return yearText;
    const QString month = CmnGetMonthNames(calendar, ymd.m_Month).m_Abbreviated;
    if (m_First == LastDay())
        return QString::number(ymd.m_Day) + QLatin1Char(' ') + month + QLatin1Char(' ') + yearText;
    return month + QLatin1Char(' ') + yearText;
}

CCmnDate CCmnDate::ParseGedcom(const QString &text)
{
    const QStringList words = text.toUpper().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int count = 0;
    const CCmnDate date = ParseGedcomTokens(words, 0, &count);
    // Words left over mean the text said more than the date read ("MAY 17 2001X" would
    // otherwise be May of the year 17): refuse it rather than keep a different date.
    return count == words.size() ? date : CCmnDate();
}

CCmnDate CCmnDate::ParseGedcomTokens(const QStringList &words, int start, int *count)
{
    CCmnDate date;
    int used = 0;
    if (start >= 0 && start < words.size()) {
        const QString &word = words.at(start);
        if (word == QLatin1String("@#DGREGORIAN@"))
            used = 1 + ParseGedcomPart(words, start + 1, GedcomCalendar::Gregorian, date);
        else if (word == QLatin1String("@#DJULIAN@"))
            used = 1 + ParseGedcomPart(words, start + 1, GedcomCalendar::Julian, date);
        else if (word == QLatin1String("@#DHEBREW@"))
            used = 1 + ParseGedcomPart(words, start + 1, GedcomCalendar::Hebrew, date);
        else if (word == QLatin1String("@#DFRENCH") && start + 1 < words.size() && words.at(start + 1) == QLatin1String("R@"))
            used = 2 + ParseGedcomPart(words, start + 2, GedcomCalendar::French, date);
        else
            used = ParseGedcomPart(words, start, GedcomCalendar::Gregorian, date);
    }
    date.Normalise();
    if (count)
        *count = date.IsEmpty() ? 0 : used;
    return date;
}
