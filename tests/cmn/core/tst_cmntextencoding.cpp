#include "cmntextencoding.h"

#include <QTest>
#include <QTextCodec>

class TestCmnTextEncoding : public QObject
{
    Q_OBJECT
private slots:
    void defaultTextForm();
    void fromText_data();
    void fromText();
    void lineEndingCode_data();
    void lineEndingCode();
    void byteOrderMark_data();
    void byteOrderMark();
    void deduce_data();
    void deduce();
    void codecForName_data();
    void codecForName();
    void codecDisplayName_data();
    void codecDisplayName();
};

void TestCmnTextEncoding::defaultTextForm()
{
    QCOMPARE(CCmnTextEncoding().ToText(), QStringLiteral("LOCALE,LOCALE,1"));
}

void TestCmnTextEncoding::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("lineEnding");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("textForm");

    // A failed read leaves the value it started from: ISO-8859-1,CR,0.
    QTest::newRow("lower-case ending kept") << "UTF-8,lf,0" << true << "UTF-8" << "lf" << 0 << "UTF-8,lf,0";
    QTest::newRow("any other flag is 1") << "UTF-16,CRLF,7" << true << "UTF-16" << "CRLF" << 1 << "UTF-16,CRLF,1";
    QTest::newRow("flag not a number") << "UTF-8,LF,yes" << true << "UTF-8" << "LF" << 0 << "UTF-8,LF,0";
    QTest::newRow("empty pieces kept") << ",," << true << "" << "" << 0 << ",,0";
    QTest::newRow("two items") << "UTF-8,LF" << false << "ISO-8859-1" << "CR" << 0 << "ISO-8859-1,CR,0";
    QTest::newRow("four items") << "UTF-8,LF,1,x" << false << "ISO-8859-1" << "CR" << 0 << "ISO-8859-1,CR,0";
    QTest::newRow("empty") << "" << false << "ISO-8859-1" << "CR" << 0 << "ISO-8859-1,CR,0";
}

void TestCmnTextEncoding::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, codec);
    QFETCH(QString, lineEnding);
    QFETCH(int, flag);
    QFETCH(QString, textForm);

    CCmnTextEncoding encoding(QStringLiteral("ISO-8859-1"), QStringLiteral("CR"), 0);
    QCOMPARE(encoding.FromText(text), ok);
    QCOMPARE(encoding.m_CodecName, codec);
    QCOMPARE(encoding.m_LineEndingName, lineEnding);
    QCOMPARE(int(encoding.m_ByteOrderMark), flag);
    QCOMPARE(encoding.ToText(), textForm);

    CCmnTextEncoding copy(QStringLiteral("x"), QStringLiteral("y"), 1);
    QVERIFY(copy.FromText(encoding.ToText()));
    QCOMPARE(copy, encoding);
}

void TestCmnTextEncoding::lineEndingCode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");

    QTest::newRow("crlf") << "crlf" << 2;
    QTest::newRow("CRLF") << "CRLF" << 2;
    QTest::newRow("lf") << "lf" << 1;
    QTest::newRow("Cr") << "Cr" << 0;
    // The system's and the locale's line ending are the platform's own.
    QTest::newRow("System") << "System" << 3;
    QTest::newRow("sYSTEM") << "sYSTEM" << 3;
    QTest::newRow("LOCALE") << "LOCALE" << 3;
    QTest::newRow("empty") << "" << 3;
    QTest::newRow("unknown") << "CR LF" << 3;
}

void TestCmnTextEncoding::lineEndingCode()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QCOMPARE(CmnLineEndingCode(name), code);
}

void TestCmnTextEncoding::byteOrderMark_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QByteArray>("mark");

    QTest::newRow("UTF-8") << "UTF-8" << QByteArray::fromHex("efbbbf");
    QTest::newRow("UTF-16") << "UTF-16" << QByteArray::fromHex("fffe");
    QTest::newRow("UTF-16LE") << "UTF-16LE" << QByteArray::fromHex("fffe");
    QTest::newRow("UTF-16BE") << "UTF-16BE" << QByteArray::fromHex("feff");
    QTest::newRow("UTF-32LE") << "UTF-32LE" << QByteArray::fromHex("fffe0000");
    QTest::newRow("UTF-32BE") << "UTF-32BE" << QByteArray::fromHex("0000feff");
    QTest::newRow("letter case counts") << "utf-8" << QByteArray();
    QTest::newRow("LOCALE") << "LOCALE" << QByteArray();
    QTest::newRow("ISO-8859-1") << "ISO-8859-1" << QByteArray();
}

void TestCmnTextEncoding::byteOrderMark()
{
    QFETCH(QString, codec);
    QFETCH(QByteArray, mark);
    QCOMPARE(CmnByteOrderMark(codec), mark);
}

void TestCmnTextEncoding::deduce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("lineEnding");
    QTest::addColumn<int>("flag");

    QTest::newRow("no bytes") << QByteArray() << "LOCALE" << "LOCALE" << 0;
    QTest::newRow("UTF-16 mark") << QByteArray::fromHex("fffe4100") << "UTF-16" << "LOCALE" << 1;
    QTest::newRow("UTF-16BE mark") << QByteArray::fromHex("feff") << "UTF-16BE" << "LOCALE" << 1;
    QTest::newRow("UTF-8 mark, LF wins") << QByteArray("\xEF\xBB\xBF" "a\nb\nc\r\nd") << "UTF-8" << "LF" << 1;
    QTest::newRow("UTF-32LE mark") << QByteArray::fromHex("fffe0000610000000a000000") << "UTF-32LE" << "LF" << 1;
    QTest::newRow("UTF-32BE mark") << QByteArray::fromHex("0000feff000000610000000d") << "UTF-32BE" << "LOCALE" << 1;
    // Line ends are counted in the decoded text, not in the bytes.
    QTest::newRow("UTF-16 CR LF") << QByteArray::fromHex("fffe61000d000a0062000d000a00") << "UTF-16" << "CRLF" << 1;
    QTest::newRow("UTF-16BE lone CR") << QByteArray::fromHex("feff0061000d0062000d000a") << "UTF-16BE" << "LOCALE" << 1;
    QTest::newRow("UTF-16BE CR wins") << QByteArray::fromHex("feff0061000d0062000d") << "UTF-16BE" << "CR" << 1;
    QTest::newRow("no mark, CR LF wins") << QByteArray("a\r\nb\r\nc\n") << "LOCALE" << "CRLF" << 0;
    QTest::newRow("tie of pair and lone LF") << QByteArray("a\r\nb\nc") << "LOCALE" << "LOCALE" << 0;
    QTest::newRow("CR CR LF is a tie") << QByteArray("a\r\r\nb") << "LOCALE" << "LOCALE" << 0;
    QTest::newRow("final CR counts nothing") << QByteArray("a\nb\r") << "LOCALE" << "LF" << 0;
    QTest::newRow("no line ends") << QByteArray("abc") << "LOCALE" << "LOCALE" << 0;
    QTest::newRow("invalid UTF-8") << QByteArray("\xFF\xC3\n\x80\n") << "LOCALE" << "LF" << 0;
    // The deduction decodes in pieces; a pair split between them still counts as one.
    QTest::newRow("pair across pieces") << QByteArray(64 * 1024 - 1, 'a') + "\r\n" << "LOCALE" << "CRLF" << 0;
    // Marks cut short or followed by an odd byte must not trip the deduction.
    QTest::newRow("half a UTF-16 mark") << QByteArray::fromHex("ff") << "LOCALE" << "LOCALE" << 0;
    QTest::newRow("UTF-8 mark cut short") << QByteArray::fromHex("efbb0a") << "LOCALE" << "LF" << 0;
    QTest::newRow("odd UTF-16BE byte count") << QByteArray::fromHex("feff000a00") << "UTF-16BE" << "LF" << 1;
}

void TestCmnTextEncoding::deduce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, codec);
    QFETCH(QString, lineEnding);
    QFETCH(int, flag);

    const CCmnTextEncoding encoding = CmnDeduceTextEncoding(bytes);
    QCOMPARE(encoding.m_CodecName, codec);
    QCOMPARE(encoding.m_LineEndingName, lineEnding);
    QCOMPARE(int(encoding.m_ByteOrderMark), flag);
}

void TestCmnTextEncoding::codecForName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("codec");

    QTest::newRow("LOCALE is the system's") << "LOCALE" << QByteArray("UTF-8");
    QTest::newRow("System") << "System" << QByteArray("UTF-8");
    QTest::newRow("UTF-16 is little-endian") << "UTF-16" << QByteArray("UTF-16LE");
    QTest::newRow("UTF-16BE") << "UTF-16BE" << QByteArray("UTF-16BE");
    QTest::newRow("registry name in any case") << "utf-8" << QByteArray("UTF-8");
    QTest::newRow("ISO-8859-1") << "ISO-8859-1" << QByteArray("ISO-8859-1");
    QTest::newRow("unknown") << "no-such-codec" << QByteArray();
    QTest::newRow("empty") << "" << QByteArray();
}

void TestCmnTextEncoding::codecForName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, codec);
    QTextCodec *found = CmnCodecForName(name);
    QCOMPARE(found ? found->name() : QByteArray(), codec);
}

void TestCmnTextEncoding::codecDisplayName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("LOCALE") << "LOCALE" << "UTF-8";
    QTest::newRow("UTF-16") << "UTF-16" << "UTF-16LE";
    QTest::newRow("other names unchanged") << "latin1" << "latin1";
}

void TestCmnTextEncoding::codecDisplayName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(CmnCodecDisplayName(name), shown);
}

QTEST_GUILESS_MAIN(TestCmnTextEncoding)
#include "tst_cmntextencoding.moc"
