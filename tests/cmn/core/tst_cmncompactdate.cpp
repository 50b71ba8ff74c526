#include "cmncompactdate.h"

#include <QTest>

class TestCmnCompactDate : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestCmnCompactDate::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");

    const QDate leapDay(2024, 2, 29);
    QTest::newRow("eight digits") << "20240229" << leapDay;
    QTest::newRow("colons") << "2024:02:29" << leapDay;
    QTest::newRow("slashes") << "2024/02/29" << leapDay;
    QTest::newRow("year end") << "19991231" << QDate(1999, 12, 31);

    QTest::newRow("mixed separators") << "2024:02/29" << QDate();
    QTest::newRow("hyphens") << "2024-02-29" << QDate();
    QTest::newRow("separator elsewhere") << "202/402/29" << QDate();
    QTest::newRow("no leap day") << "20230229" << QDate();
    QTest::newRow("thirtieth of February") << "20240230" << QDate();
    QTest::newRow("month 13") << "20241301" << QDate();
    QTest::newRow("month 0") << "2024/00/10" << QDate();
    QTest::newRow("year 0") << "00000101" << QDate();
    QTest::newRow("signs") << "2024-1-5" << QDate();
    QTest::newRow("plus sign") << "2024+1+5" << QDate();
    QTest::newRow("blanks") << "2024 1 5" << QDate();
    QTest::newRow("letters") << "2024/01/5x" << QDate();
    QTest::newRow("wide digits")
        << "\uff12\uff10\uff12\uff14\uff10\uff11\uff10\uff11" << QDate();
    QTest::newRow("seven characters") << "2024011" << QDate();
    QTest::newRow("nine characters") << "2024/1/05" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestCmnCompactDate::parse()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(CmnParseCompactDate(text), date);
}

QTEST_GUILESS_MAIN(TestCmnCompactDate)
#include "tst_cmncompactdate.moc"
