#include "cmncalendars.h"

#include <QTest>

#include <thread>
#include <vector>

namespace {

enum Calendar { Gregorian, Julian, Hebrew, French };

quint32 ToJdn(Calendar calendar, int day, int month, int year)
{
    switch (calendar) {
    case Gregorian: return CmnGregorianToJdn(day, month, year);
    case Julian: return CmnJulianToJdn(day, month, year);
    case Hebrew: return CmnHebrewToJdn(day, month, year);
    case French: return CmnFrenchRepublicanToJdn(day, month, year);
    }
    return 0;
}

CCmnYmd FromJdn(Calendar calendar, quint32 jdn)
{
    switch (calendar) {
    case Gregorian: return CmnGregorianFromJdn(jdn);
    case Julian: return CmnJulianFromJdn(jdn);
    case Hebrew: return CmnHebrewFromJdn(jdn);
    case French: return CmnFrenchRepublicanFromJdn(jdn);
    }
    return {};
}

QString Text(const CCmnYmd &ymd)
{
    return QStringLiteral("%1-%2-%3").arg(ymd.m_Year).arg(ymd.m_Month).arg(ymd.m_Day);
}

using MonthFunction = int (*)(int month, int year);

// Walks every day from `first` to `last`, advancing (year, month, day) by the calendar's
// own month lengths, and checks that both conversions agree with the walk. The first
// mismatch is reported; checking each day with QCOMPARE would take minutes.
QString WalkDays(Calendar calendar, quint32 first, quint32 last, CCmnYmd ymd,
                 MonthFunction monthLength, MonthFunction nextMonth, int lastMonth)
{
    int length = monthLength(ymd.m_Month, ymd.m_Year);
    for (quint32 jdn = first;; ++jdn) {
        const CCmnYmd back = FromJdn(calendar, jdn);
        if (!(back == ymd))
            return QStringLiteral("day %1 gives %2, expected %3").arg(jdn).arg(Text(back), Text(ymd));
        const quint32 forth = ToJdn(calendar, ymd.m_Day, ymd.m_Month, ymd.m_Year);
        if (forth != jdn)
            return QStringLiteral("%1 gives day %2, expected %3").arg(Text(ymd)).arg(forth).arg(jdn);
        if (jdn == last)
            break;
        if (++ymd.m_Day > length) {
            ymd.m_Day = 1;
            ymd.m_Month = nextMonth(ymd.m_Month, ymd.m_Year);
            if (ymd.m_Month > lastMonth) {
                ymd.m_Month = 1;
                ymd.m_Year = ymd.m_Year == -1 ? 1 : ymd.m_Year + 1;
            }
            length = monthLength(ymd.m_Month, ymd.m_Year);
        }
    }
    return QString();
}

// The walk of every day of a 28-bit range takes a while, so it runs in slices on all
// cores. Slices overlap by one day: each checks that its walk arrives at the day the
// next one starts from, so together they are one unbroken walk from `start`.
QString WalkEveryDay(Calendar calendar, quint32 first, quint32 last, CCmnYmd start,
                     MonthFunction monthLength, MonthFunction nextMonth, int lastMonth)
{
    const quint32 slices = qBound(1u, std::thread::hardware_concurrency(), 32u);
    const quint32 sliceLength = (last - first) / slices + 1;
    std::vector<QString> errors(slices);
    std::vector<std::thread> threads;
    for (quint32 i = 0; i < slices; ++i) {
        const quint32 from = first + i * sliceLength;
        if (from > last)
            break;
        const quint32 to = qMin(last, from + sliceLength);
        const CCmnYmd seed = i == 0 ? start : FromJdn(calendar, from);
        threads.emplace_back([=, &errors] {
            errors[i] = WalkDays(calendar, from, to, seed, monthLength, nextMonth, lastMonth);
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const QString &error : errors) {
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

int NextMonth(int month, int)
{
    return month + 1;
}

// In a 12-month Hebrew year, Adar is month 6 and month 7 holds the same days.
int NextHebrewMonth(int month, int year)
{
    return month == 6 && !CmnHebrewIsLeapYear(year) ? 8 : month + 1;
}

} // namespace

class TestCmnCalendars : public QObject
{
    Q_OBJECT
private slots:
    void toJdn_data();
    void toJdn();
    void hebrewFeastsMatchGregorianDates_data();
    void hebrewFeastsMatchGregorianDates();
    void gregorianRoundTripsEveryDay();
    void julianRoundTripsEveryDay();
    void hebrewRoundTripsEveryDay();
    void frenchRepublicanRoundTripsEveryDay();
    void hebrewYearsHaveValidLengths();
    void monthLengths_data();
    void monthLengths();
    void fromJdnOutsideRangeGivesZeros_data();
    void fromJdnOutsideRangeGivesZeros();
};

void TestCmnCalendars::toJdn_data()
{
    QTest::addColumn<int>("calendar");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<quint32>("jdn");

    QTest::newRow("greg 2000-01-01") << int(Gregorian) << 1 << 1 << 2000 << 2451545u;
    QTest::newRow("greg first day") << int(Gregorian) << 25 << 11 << -4714 << 1u;
    QTest::newRow("greg before first day") << int(Gregorian) << 24 << 11 << -4714 << 0u;
    QTest::newRow("greg year -4715") << int(Gregorian) << 1 << 12 << -4715 << 0u;
    QTest::newRow("greg 31 Dec 1 BC") << int(Gregorian) << 31 << 12 << -1 << 1721425u;
    QTest::newRow("greg 1 Jan 1") << int(Gregorian) << 1 << 1 << 1 << 1721426u;
    QTest::newRow("greg year 0") << int(Gregorian) << 1 << 1 << 0 << 0u;
    QTest::newRow("greg reform day") << int(Gregorian) << 15 << 10 << 1582 << 2299161u;
    QTest::newRow("greg 31 Feb refused") << int(Gregorian) << 31 << 2 << 2001 << 0u;
    QTest::newRow("greg 29 Feb 1900 refused") << int(Gregorian) << 29 << 2 << 1900 << 0u;
    QTest::newRow("greg 29 Feb 2000") << int(Gregorian) << 29 << 2 << 2000 << 2451604u;
    QTest::newRow("greg 29 Feb 1 BC (leap)") << int(Gregorian) << 29 << 2 << -1 << 1721119u;
    QTest::newRow("greg 29 Feb 4 BC refused") << int(Gregorian) << 29 << 2 << -4 << 0u;
    QTest::newRow("greg month 13") << int(Gregorian) << 1 << 13 << 2000 << 0u;
    QTest::newRow("greg day 0") << int(Gregorian) << 0 << 1 << 2000 << 0u;
    QTest::newRow("greg last day number") << int(Gregorian) << 19 << 3 << 730239 << CmnLastDayNumber;
    QTest::newRow("greg after last day number") << int(Gregorian) << 20 << 3 << 730239 << 0u;
    QTest::newRow("greg huge year") << int(Gregorian) << 1 << 1 << INT_MAX << 0u;

    QTest::newRow("jul reform eve") << int(Julian) << 4 << 10 << 1582 << 2299160u;
    QTest::newRow("jul day 0 refused") << int(Julian) << 1 << 1 << -4713 << 0u;
    QTest::newRow("jul first day") << int(Julian) << 2 << 1 << -4713 << 1u;
    QTest::newRow("jul 1 Jan 1") << int(Julian) << 1 << 1 << 1 << 1721424u;
    QTest::newRow("jul 29 Feb 1 BC (leap)") << int(Julian) << 29 << 2 << -1 << 1721117u;
    QTest::newRow("jul 29 Feb 4 BC refused") << int(Julian) << 29 << 2 << -4 << 0u;
    QTest::newRow("jul 29 Feb 1900") << int(Julian) << 29 << 2 << 1900 << 2415092u;
    QTest::newRow("jul year 0") << int(Julian) << 1 << 1 << 0 << 0u;
    QTest::newRow("jul huge year") << int(Julian) << 1 << 1 << INT_MAX << 0u;

    QTest::newRow("heb 1 Tishri 1") << int(Hebrew) << 1 << 1 << 1 << 347998u;
    QTest::newRow("heb 1 Tishri 5785") << int(Hebrew) << 1 << 1 << 5785 << 2460587u;
    QTest::newRow("heb 15 Adar Sheni 5784") << int(Hebrew) << 15 << 7 << 5784 << 2460395u;
    QTest::newRow("heb 30 Adar I 5784") << int(Hebrew) << 30 << 6 << 5784 << 2460380u;
    QTest::newRow("heb 30 Adar 5783 refused") << int(Hebrew) << 30 << 6 << 5783 << 0u;
    QTest::newRow("heb 30 Adar Sheni 5784 refused") << int(Hebrew) << 30 << 7 << 5784 << 0u;
    QTest::newRow("heb Adar 5783 as month 7") << int(Hebrew) << 1 << 7 << 5783
                                              << CmnHebrewToJdn(1, 6, 5783);
    QTest::newRow("heb year 0") << int(Hebrew) << 1 << 1 << 0 << 0u;
    QTest::newRow("heb month 14") << int(Hebrew) << 1 << 14 << 5784 << 0u;
    QTest::newRow("heb day 31") << int(Hebrew) << 31 << 1 << 5784 << 0u;
    QTest::newRow("heb huge year") << int(Hebrew) << 1 << 1 << INT_MAX << 0u;

    QTest::newRow("fr 1 Vend 1") << int(French) << 1 << 1 << 1 << 2375840u;
    QTest::newRow("fr 1 Vend 2") << int(French) << 1 << 1 << 2 << 2376205u;
    QTest::newRow("fr comp 6 of year 1 refused") << int(French) << 6 << 13 << 1 << 0u;
    QTest::newRow("fr comp 6 of year 3") << int(French) << 6 << 13 << 3 << 2376935u;
    QTest::newRow("fr last day of year 14") << int(French) << 5 << 13 << 14 << 2380952u;
    QTest::newRow("fr comp 30 of year 14 refused") << int(French) << 30 << 13 << 14 << 0u;
    QTest::newRow("fr year 15") << int(French) << 1 << 1 << 15 << 0u;
    QTest::newRow("fr year 0") << int(French) << 1 << 1 << 0 << 0u;
    QTest::newRow("fr day 31") << int(French) << 31 << 1 << 2 << 0u;
}

void TestCmnCalendars::toJdn()
{
    QFETCH(int, calendar);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(quint32, jdn);
    QCOMPARE(ToJdn(Calendar(calendar), day, month, year), jdn);
    if (jdn != 0) {
        const CCmnYmd ymd = FromJdn(Calendar(calendar), jdn);
        QCOMPARE(ymd.m_Day, day);
        QCOMPARE(ymd.m_Year, year);
        if (!(calendar == Hebrew && month == 7 && !CmnHebrewIsLeapYear(year)))
            QCOMPARE(ymd.m_Month, month);
    }
}

// Independent anchors: feasts whose Gregorian dates are in every Jewish calendar.
void TestCmnCalendars::hebrewFeastsMatchGregorianDates_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("gregorian");
    QTest::newRow("Rosh Hashanah 5780") << 1 << 1 << 5780 << QDate(2019, 9, 30);
    QTest::newRow("Rosh Hashanah 5781") << 1 << 1 << 5781 << QDate(2020, 9, 19);
    QTest::newRow("Rosh Hashanah 5782") << 1 << 1 << 5782 << QDate(2021, 9, 7);
    QTest::newRow("Rosh Hashanah 5783") << 1 << 1 << 5783 << QDate(2022, 9, 26);
    QTest::newRow("Yom Kippur 5784") << 10 << 1 << 5784 << QDate(2023, 9, 25);
    QTest::newRow("Hanukkah 5784") << 25 << 3 << 5784 << QDate(2023, 12, 8);
    QTest::newRow("Purim 5784 (Adar Sheni)") << 14 << 7 << 5784 << QDate(2024, 3, 24);
    QTest::newRow("Passover 5783") << 15 << 8 << 5783 << QDate(2023, 4, 6);
    QTest::newRow("Passover 5784") << 15 << 8 << 5784 << QDate(2024, 4, 23);
}

void TestCmnCalendars::hebrewFeastsMatchGregorianDates()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QDate, gregorian);
    QCOMPARE(qint64(CmnHebrewToJdn(day, month, year)), gregorian.toJulianDay());
    QCOMPARE(qint64(CmnGregorianToJdn(gregorian.day(), gregorian.month(), gregorian.year())),
             gregorian.toJulianDay());
}

void TestCmnCalendars::gregorianRoundTripsEveryDay()
{
    const QString error = WalkEveryDay(Gregorian, 1, CmnLastDayNumber, {-4714, 11, 25},
                                       CmnGregorianMonthLength, NextMonth, 12);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(FromJdn(Gregorian, CmnLastDayNumber), (CCmnYmd{730239, 3, 19}));
}

void TestCmnCalendars::julianRoundTripsEveryDay()
{
    const QString error = WalkEveryDay(Julian, 1, CmnLastDayNumber, {-4713, 1, 2},
                                       CmnJulianMonthLength, NextMonth, 12);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestCmnCalendars::hebrewRoundTripsEveryDay()
{
    const QString error = WalkEveryDay(Hebrew, 347998, CmnLastDayNumber, {1, 1, 1},
                                       CmnHebrewMonthLength, NextHebrewMonth, 13);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestCmnCalendars::frenchRepublicanRoundTripsEveryDay()
{
    const QString error = WalkEveryDay(French, 2375840, 2380952, {1, 1, 1},
                                       CmnFrenchRepublicanMonthLength, NextMonth, 13);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(FromJdn(French, 2380952), (CCmnYmd{14, 13, 5}));
}

// The postponement rules must never give a year of another length than these six.
void TestCmnCalendars::hebrewYearsHaveValidLengths()
{
    qint64 tishri = 0;
    CmnHebrewYearStart(1, &tishri);
    for (int year = 1; year <= 740000; ++year) {
        qint64 next = 0;
        CmnHebrewYearStart(year + 1, &next);
        const qint64 length = next - tishri;
        const bool ok = CmnHebrewIsLeapYear(year) ? (length >= 383 && length <= 385)
                                                  : (length >= 353 && length <= 355);
        if (!ok)
            QFAIL(qPrintable(QStringLiteral("year %1 has %2 days").arg(year).arg(length)));
        tishri = next;
    }
}

void TestCmnCalendars::monthLengths_data()
{
    QTest::addColumn<int>("calendar");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("length");
    QTest::newRow("greg Feb 2000") << int(Gregorian) << 2 << 2000 << 29;
    QTest::newRow("greg Feb 2100") << int(Gregorian) << 2 << 2100 << 28;
    QTest::newRow("greg Feb 1 BC") << int(Gregorian) << 2 << -1 << 29;
    QTest::newRow("greg Feb 4 BC") << int(Gregorian) << 2 << -4 << 28;
    QTest::newRow("greg Feb 101 BC") << int(Gregorian) << 2 << -101 << 28;
    QTest::newRow("greg Feb 401 BC") << int(Gregorian) << 2 << -401 << 29;
    QTest::newRow("greg month 0") << int(Gregorian) << 0 << 2000 << 0;
    QTest::newRow("jul Feb 1900") << int(Julian) << 2 << 1900 << 29;
    QTest::newRow("jul Feb 5 BC") << int(Julian) << 2 << -5 << 29;
    QTest::newRow("heb Adar 5783") << int(Hebrew) << 6 << 5783 << 29;
    QTest::newRow("heb Adar I 5784") << int(Hebrew) << 6 << 5784 << 30;
    QTest::newRow("heb Adar Sheni 5784") << int(Hebrew) << 7 << 5784 << 29;
    QTest::newRow("heb month 7 of 5783") << int(Hebrew) << 7 << 5783 << 29;
    QTest::newRow("heb Elul") << int(Hebrew) << 13 << 5784 << 29;
    QTest::newRow("fr comp year 1") << int(French) << 13 << 1 << 5;
    QTest::newRow("fr comp year 3") << int(French) << 13 << 3 << 6;
    QTest::newRow("fr comp year 11") << int(French) << 13 << 11 << 6;
    QTest::newRow("fr year 15") << int(French) << 1 << 15 << 0;
}

void TestCmnCalendars::monthLengths()
{
    QFETCH(int, calendar);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, length);
    switch (Calendar(calendar)) {
    case Gregorian: QCOMPARE(CmnGregorianMonthLength(month, year), length); break;
    case Julian: QCOMPARE(CmnJulianMonthLength(month, year), length); break;
    case Hebrew: QCOMPARE(CmnHebrewMonthLength(month, year), length); break;
    case French: QCOMPARE(CmnFrenchRepublicanMonthLength(month, year), length); break;
    }
}

void TestCmnCalendars::fromJdnOutsideRangeGivesZeros_data()
{
    QTest::addColumn<int>("calendar");
    QTest::addColumn<quint32>("jdn");
    for (const auto &[name, calendar] : {std::pair{"greg", Gregorian}, std::pair{"jul", Julian},
                                         std::pair{"heb", Hebrew}, std::pair{"fr", French}}) {
        QTest::addRow("%s day 0", name) << int(calendar) << 0u;
        QTest::addRow("%s past last day number", name) << int(calendar) << CmnLastDayNumber + 1;
        QTest::addRow("%s largest word", name) << int(calendar) << 0xFFFFFFFFu;
    }
    QTest::newRow("heb before creation") << int(Hebrew) << 347997u;
    QTest::newRow("fr before year 1") << int(French) << 2375839u;
    QTest::newRow("fr after year 14") << int(French) << 2380953u;
}

void TestCmnCalendars::fromJdnOutsideRangeGivesZeros()
{
    QFETCH(int, calendar);
    QFETCH(quint32, jdn);
    QCOMPARE(FromJdn(Calendar(calendar), jdn), CCmnYmd());
}

QTEST_GUILESS_MAIN(TestCmnCalendars)
#include "tst_cmncalendars.moc"
