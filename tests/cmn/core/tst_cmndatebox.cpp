#include "cmndate.h"
#include "cmndatebox.h"
#include "cmndateformats.h"
#include "cmndateprovider.h"
#include "cmnexchangeflags.h"
#include "cmnsystemsettings.h"

#include <QTest>

// The date box's reading, with today pinned, and the lists of offered formats.
class TestCmnDateBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsDate_data();
    void readsDate();
    void refusalShowsTodayAndPreferences();
    void givenFormatHasNoNote();
    void inputFormats();
    void outputFormats();
    void twoDigitYears_data();
    void twoDigitYears();
    void everyYearRoundTripsInEveryFormat();
};

namespace {

const QString kMonthFirst = QStringLiteral("[mm/[dd/]]yyyy");

CCmnDate Day(int day, int month, int year)
{
    CCmnDate date;
    date.SetGregorianYmd(day, month, year);
    return date;
}

} // namespace

void TestCmnDateBox::initTestCase()
{
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_DateInputFormat = kMonthFirst;
}

void TestCmnDateBox::cleanupTestCase()
{
    CmnDestroySystemSettings();
}

void TestCmnDateBox::readsDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<CCmnDate>("expected");
    QTest::addColumn<bool>("accepted");

    const CCmnDate old = Day(1, 1, 1990);
    QTest::newRow("full date") << " 03/15/2024 " << 0 << Day(15, 3, 2024) << true;
    QTest::newRow("month of a year") << "3/2024" << 0 << []{ CCmnDate d = Day(1, 3, 2024); d.WidenToMonth(); return d; }() << true;
    QTest::newRow("optional empty keeps the date") << "" << 0 << old << true;
    QTest::newRow("required empty refused") << "" << int(CmnExchangeRequired) << old << false;
    QTest::newRow("month 31 refused") << "31/12/2024" << 0 << old << false;
    QTest::newRow("lenient month 31 keeps the date") << "31/12/2024" << int(CmnExchangeNoValidation) << old << true;
}

void TestCmnDateBox::readsDate()
{
    QFETCH(QString, text);
    QFETCH(qint32, flags);
    QFETCH(CCmnDate, expected);
    QFETCH(bool, accepted);

    CCmnDate value = Day(1, 1, 1990);
    const CCmnExchangeVerdict verdict = CmnReadDateBox(text, flags, QString(), &value);
    QCOMPARE(verdict.IsAccepted(), accepted);
    QCOMPARE(value, expected);
}

void TestCmnDateBox::refusalShowsTodayAndPreferences()
{
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2024, 7, 4), QLocale::c()));
    CCmnDate value;
    const CCmnExchangeVerdict verdict = CmnReadDateBox("31/12/2024", 0, QString(), &value);
    QCOMPARE(verdict.HereMessage(), QString("Please enter a correctly formatted date, e.g. '07/04/2024'"));
    QCOMPARE(verdict.InBoxMessage(), QString("Please enter a correctly formatted date, e.g. '07/04/2024', in the '%1' box"));
    QCOMPARE(verdict.Note(), QString("NOTE: To change the date input format use <b>Preferences</b> (on the <b>File</b> "
                                     "menu). The current date format is 'mm/dd/yyyy'"));
}

void TestCmnDateBox::givenFormatHasNoNote()
{
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2024, 7, 4), QLocale::c()));
    CCmnDate value;
    const CCmnExchangeVerdict verdict = CmnReadDateBox("2024-07", int(CmnExchangeRequired), "[[dd/]mm/]yyyy", &value);
    QCOMPARE(verdict.HereMessage(), QString("Please enter a correctly formatted date, e.g. '04/07/2024'"));
    QCOMPARE(verdict.Note(), QString());
    QCOMPARE(CmnDateBoxText(Day(4, 7, 2024), "[[dd/]mm/]yyyy"), QString("04/07/2024"));
    QCOMPARE(CmnDateBoxText(CCmnDate(), QString()), QString());
}

void TestCmnDateBox::inputFormats()
{
    const QStringList &formats = CmnGetDateInputFormats();
    QCOMPARE(formats.size(), 96);
    QCOMPARE(formats.mid(0, 5), QStringList({"[mm/[dd/]]yyyy", "[mm:[dd:]]yyyy", "[mm-[dd-]]yyyy", "[mm [dd ]]yyyy",
                                             "[m/[d/]]yyyy"}));
    QCOMPARE(formats.at(14 * 4), QString("[[d/]mmm/]yyyy"));
    QCOMPARE(formats.at(15 * 4), QString("[[dd/]mmm/]yyyy"));
    QCOMPARE(formats.last(), QString("[[dd ]mmmm ]yy"));
}

void TestCmnDateBox::outputFormats()
{
    const QStringList &formats = CmnGetDateOutputFormats();
    // Numeric months give one format, named months two: 8 of the 24 patterns are
    // numeric, each in four separators.
    QCOMPARE(formats.size(), 96 + 16 * 4);
    QCOMPARE(formats.mid(8, 4), QStringList({"[mmm/[dd/]]yyyy", "[MMM/[dd/]]yyyy", "[mmm:[dd:]]yyyy", "[MMM:[dd:]]yyyy"}));
    QCOMPARE(formats.last(), QString("[[dd ]MMMM ]yy"));
}

void TestCmnDateBox::twoDigitYears_data()
{
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<QString>("shown");

    QTest::newRow("2000 in the window") << Day(1, 1, 2000) << "01/01/00";
    QTest::newRow("1950 in the window") << Day(15, 6, 1950) << "06/15/50";
    QTest::newRow("1750 outside the window") << Day(15, 6, 1750) << "06/15/1750";
    QTest::newRow("2050 outside the window") << Day(15, 6, 2050) << "06/15/2050";
    QTest::newRow("year 5") << Day(2, 3, 5) << "03/02/0005";
}

// Shown under a two-digit-year format and confirmed unchanged, the date stays.
void TestCmnDateBox::twoDigitYears()
{
    QFETCH(CCmnDate, date);
    QFETCH(QString, shown);
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2024, 7, 4), QLocale::c()));
    const QString format = QStringLiteral("[mm/[dd/]]yy");

    QCOMPARE(CmnDateBoxText(date, format), shown);
    CCmnDate read;
    QVERIFY(CmnReadDateBox(shown, int(CmnExchangeRequired), format, &read).IsAccepted());
    QCOMPARE(read, date);
}

// Every year from 1 to 9999, as a day (a different one each year), a month or a
// year, shown in each of the offered formats and read back in the same format.
void TestCmnDateBox::everyYearRoundTripsInEveryFormat()
{
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2024, 7, 4), QLocale::c()));
    for (const QString &format : CmnGetDateInputFormats()) {
        for (int year = 1; year <= 9999; ++year) {
            CCmnDate date = Day(1 + year % 28, 1 + year % 12, year);
            if (year % 7 == 3)
                date.WidenToMonth();
            else if (year % 7 == 5)
                date.WidenToYear();
            const QString shown = CmnDateBoxText(date, format);
            CCmnDate read;
            const CCmnExchangeVerdict verdict = CmnReadDateBox(shown, int(CmnExchangeRequired), format, &read);
            if (!verdict.IsAccepted() || !(read == date))
                QFAIL(qPrintable(QStringLiteral("%1 in %2 shown as '%3' reads back as '%4'")
                                     .arg(date.DefaultText(0), format, shown, read.DefaultText(0))));
        }
    }
}

QTEST_GUILESS_MAIN(TestCmnDateBox)
#include "tst_cmndatebox.moc"
