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

QTEST_GUILESS_MAIN(TestCmnDateBox)
#include "tst_cmndatebox.moc"
