#include "cmnbytewriter.h"
#include "faildevice.h"

#include <QStringEncoder>
#include <QTest>
#include <QXmlStreamWriter>

class TestCmnByteWriter : public QObject
{
    Q_OBJECT
private slots:
    void writesThePiecesInOrder_data();
    void writesThePiecesInOrder();
    void failedWriteStaysFailed();
    void writesTextAsUtf8_data();
    void writesTextAsUtf8();
    void writesXmlTextAsTheXmlWriter_data();
    void writesXmlTextAsTheXmlWriter();
    void writesEveryCodeUnitAsTheXmlWriter();
};

namespace {

// What the toolkit's XML writer makes of the text once the code units that
// XML 1.0 cannot hold are taken out, in UTF-8.
QByteArray XmlWriterBytes(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x9 || u == 0xa || u == 0xd || (u >= 0x20 && u <= 0xfffd))
            kept += c;
    }
    QString written;
    QXmlStreamWriter xml(&written);
    xml.writeCharacters(kept);
    // As the file's codec writes it: a lone surrogate becomes U+FFFD, not "?".
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    return utf8.encode(written);
}

// The text through AppendXmlText, and the plain run CopyPlainXmlAscii found.
QByteArray XmlTextBytes(const QString &text, qsizetype *plain = nullptr)
{
    CFailDevice device(1 << 30);
    if (!device.open(QIODevice::WriteOnly))
        return "device not open";
    CCmnByteWriter writer(&device);
    writer.AppendXmlText(text);
    if (!writer.Flush())
        return "write failed";
    if (plain) {
        QByteArray copied(text.size(), '\0');
        *plain = CCmnByteWriter::CopyPlainXmlAscii(text, copied.data());
        // The run must be the text's own characters.
        if (copied.left(*plain) != text.left(*plain).toLatin1())
            *plain = -1;
    }
    return device.data();
}

} // namespace

void TestCmnByteWriter::writesThePiecesInOrder_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::newRow("nothing") << QList<QByteArray>{};
    QTest::newRow("small pieces") << QList<QByteArray>{"<Row>", "", "text", "</Row>"};
    // Pieces that fill the buffer, and one larger than it.
    QTest::newRow("past the buffer")
        << QList<QByteArray>{QByteArray(100000, 'a'), QByteArray(100000, 'b'), "c", QByteArray(300000, 'd'), "e"};
}

void TestCmnByteWriter::writesThePiecesInOrder()
{
    QFETCH(QList<QByteArray>, pieces);
    CFailDevice device(1 << 30);
    QVERIFY(device.open(QIODevice::WriteOnly));
    CCmnByteWriter writer(&device);
    QByteArray expected;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QByteArray &piece = pieces.at(i);
        // Both ways of adding a piece.
        if (i % 2 == 0) {
            writer.Append(std::string_view(piece.constData(), size_t(piece.size())));
        } else {
            char *out = writer.Reserve(piece.size());
            std::copy(piece.cbegin(), piece.cend(), out);
            writer.Commit(out + piece.size());
        }
        expected += piece;
    }
    QVERIFY(writer.Flush());
    QCOMPARE(device.data().size(), expected.size());
    QCOMPARE(device.data(), expected);
}

void TestCmnByteWriter::failedWriteStaysFailed()
{
    CFailDevice device(10);
    QVERIFY(device.open(QIODevice::WriteOnly));
    CCmnByteWriter writer(&device);
    writer.Append("more than ten bytes");
    QVERIFY(!writer.Flush());
    QVERIFY(writer.Failed());
    writer.Append("x");
    QVERIFY(!writer.Flush());
    // Nothing goes after the failure.
    QCOMPARE(device.data(), QByteArray("more than "));
}

void TestCmnByteWriter::writesTextAsUtf8_data()
{
    QTest::addColumn<QString>("text");
    // How many characters lead as printable ASCII, copied without encoding.
    QTest::addColumn<qsizetype>("printable");
    QTest::addColumn<QByteArray>("utf8");
    const QString longAscii = QStringLiteral("Smith & Jones <UK> 0123456789 ~\x7f");
    QTest::newRow("empty") << QString() << qsizetype(0) << QByteArray();
    QTest::newRow("short ascii") << QStringLiteral("a,b") << qsizetype(3) << QByteArray("a,b");
    QTest::newRow("ascii in eights and a tail") << longAscii << longAscii.size() << longAscii.toLatin1();
    // Where the run stops: in the first eight, at the eighth, in a later eight, in the tail.
    QTest::newRow("tab early") << QStringLiteral("ab\tcdefghijk") << qsizetype(2) << QByteArray("ab\tcdefghijk");
    QTest::newRow("line feed eighth") << QStringLiteral("abcdefg\nhij") << qsizetype(7) << QByteArray("abcdefg\nhij");
    QTest::newRow("accent in the second eight")
        << QStringLiteral("Kennel of \u00c9lan du Bois") << qsizetype(10)
        << QByteArray("Kennel of \xc3\x89lan du Bois");
    QTest::newRow("carriage return in the tail")
        << QStringLiteral("0123456789\r") << qsizetype(10) << QByteArray("0123456789\r");
    // A unit whose low byte is printable must not pass for it.
    QTest::newRow("high unit, printable low byte")
        << (QStringLiteral("abcdefgh") + QChar(0x0141) + QStringLiteral("xyz")) << qsizetype(8)
        << QByteArray("abcdefgh\xc5\x81xyz");
    QTest::newRow("pair and lone halves")
        << (QStringLiteral("\U0001F600 ") + QChar(0xd800) + QStringLiteral("x") + QChar(0xdc00)) << qsizetype(0)
        << QByteArray("\xf0\x9f\x98\x80 \xef\xbf\xbdx\xef\xbf\xbd");
}

// The printable run and the rest in UTF-8, as the line writers put them.
void TestCmnByteWriter::writesTextAsUtf8()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, printable);
    QFETCH(QByteArray, utf8);
    CFailDevice device(1 << 30);
    QVERIFY(device.open(QIODevice::WriteOnly));
    CCmnByteWriter writer(&device);
    const qsizetype run = writer.AppendPrintableAscii(text);
    writer.AppendUtf8(QStringView(text).sliced(run));
    // The whole text again, through the encoder alone.
    writer.AppendUtf8(text);
    QVERIFY(writer.Flush());
    QCOMPARE(run, printable);
    QCOMPARE(device.data(), utf8 + utf8);
}

void TestCmnByteWriter::writesXmlTextAsTheXmlWriter_data()
{
    QTest::addColumn<QString>("text");
    // How many characters lead as plain ASCII, copied as they stand.
    QTest::addColumn<qsizetype>("plain");
    const QString sixteen = QStringLiteral("0123456789abcdef");
    QTest::newRow("empty") << QString() << qsizetype(0);
    QTest::newRow("short") << QStringLiteral("Rex") << qsizetype(3);
    QTest::newRow("eight") << sixteen.left(8) << qsizetype(8);
    QTest::newRow("sixteen") << sixteen << qsizetype(16);
    QTest::newRow("eleven, the tail overlapping") << sixteen.left(11) << qsizetype(11);
    // Where the run stops: in the first eight, in the second, in an overlapped tail.
    QTest::newRow("entity in the first eight") << QStringLiteral("Smith & Jones") << qsizetype(6);
    QTest::newRow("entity in the second eight") << QStringLiteral("Smith and Jones <UK>") << qsizetype(16);
    QTest::newRow("entity last of an overlapped tail") << QStringLiteral("0123456789\"") << qsizetype(10);
    QTest::newRow("all four") << QStringLiteral("<a href=\"x\">&</a>") << qsizetype(0);
    QTest::newRow("blank, tilde and DEL") << QStringLiteral(" ~\x7f ~~~~~~~~~~") << qsizetype(2);
    QTest::newRow("tab, line feed and carriage return kept")
        << QStringLiteral("a\tb\nc\rd") << qsizetype(1);
    QTest::newRow("controls left out") << QStringLiteral("a\x01b\x0b\x0c\x1fc") << qsizetype(1);
    QTest::newRow("accent after eight") << QStringLiteral("Kennel of \u00c9lan & Co") << qsizetype(10);
    QTest::newRow("high unit, printable low byte")
        << (sixteen.left(5) + QChar(0x013c) + sixteen) << qsizetype(5);
    QTest::newRow("noncharacters left out")
        << (QStringLiteral("ab") + QChar(0xfffe) + QChar(0xffff) + QChar(0xfffd)) << qsizetype(2);
    QTest::newRow("pair, lone halves, entity between halves")
        << (QStringLiteral("\U0001F600 ") + QChar(0xd800) + QStringLiteral("x") + QChar(0xdc00) + QChar(0xd83d)
            + QLatin1Char('&') + QChar(0xde00))
        << qsizetype(0);
    // Taking the control character out makes the halves a pair.
    QTest::newRow("control between a pair's halves")
        << (QStringLiteral("a") + QChar(0xd83d) + QChar(0x1) + QChar(0xde00)) << qsizetype(1);
}

void TestCmnByteWriter::writesXmlTextAsTheXmlWriter()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, plain);
    qsizetype copied = 0;
    const QByteArray bytes = XmlTextBytes(text, &copied);
    QCOMPARE(bytes, XmlWriterBytes(text));
    QCOMPARE(copied, plain);
}

// Each code unit alone in a short text and inside a long one, where the plain
// run is found eight characters at a time.
void TestCmnByteWriter::writesEveryCodeUnitAsTheXmlWriter()
{
    for (char32_t u = 0; u <= 0xffff; ++u) {
        const QChar c = QChar(char16_t(u));
        for (const QString &text : {QStringLiteral("a") + c + QStringLiteral("b"),
                                    QStringLiteral("0123456789") + c + QStringLiteral("abcdefghi")}) {
            const QByteArray bytes = XmlTextBytes(text);
            const QByteArray expected = XmlWriterBytes(text);
            if (bytes != expected)
                QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
        }
    }
}

QTEST_GUILESS_MAIN(TestCmnByteWriter)
#include "tst_cmnbytewriter.moc"
