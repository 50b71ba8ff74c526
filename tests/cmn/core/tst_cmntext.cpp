#include "cmntext.h"

#include <QTest>

class TestCmnText : public QObject
{
    Q_OBJECT
private slots:
    void titleCase_data();
    void titleCase();
    void hexRoundTrip();
    void fromHex_data();
    void fromHex();
};

void TestCmnText::titleCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("upper words") << "ABC DEF" << "Abc Def";
    QTest::newRow("apostrophe and hyphen") << "o'neil smith-jones" << "O'neil Smith-Jones";
    QTest::newRow("digit starts word") << "2nd LITTER" << "2nd Litter";
    QTest::newRow("empty") << "" << "";
}

void TestCmnText::titleCase()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CmnTitleCase(text), expected);
}

void TestCmnText::hexRoundTrip()
{
    const QByteArray bytes = QStringLiteral("Zürich/Ålesund").toUtf8();
    const QString hex = CmnToHex(bytes);
    QCOMPARE(hex, hex.toLower());
    QCOMPARE(CmnFromHex(hex), bytes);
}

void TestCmnText::fromHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("mixed case") << "4a6B" << QByteArray("\x4a\x6b", 2);
    QTest::newRow("odd length") << "abc" << QByteArray("\xab", 1);
    QTest::newRow("empty") << "" << QByteArray();
}

void TestCmnText::fromHex()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(CmnFromHex(text), bytes);
}

QTEST_GUILESS_MAIN(TestCmnText)
#include "tst_cmntext.moc"
