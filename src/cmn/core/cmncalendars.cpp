#include "cmncalendars.h"

// All arithmetic is done in 64 bits: years come from typed or stored text and may be
// anything an int holds, and day numbers from streams anything a quint32 holds.

namespace {

bool IsDayNumber(qint64 jdn)
{
    return jdn >= 1 && jdn <= qint64(CmnLastDayNumber);
}

// Historical years have no year 0, so 1 B.C. (-1) is the year before 1. The leap-year
// rules and the day-number arithmetic work on the astronomical year, where 1 B.C. is 0:
// 1 B.C., 5 B.C. ... are leap years.
qint64 AstronomicalYear(int year)
{
    return year < 0 ? qint64(year) + 1 : qint64(year);
}

int MonthLength(int month, bool leap)
{
    switch (month) {
    case 2:
        return leap ? 29 : 28;
    case 4: case 6: case 9: case 11:
        return 30;
    default:
        return month >= 1 && month <= 12 ? 31 : 0;
    }
}

constexpr qint64 kFrenchFirstDay = 2375840;   // 1 Vendemiaire year 1, 22 September 1792
constexpr qint64 kFrenchLastDay = 2380952;    // last complementary day of year 14

constexpr qint64 kPartsPerDay = 25920;
constexpr qint64 kPartsPerMonth = 765433;
constexpr qint64 kPartsPerCycle = 179876755;
constexpr qint64 kFirstMolad = 31524;
constexpr qint64 kHebrewEpoch = 347997;       // day number of day count 0

constexpr int kMonthsInYear[19] = {12, 12, 13, 12, 12, 13, 12, 13, 12, 12,
                                   13, 12, 12, 13, 12, 12, 13, 12, 13};
constexpr int kMonthsBefore[19] = {0, 12, 24, 37, 49, 61, 74, 86, 99, 111,
                                   123, 136, 148, 160, 173, 185, 197, 210, 222};

bool IsLeapPlace(int place)
{
    return kMonthsInYear[place] == 13;
}

qint64 Tishri1Of(const CCmnHebrewMolad &molad)
{
    return CmnHebrewTishri1(molad.m_Place, molad.m_Day, molad.m_Parts);
}

// Day count of day 1 of a Hebrew month, given the year's and the next year's 1 Tishri.
qint64 HebrewMonthStart(int month, qint64 tishri, qint64 nextTishri, bool leap)
{
    const qint64 length = nextTishri - tishri;
    const qint64 extra = leap ? 59 : 29;
    switch (month) {
    case 1: return tishri;
    case 2: return tishri + 30;
    case 3: return tishri + (length == 355 || length == 385 ? 60 : 59);
    case 4: return nextTishri + 1 - extra - 237;
    case 5: return nextTishri + 1 - extra - 208;
    case 6: return nextTishri + 1 - extra - 178;
    case 7: return nextTishri + 1 - 207;
    case 8: return nextTishri + 1 - 178;
    case 9: return nextTishri + 1 - 148;
    case 10: return nextTishri + 1 - 119;
    case 11: return nextTishri + 1 - 89;
    case 12: return nextTishri + 1 - 60;
    default: return nextTishri + 1 - 30;
    }
}

// The day after the end of a Hebrew month: Adar I ends before Adar Sheni only in a
// 13-month year; in a 12-month year months 6 and 7 are the same days, ending before Nisan.
qint64 HebrewMonthEnd(int month, qint64 tishri, qint64 nextTishri, bool leap)
{
    if (month == 13)
        return nextTishri;
    if (month == 6 && !leap)
        return HebrewMonthStart(8, tishri, nextTishri, leap);
    return HebrewMonthStart(month + 1, tishri, nextTishri, leap);
}

// Months 2 and 3, once the year's 1 Tishri and the next are known: Cheshvan has 30
// days in a complete year (355 or 385 days), else 29.
CCmnYmd HebrewCheshvanOrKislev(qint64 dayCount, qint64 tishri, qint64 nextTishri, int year)
{
    const qint64 length = nextTishri - tishri;
    const qint64 e = dayCount - tishri - 29;
    const qint64 cheshvan = length == 355 || length == 385 ? 30 : 29;
    if (e <= cheshvan)
        return {year, 2, int(e)};
    return {year, 3, int(e - cheshvan)};
}

} // namespace

quint32 CmnGregorianToJdn(int day, int month, int year)
{
    if (year == 0 || year < -4714 || month < 1 || month > 12 || day < 1
        || day > CmnGregorianMonthLength(month, year))
        return 0;
    if (year == -4714 && (month <= 10 || (month == 11 && day < 25)))
        return 0;
    qint64 c = qint64(year) + (year >= 0 ? 4800 : 4801);
    if (month < 3)
        --c;
    const qint64 jdn = ((c / 100) * 146097) / 4 + ((c % 100) * 1461) / 4
                       + (153 * month - 457 + (month < 3 ? 1836 : 0)) / 5 + day - 32045;
    return IsDayNumber(jdn) ? quint32(jdn) : 0;
}

CCmnYmd CmnGregorianFromJdn(quint32 jdn)
{
    if (!IsDayNumber(jdn))
        return {};
    const qint64 b = 4 * qint64(jdn) + 128179;
    const qint64 c = ((b % 146097) / 4) * 4 + 3;
    const qint64 e = (c % 1461) / 4;
    const qint64 t = 5 * e + 2;
    const qint64 k = t / 153;
    const qint64 y = (k > 9 ? 1 : 0) + (b / 146097) * 100 + c / 1461;
    CCmnYmd ymd;
    ymd.m_Day = int((t % 153) / 5 + 1);
    ymd.m_Month = int(k > 9 ? k - 9 : k + 3);
    ymd.m_Year = int(y - 4800 > 0 ? y - 4800 : y - 4801);
    return ymd;
}

int CmnGregorianMonthLength(int month, int year)
{
    const qint64 y = AstronomicalYear(year);
    return MonthLength(month, y % 4 == 0 && (y % 100 != 0 || y % 400 == 0));
}

quint32 CmnJulianToJdn(int day, int month, int year)
{
    if (year == 0 || year < -4713 || month < 1 || month > 12 || day < 1
        || day > CmnJulianMonthLength(month, year))
        return 0;
    const qint64 c = qint64(year) + (year >= 0 ? 4800 : 4801);
    const qint64 jdn = ((c - (month < 3 ? 1 : 0)) * 1461) / 4
                       + (153 * month - 457 + (month < 3 ? 1836 : 0)) / 5 + day - 32083;
    return IsDayNumber(jdn) ? quint32(jdn) : 0;   // 1 January 4713 B.C. is day 0
}

CCmnYmd CmnJulianFromJdn(quint32 jdn)
{
    if (!IsDayNumber(jdn))
        return {};
    const qint64 b = 4 * qint64(jdn) + 128331;
    const qint64 c = b / 1461;
    const qint64 e = (b % 1461) / 4;
    const qint64 t = 5 * e + 2;
    const qint64 k = t / 153;
    const qint64 a = c - 4800 + (k >= 10 ? 1 : 0);
    CCmnYmd ymd;
    ymd.m_Day = int((t % 153) / 5 + 1);
    ymd.m_Month = int(k < 10 ? k + 3 : k - 9);
    ymd.m_Year = int(a > 0 ? a : a - 1);
    return ymd;
}

int CmnJulianMonthLength(int month, int year)
{
    return MonthLength(month, AstronomicalYear(year) % 4 == 0);
}

quint32 CmnFrenchRepublicanToJdn(int day, int month, int year)
{
    if (day < 1 || day > CmnFrenchRepublicanMonthLength(month, year))
        return 0;
    return quint32(day + (year * 1461) / 4 + 30 * month + 2375444);
}

CCmnYmd CmnFrenchRepublicanFromJdn(quint32 jdn)
{
    if (jdn < kFrenchFirstDay || jdn > kFrenchLastDay)
        return {};
    const qint64 b = 4 * qint64(jdn) - 9501897;
    const qint64 r = b % 1461;
    CCmnYmd ymd;
    ymd.m_Year = int(b / 1461);
    ymd.m_Month = int(r / 120 + 1);
    ymd.m_Day = int(r / 4 - (r / 120) * 30 + 1);
    return ymd;
}

int CmnFrenchRepublicanMonthLength(int month, int year)
{
    if (year < 1 || year > 14 || month < 1 || month > 13)
        return 0;
    if (month <= 12)
        return 30;
    return (year + 1) % 4 == 0 ? 6 : 5;
}

qint64 CmnHebrewTishri1(int place, qint64 moladDay, qint64 moladParts)
{
    qint64 day = moladDay;
    qint64 weekday = day % 7;
    const bool leap = IsLeapPlace(place);
    const bool afterLeap = IsLeapPlace((place + 18) % 19);
    if (moladParts >= 19440 || (!leap && weekday == 2 && moladParts >= 9924)
        || (afterLeap && weekday == 1 && moladParts >= 16789)) {
        ++day;
        weekday = (weekday + 1) % 7;
    }
    if (weekday == 0 || weekday == 3 || weekday == 5)
        ++day;
    return day;
}

CCmnHebrewMolad CmnHebrewYearStart(qint64 year, qint64 *tishri1)
{
    CCmnHebrewMolad molad;
    molad.m_Cycle = (year - 1) / 19;
    molad.m_Place = int((year - 1) % 19);
    const qint64 parts = kFirstMolad + molad.m_Cycle * kPartsPerCycle
                         + kMonthsBefore[molad.m_Place] * kPartsPerMonth;
    molad.m_Day = parts / kPartsPerDay;
    molad.m_Parts = parts % kPartsPerDay;
    if (tishri1)
        *tishri1 = Tishri1Of(molad);
    return molad;
}

CCmnHebrewMolad CmnHebrewFindTishriMolad(qint64 dayCount)
{
    CCmnHebrewMolad molad;
    molad.m_Cycle = (dayCount + 310) / 6940;
    if (molad.m_Cycle < 0)
        molad.m_Cycle = 0;
    qint64 parts = kFirstMolad + molad.m_Cycle * kPartsPerCycle;
    while (parts / kPartsPerDay < dayCount - 6630) {
        ++molad.m_Cycle;
        parts += kPartsPerCycle;
    }
    while (molad.m_Place < 18 && parts / kPartsPerDay <= dayCount - 74) {
        parts += kMonthsInYear[molad.m_Place] * kPartsPerMonth;
        ++molad.m_Place;
    }
    molad.m_Day = parts / kPartsPerDay;
    molad.m_Parts = parts % kPartsPerDay;
    return molad;
}

bool CmnHebrewIsLeapYear(int year)
{
    return year >= 1 && IsLeapPlace((year - 1) % 19);
}

int CmnHebrewMonthLength(int month, int year)
{
    if (year < 1 || month < 1 || month > 13)
        return 0;
    qint64 tishri = 0;
    qint64 nextTishri = 0;
    CmnHebrewYearStart(year, &tishri);
    CmnHebrewYearStart(qint64(year) + 1, &nextTishri);
    const bool leap = CmnHebrewIsLeapYear(year);
    return int(HebrewMonthEnd(month, tishri, nextTishri, leap)
               - HebrewMonthStart(month, tishri, nextTishri, leap));
}

quint32 CmnHebrewToJdn(int day, int month, int year)
{
    if (year < 1 || month < 1 || month > 13 || day < 1 || day > 30)
        return 0;
    qint64 tishri = 0;
    qint64 nextTishri = 0;
    CmnHebrewYearStart(year, &tishri);
    CmnHebrewYearStart(qint64(year) + 1, &nextTishri);
    const bool leap = CmnHebrewIsLeapYear(year);
    const qint64 start = HebrewMonthStart(month, tishri, nextTishri, leap);
    if (day > HebrewMonthEnd(month, tishri, nextTishri, leap) - start)
        return 0;
    const qint64 jdn = start + day - 1 + kHebrewEpoch;
    return IsDayNumber(jdn) ? quint32(jdn) : 0;
}

CCmnYmd CmnHebrewFromJdn(quint32 jdn)
{
    if (jdn <= kHebrewEpoch || !IsDayNumber(jdn))
        return {};
    const qint64 k = qint64(jdn) - kHebrewEpoch;
    const CCmnHebrewMolad molad = CmnHebrewFindTishriMolad(k);
    qint64 tishri = Tishri1Of(molad);

    if (k >= tishri) {
        const int year = int(molad.m_Cycle * 19 + molad.m_Place + 1);
        if (k < tishri + 30)
            return {year, 1, int(k - tishri + 1)};
        if (k < tishri + 59)
            return {year, 2, int(k - tishri - 29)};
        const qint64 parts = molad.m_Day * kPartsPerDay + molad.m_Parts
                             + kMonthsInYear[molad.m_Place] * kPartsPerMonth;
        const qint64 nextTishri = CmnHebrewTishri1((molad.m_Place + 1) % 19, parts / kPartsPerDay,
                                                   parts % kPartsPerDay);
        return HebrewCheshvanOrKislev(k, tishri, nextTishri, year);
    }

    // The day lies in the year before the one whose Tishri was found.
    const int year = int(molad.m_Cycle * 19 + molad.m_Place);
    if (k >= tishri - 177) {
        static constexpr struct { qint64 after; int month; } kTail[] = {
            {30, 13}, {60, 12}, {89, 11}, {119, 10}, {148, 9}};
        for (const auto &row : kTail) {
            if (k > tishri - row.after)
                return {year, row.month, int(k - tishri + row.after)};
        }
        return {year, 8, int(k - tishri + 178)};
    }
    const bool leap = IsLeapPlace((molad.m_Place + 18) % 19);
    qint64 day = k - tishri + 207;
    int month = leap ? 7 : 6;
    if (leap && day <= 0) {
        month = 6;
        day += 30;
    }
    if (day <= 0) {
        month = 5;
        day += 30;
    }
    if (day <= 0) {
        month = 4;
        day += 29;
    }
    if (day > 0)
        return {year, month, int(day)};
    const qint64 nextTishri = tishri;
    tishri = Tishri1Of(CmnHebrewFindTishriMolad(molad.m_Day - 365));
    return HebrewCheshvanOrKislev(k, tishri, nextTishri, year);
}
