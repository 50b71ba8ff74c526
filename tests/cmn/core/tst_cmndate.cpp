#include "cmnappdescriptor.h"
#include "cmncalendars.h"
#include "cmndatastream.h"
#include "cmndate.h"
#include "cmndatetostring.h"
#include "cmndateprovider.h"
#include "cmnframework.h"

#include <QBuffer>
#include <QDataStream>
#include <QTest>

#include <algorithm>
#include <cstring>

namespace {

CCmnDate Ymd(int calendar, int day, int month, int year)
{
    CCmnDate date;
    if (!date.SetYmd(calendar, day, month, year))
        qWarning("test date %d-%d-%d in calendar %d cannot be set", year, month, day, calendar);
    return date;
}

QByteArray Written(const CCmnDate &date)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(stream);
    stream << date;
    return bytes;
}

} // namespace

class TestCmnDate : public QObject
{
    Q_OBJECT
private slots:
    void setters_data();
    void setters();
    void dualYearHoldsTheGregorianDays();
    void failedSetterLeavesEmptyDate();
    void todayComesFromTheProvider();
    void yearInCalendar_data();
    void yearInCalendar();
    void widen_data();
    void widen();
    void daysAfterEnd_data();
    void daysAfterEnd();
    void normalise_data();
    void normalise();
    void sortsByFirstThenLastDayWithEmptyLast();
    void orderIgnoresCalendarButEqualityDoesNot();
    void writesTagAndWords_data();
    void writesTagAndWords();
    void readRoundTrips();
    void readRejectsDamagedInput_data();
    void readRejectsDamagedInput();
    void readTreatsUnknownCalendarAsGregorian();
    void variantTravelsUnderItsTypeName();
};

void TestCmnDate::setters_data()
{
    QTest::addColumn<int>("calendar");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("last");

    QTest::newRow("greg day before day 1") << 1 << 24 << 11 << -4714 << 0u << 0u;
    QTest::newRow("greg day 1") << 1 << 25 << 11 << -4714 << 1u << 1u;
    QTest::newRow("greg month before day 1") << 1 << 0 << 11 << -4714 << 0u << 0u;
    QTest::newRow("greg 31 Dec 1 BC") << 1 << 31 << 12 << -1 << 1721425u << 1721425u;
    QTest::newRow("greg 1 Jan 1") << 1 << 1 << 1 << 1 << 1721426u << 1721426u;
    QTest::newRow("greg year 0") << 1 << 0 << 0 << 0 << 0u << 0u;
    QTest::newRow("greg 31 Feb 2001 refused") << 1 << 31 << 2 << 2001 << 0u << 0u;
    QTest::newRow("greg Feb 2000") << 1 << 0 << 2 << 2000 << 2451576u << 2451604u;
    QTest::newRow("greg year 2001") << 1 << 0 << 0 << 2001 << 2451911u << 2452275u;
    QTest::newRow("greg year 2001 ignores day") << 1 << 17 << 0 << 2001 << 2451911u << 2452275u;
    QTest::newRow("greg last day number") << 1 << 19 << 3 << 730239 << CmnLastDayNumber << CmnLastDayNumber;
    QTest::newRow("greg year past 28 bits") << 1 << 0 << 0 << 730239 << 0u << 0u;
    QTest::newRow("dual year 1751") << 2 << 0 << 0 << 1751 << 2360600u << 2360964u;
    QTest::newRow("jul day 0 refused") << 5 << 1 << 1 << -4713 << 0u << 0u;
    QTest::newRow("jul year -4713 refused") << 5 << 0 << 0 << -4713 << 0u << 0u;
    QTest::newRow("jul day 1") << 5 << 2 << 1 << -4713 << 1u << 1u;
    QTest::newRow("jul 4 Oct 1582") << 5 << 4 << 10 << 1582 << 2299160u << 2299160u;
    QTest::newRow("jul year 0") << 5 << 1 << 1 << 0 << 0u << 0u;
    QTest::newRow("heb Adar 5783 (12 months)") << 3 << 0 << 6 << 5783 << 2459998u << 2460026u;
    QTest::newRow("heb month 7 of 5783") << 3 << 0 << 7 << 5783 << 2459998u << 2460026u;
    QTest::newRow("heb Adar I 5784 (13 months)") << 3 << 0 << 6 << 5784 << 2460351u << 2460380u;
    QTest::newRow("heb Adar Sheni 5784") << 3 << 0 << 7 << 5784 << 2460381u << 2460409u;
    QTest::newRow("heb year 5784") << 3 << 0 << 0 << 5784 << 2460204u << 2460586u;
    QTest::newRow("heb year 0") << 3 << 0 << 0 << 0 << 0u << 0u;
    QTest::newRow("fr 1 Vend 1") << 4 << 1 << 1 << 1 << 2375840u << 2375840u;
    QTest::newRow("fr comp 6 of year 1 refused") << 4 << 6 << 13 << 1 << 0u << 0u;
    QTest::newRow("fr year 3 (6 comp days)") << 4 << 0 << 0 << 3 << 2376570u << 2376935u;
    QTest::newRow("fr year 14") << 4 << 0 << 0 << 14 << 2380588u << 2380952u;
    QTest::newRow("fr year 15") << 4 << 0 << 0 << 15 << 0u << 0u;
    QTest::newRow("fr year 0") << 4 << 1 << 1 << 0 << 0u << 0u;
    QTest::newRow("unknown code is Gregorian") << 9 << 1 << 1 << 2000 << 2451545u << 2451545u;
}

void TestCmnDate::setters()
{
    QFETCH(int, calendar);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(quint32, first);
    QFETCH(quint32, last);
    CCmnDate date;
    QCOMPARE(date.SetYmd(calendar, day, month, year), first != 0);
    QCOMPARE(date.FirstDay(), first);
    QCOMPARE(date.LastDay(), last);
    const int expectedCode = first == 0 ? 0 : (calendar >= 2 && calendar <= 5 ? calendar : 1);
    QCOMPARE(date.Calendar(), expectedCode);
}

void TestCmnDate::dualYearHoldsTheGregorianDays()
{
    CCmnDate plain;
    CCmnDate dual;
    QVERIFY(plain.SetGregorianYmd(17, 3, 1750, false));
    QVERIFY(dual.SetGregorianYmd(17, 3, 1750, true));
    QCOMPARE(dual.FirstDay(), plain.FirstDay());
    QCOMPARE(dual.LastDay(), plain.LastDay());
    QCOMPARE(plain.Calendar(), int(CmnDateCalendarGregorian));
    QCOMPARE(dual.Calendar(), int(CmnDateCalendarGregorianDual));
}

void TestCmnDate::failedSetterLeavesEmptyDate()
{
    CCmnDate date = Ymd(1, 1, 1, 2000);
    QVERIFY(!date.SetFrenchRepublicanYmd(1, 1, 15));
    QVERIFY(date.IsEmpty());
    QCOMPARE(date.LastDay(), 0u);
    QCOMPARE(date.Calendar(), 0);
}

void TestCmnDate::todayComesFromTheProvider()
{
    const CCmnDateProviderScope scope(CCmnDateProvider(QDate(2024, 2, 29), QLocale(QLocale::English)));
    QCOMPARE(CCmnDate::Today(), Ymd(1, 29, 2, 2024));
}

void TestCmnDate::yearInCalendar_data()
{
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<int>("calendar");
    QTest::addColumn<int>("year");
    const CCmnDate newYear2000 = Ymd(1, 1, 1, 2000);
    QTest::newRow("gregorian") << newYear2000 << 1 << 2000;
    QTest::newRow("julian") << newYear2000 << 5 << 1999;
    QTest::newRow("hebrew") << newYear2000 << 3 << 5760;
    QTest::newRow("french outside its years") << newYear2000 << 4 << 0;
    QTest::newRow("first day of a range") << Ymd(1, 0, 0, 1999) << 1 << 1999;
    QTest::newRow("B.C.") << Ymd(5, 15, 3, -44) << 5 << -44;
    QTest::newRow("empty") << CCmnDate() << 1 << 0;
}

void TestCmnDate::yearInCalendar()
{
    QFETCH(CCmnDate, date);
    QFETCH(int, calendar);
    QFETCH(int, year);
    QCOMPARE(date.Year(calendar), year);
}

void TestCmnDate::widen_data()
{
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<CCmnDate>("month");
    QTest::addColumn<CCmnDate>("year");
    QTest::newRow("gregorian") << Ymd(1, 17, 5, 2001) << Ymd(1, 0, 5, 2001) << Ymd(1, 0, 0, 2001);
    QTest::newRow("dual keeps its code") << Ymd(2, 17, 1, 1751) << Ymd(2, 0, 1, 1751) << Ymd(2, 0, 0, 1751);
    QTest::newRow("julian") << Ymd(5, 4, 10, 1582) << Ymd(5, 0, 10, 1582) << Ymd(5, 0, 0, 1582);
    QTest::newRow("hebrew Adar Sheni") << Ymd(3, 15, 7, 5784) << Ymd(3, 0, 7, 5784) << Ymd(3, 0, 0, 5784);
    QTest::newRow("french") << Ymd(4, 3, 13, 3) << Ymd(4, 0, 13, 3) << Ymd(4, 0, 0, 3);
    // The month and the year of day 1 start before day 1: the date must survive.
    QTest::newRow("day 1 stays") << Ymd(1, 25, 11, -4714) << Ymd(1, 25, 11, -4714) << Ymd(1, 25, 11, -4714);
    QTest::newRow("empty stays empty") << CCmnDate() << CCmnDate() << CCmnDate();
}

void TestCmnDate::widen()
{
    QFETCH(CCmnDate, date);
    QFETCH(CCmnDate, month);
    QFETCH(CCmnDate, year);
    CCmnDate widened = date;
    widened.WidenToMonth();
    QCOMPARE(widened, month);
    widened = date;
    widened.WidenToYear();
    QCOMPARE(widened, year);
}

void TestCmnDate::daysAfterEnd_data()
{
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<quint32>("day");
    QTest::addColumn<qint64>("after");
    const CCmnDate may2001 = Ymd(1, 0, 5, 2001);
    QTest::newRow("after") << may2001 << may2001.LastDay() + 10 << qint64(10);
    QTest::newRow("inside") << may2001 << may2001.FirstDay() << qint64(-30);
    QTest::newRow("day 0") << may2001 << 0u << qint64(-1);
    QTest::newRow("empty") << CCmnDate() << 2451545u << qint64(-1);
    QTest::newRow("far future") << Ymd(1, 25, 11, -4714) << 0xFFFFFFFFu << qint64(0xFFFFFFFEu);
}

void TestCmnDate::daysAfterEnd()
{
    QFETCH(CCmnDate, date);
    QFETCH(quint32, day);
    QFETCH(qint64, after);
    QCOMPARE(date.DaysAfterEnd(day), after);
}

void TestCmnDate::normalise_data()
{
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("last");
    QTest::addColumn<quint32>("normalFirst");
    QTest::addColumn<quint32>("normalLast");
    QTest::newRow("in order") << 10u << 20u << 10u << 20u;
    QTest::newRow("swapped") << 20u << 10u << 10u << 20u;
    QTest::newRow("first 0") << 0u << 20u << 0u << 0u;
    QTest::newRow("last 0") << 20u << 0u << 0u << 0u;
}

void TestCmnDate::normalise()
{
    QFETCH(quint32, first);
    QFETCH(quint32, last);
    QFETCH(quint32, normalFirst);
    QFETCH(quint32, normalLast);
    // Dates out of order never come from a setter or a stream; build one in memory.
    CCmnDate date;
    static_assert(sizeof(CCmnDate) == 8);
    const quint32 words[2] = {first, last | quint32(CmnDateCalendarJulian) << 28};
    std::memcpy(static_cast<void *>(&date), words, sizeof words);
    date.Normalise();
    QCOMPARE(date.FirstDay(), normalFirst);
    QCOMPARE(date.LastDay(), normalLast);
    QCOMPARE(date.Calendar(), int(CmnDateCalendarJulian));
}

void TestCmnDate::sortsByFirstThenLastDayWithEmptyLast()
{
    QList<CCmnDate> dates = {CCmnDate(), Ymd(1, 1, 5, 2001), Ymd(1, 0, 0, 2001), Ymd(1, 1, 1, 2001)};
    std::sort(dates.begin(), dates.end());
    const QList<CCmnDate> sorted = {Ymd(1, 1, 1, 2001), Ymd(1, 0, 0, 2001), Ymd(1, 1, 5, 2001), CCmnDate()};
    QCOMPARE(dates, sorted);

    const CCmnDate empty;
    const CCmnDate day = Ymd(1, 1, 1, 2001);
    QVERIFY(day < empty);
    QVERIFY(!(empty < day));
    QVERIFY(!(empty < empty));
    QVERIFY(empty >= day);
    QVERIFY(empty >= empty);
    QVERIFY(!(day >= empty));
}

void TestCmnDate::orderIgnoresCalendarButEqualityDoesNot()
{
    const CCmnDate plain = Ymd(1, 0, 0, 1751);
    const CCmnDate dual = Ymd(2, 0, 0, 1751);
    QVERIFY(!(plain < dual));
    QVERIFY(!(dual < plain));
    QVERIFY(plain != dual);   // the dual form is shown differently: a real change
    QCOMPARE(plain, Ymd(1, 0, 0, 1751));
}

void TestCmnDate::writesTagAndWords_data()
{
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("empty: 1 byte") << CCmnDate() << QByteArray("03");
    QTest::newRow("single day: 5 bytes") << Ymd(1, 1, 1, 2000) << QByteArray("0210256859");
    QTest::newRow("range: 9 bytes") << Ymd(1, 0, 0, 2001) << QByteArray("00002569c710256b33");
    QTest::newRow("dual code in top bits") << Ymd(2, 31, 12, 2001) << QByteArray("0220256b33");
}

void TestCmnDate::writesTagAndWords()
{
    QFETCH(CCmnDate, date);
    QFETCH(QByteArray, hex);
    QCOMPARE(Written(date).toHex(), hex);
}

void TestCmnDate::readRoundTrips()
{
    const QList<CCmnDate> dates = {CCmnDate(), Ymd(3, 15, 7, 5784), Ymd(4, 0, 0, 3), Ymd(5, 1, 1, -44),
                                   Ymd(1, 19, 3, 730239), Ymd(2, 0, 0, 1751)};
    for (const CCmnDate &date : dates) {
        QDataStream in(Written(date));
        CmnPrepareDataStream(in);
        CCmnDate read = Ymd(1, 1, 1, 1999);
        in >> read;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(read, date);
        QCOMPARE(read.Calendar(), date.Calendar());
        QVERIFY(in.atEnd());
    }
}

void TestCmnDate::readRejectsDamagedInput_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QDataStream::Status>("status");
    const auto corrupt = QDataStream::ReadCorruptData;
    const auto pastEnd = QDataStream::ReadPastEnd;
    QTest::newRow("tag 1") << QByteArray("0110256859") << corrupt;
    QTest::newRow("tag 4") << QByteArray("04") << corrupt;
    QTest::newRow("tag 255") << QByteArray("ff") << corrupt;
    QTest::newRow("single day 0") << QByteArray("0210000000") << corrupt;
    QTest::newRow("range from day 0") << QByteArray("000000000010256b33") << corrupt;
    QTest::newRow("range first after last") << QByteArray("0000256b33102569c7") << corrupt;
    QTest::newRow("first beyond 28 bits") << QByteArray("00f0000000100000ff") << corrupt;
    QTest::newRow("nothing") << QByteArray() << pastEnd;
    const QByteArray range = "00002569c710256b33";
    for (int cut = 2; cut < range.size(); cut += 2)
        QTest::addRow("range cut at %d bytes", cut / 2) << range.left(cut) << pastEnd;
    QTest::newRow("single day cut at 3 bytes") << QByteArray("021025") << pastEnd;
}

void TestCmnDate::readRejectsDamagedInput()
{
    QFETCH(QByteArray, hex);
    QFETCH(QDataStream::Status, status);
    QDataStream in(QByteArray::fromHex(hex));
    CmnPrepareDataStream(in);
    const CCmnDate before = Ymd(1, 0, 5, 2001);
    CCmnDate date = before;
    in >> date;
    QCOMPARE(in.status(), status);
    QCOMPARE(date, before);
    QCOMPARE(date.Calendar(), before.Calendar());
}

void TestCmnDate::readTreatsUnknownCalendarAsGregorian()
{
    QDataStream in(QByteArray::fromHex("02f0256859"));
    CmnPrepareDataStream(in);
    CCmnDate date;
    QVERIFY(date.Read(in));
    QCOMPARE(date.FirstDay(), 2451545u);
    QCOMPARE(date.LastDay(), 2451545u);
    QCOMPARE(date.Calendar(), int(CmnDateCalendarGregorian));
}

// Settings blobs and record fields carry dates inside variants: after the framework has
// started, a variant is written as user type 127 with the name "CCmnDate" and reads back.
void TestCmnDate::variantTravelsUnderItsTypeName()
{
    CmnInitFramework(CCmnAppDescriptor());
    QVERIFY(QMetaType::fromName("CCmnDate").isValid());

    const CCmnDate date = Ymd(3, 15, 7, 5784);
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        CmnPrepareDataStream(out);
        out << QVariant::fromValue(date);
        QCOMPARE(out.status(), QDataStream::Ok);
    }
    const QByteArray name = QByteArray("CCmnDate").append('\0');
    QCOMPARE(bytes.toHex(), QByteArray("0000007f00" "00000009") + name.toHex() + Written(date).toHex());

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    QVariant variant;
    in >> variant;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(variant.metaType(), QMetaType::fromType<CCmnDate>());
    QCOMPARE(variant.value<CCmnDate>(), date);
    QVERIFY(variant == QVariant::fromValue(date));

    QByteArray damaged = bytes;
    damaged[damaged.size() - 5] = char(7);   // the date's tag byte
    QDataStream bad(damaged);
    CmnPrepareDataStream(bad);
    bad >> variant;
    QCOMPARE(bad.status(), QDataStream::ReadCorruptData);
}

QTEST_GUILESS_MAIN(TestCmnDate)
#include "tst_cmndate.moc"
