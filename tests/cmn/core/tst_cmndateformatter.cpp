#include "cmndate.h"
#include "cmndateformatter.h"
#include "cmndatetext.h"

#include <QTest>

// One formatter writes a day, a month and a year in turn: what a leading field left
// out in one date must not stay left out in the next.
// Separators inside a group are written as they stand, blanks included.
class TestCmnDateFormatter : public QObject
{
    Q_OBJECT

private slots:
    void writesEachDateAsAFreshFormatWould_data();
    void writesEachDateAsAFreshFormatWould();
};

void TestCmnDateFormatter::writesEachDateAsAFreshFormatWould_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("calendar");
    QTest::addColumn<QStringList>("texts");   // day, month, year
    QTest::newRow("month first") << "[mm/[dd/]]yyyy" << 1 << QStringList{"05/17/2001", "05/2001", "2001"};
    QTest::newRow("day first") << "[[dd/]mm/]yyyy" << 1 << QStringList{"17/05/2001", "05/2001", "2001"};
    QTest::newRow("names and spaces") << "[[d  ]Mmm ] yy" << 1 << QStringList{"17  MAY  01", "MAY  01", " 01"};
    QTest::newRow("literals outside groups stay") << "(dd.mm.yyyy)" << 1 << QStringList{"(17.05.2001)", "(.05.2001)", "(..2001)"};
    QTest::newRow("unknown name and digits") << "q1-yyyy]" << 1 << QStringList{"1-2001]", "1-2001]", "1-2001]"};
    QTest::newRow("dual") << "[mmmm ]yyyy" << 2 << QStringList{"May 2000/01", "May 2000/01", "2000/01"};
    QTest::newRow("hebrew, month and year from their last day") << "[[d ]mmmm ]yyyy" << 3 << QStringList{"24 Iyar 5761", "Sivan 5761", "5762"};
    QTest::newRow("french out of range") << "[[d ]mmm ]yyyy" << 4 << QStringList{"0000", "0000", "0000"};
    QTest::newRow("julian") << "[[d ]mmm ]yyyy" << 5 << QStringList{"4 May 2001", "May 2001", "2001"};
}

void TestCmnDateFormatter::writesEachDateAsAFreshFormatWould()
{
    QFETCH(QString, format);
    QFETCH(int, calendar);
    QFETCH(QStringList, texts);
    const CCmnDateFormatter formatter(format);
    QList<CCmnDate> dates(3);
    QVERIFY(dates[0].SetGregorianYmd(17, 5, 2001));
    QVERIFY(dates[1].SetGregorianYmd(0, 5, 2001));
    QVERIFY(dates[2].SetGregorianYmd(0, 0, 2001));
    QStringList written;
    for (const CCmnDate &date : dates)
        written << formatter.Format(date, calendar);
    QCOMPARE(written, texts);
}

QTEST_GUILESS_MAIN(TestCmnDateFormatter)
#include "tst_cmndateformatter.moc"
