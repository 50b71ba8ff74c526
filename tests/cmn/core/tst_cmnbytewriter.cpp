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

QTEST_GUILESS_MAIN(TestCmnByteWriter)
#include "tst_cmnbytewriter.moc"
