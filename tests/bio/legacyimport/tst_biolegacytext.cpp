#include "biolegacydate.h"
#include "biolegacytext.h"

#include <QTest>

class TestBioLegacyText : public QObject
{
    Q_OBJECT
private slots:
    void convertsAndStrips_data();
    void convertsAndStrips();
    void codePageIsFixed_data();
    void codePageIsFixed();
    void legacyDateToDate_data();
    void legacyDateToDate();
};

void TestBioLegacyText::convertsAndStrips_data()
{
    QTest::addColumn<QByteArray>("legacy");
    QTest::addColumn<bool>("strip");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("Rex") << true << QStringLiteral("Rex");
    QTest::newRow("escape inside") << QByteArray("Rex {\\b}Junior") << true << QStringLiteral("Rex Junior");
    QTest::newRow("escape first") << QByteArray("{\\b}Rex") << true << QStringLiteral("Rex");
    QTest::newRow("escape then one letter") << QByteArray("{\\b}A") << true << QStringLiteral("A");
    QTest::newRow("bold group") << QByteArray("{\\b bold} text") << true << QStringLiteral(" text");
    QTest::newRow("unclosed drops the rest") << QByteArray("Rex {abc") << true << QStringLiteral("Rex ");
    QTest::newRow("kept without strip") << QByteArray("Rex {\\b}Junior") << false << QStringLiteral("Rex {\\b}Junior");
    QTest::newRow("only an escape") << QByteArray("{x}") << true << QString();
    QTest::newRow("stops at a zero") << QByteArray("Rex\0Max", 7) << false << QStringLiteral("Rex");
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80 \x93x\x94") << false
                                  << QString::fromUtf8("Café € “x”");
}

void TestBioLegacyText::convertsAndStrips()
{
    QFETCH(QByteArray, legacy);
    QFETCH(bool, strip);
    QFETCH(QString, text);
    QCOMPARE(LegacyTextToString(legacy, strip), text);
}

void TestBioLegacyText::codePageIsFixed_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("0x41") << 0x41 << 0x41;
    QTest::newRow("0x80 euro") << 0x80 << 0x20AC;
    QTest::newRow("0x81 undefined") << 0x81 << 0x81;
    QTest::newRow("0x8D undefined") << 0x8D << 0x8D;
    QTest::newRow("0x8F undefined") << 0x8F << 0x8F;
    QTest::newRow("0x90 undefined") << 0x90 << 0x90;
    QTest::newRow("0x9D undefined") << 0x9D << 0x9D;
    QTest::newRow("0x9F") << 0x9F << 0x178;
    QTest::newRow("0xA0") << 0xA0 << 0xA0;
    QTest::newRow("0xFF") << 0xFF << 0xFF;
}

void TestBioLegacyText::codePageIsFixed()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    QCOMPARE(int(LegacyWindows1252ToUnicode(quint8(byte)).unicode()), unicode);
}

void TestBioLegacyText::legacyDateToDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("null");

    QTest::newRow("15 March 2000") << 2000 << 3 << 15 << false;
    QTest::newRow("29 February 2000") << 2000 << 2 << 29 << false;
    QTest::newRow("year 0") << 0 << 3 << 15 << true;
    QTest::newRow("29 February 1999") << 1999 << 2 << 29 << true;
    QTest::newRow("month 13") << 2000 << 13 << 1 << true;
    QTest::newRow("month 0") << 2000 << 0 << 1 << true;
    QTest::newRow("day 0") << 2000 << 3 << 0 << true;
    QTest::newRow("day 32") << 2000 << 1 << 32 << true;
}

void TestBioLegacyText::legacyDateToDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, null);
    const CCmnDate date = CBioLegacyDate {year, month, day}.ToCmnDate();
    QCOMPARE(date.IsEmpty(), null);
    if (!null) {
        CCmnDate expected;
        QVERIFY(expected.SetGregorianYmd(day, month, year));
        QCOMPARE(date, expected);
        QCOMPARE(date.FirstDay(), date.LastDay());
    }
}

QTEST_GUILESS_MAIN(TestBioLegacyText)
#include "tst_biolegacytext.moc"
