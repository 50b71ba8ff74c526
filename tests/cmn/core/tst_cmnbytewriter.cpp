#include "cmnbytewriter.h"
#include "faildevice.h"

#include <QTest>

class TestCmnByteWriter : public QObject
{
    Q_OBJECT
private slots:
    void writesThePiecesInOrder_data();
    void writesThePiecesInOrder();
    void failedWriteStaysFailed();
    void writesTextAsUtf8_data();
    void writesTextAsUtf8();
};

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

QTEST_GUILESS_MAIN(TestCmnByteWriter)
#include "tst_cmnbytewriter.moc"
