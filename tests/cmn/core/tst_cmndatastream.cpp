#include "cmndatastream.h"
#include "cmniocompressor.h"

#include <QBuffer>
#include <QDataStream>
#include <QTest>

namespace {

QByteArray Deflate(const QByteArray &data)
{
    QBuffer buffer;
    CCmnIOCompressor device(&buffer, 6, 4096);
    if (!device.open(QIODevice::WriteOnly) || device.write(data) != data.size() || !device.Finish())
        return {};
    device.close();
    return buffer.data();
}

} // namespace

class TestCmnDataStream : public QObject
{
    Q_OBJECT
private slots:
    void readsCheckedLengths_data();
    void readsCheckedLengths();
    void sequentialReadGrowsWithTheData_data();
    void sequentialReadGrowsWithTheData();
    void blockHeaderRefusesOtherTagsAndNewerVersions_data();
    void blockHeaderRefusesOtherTagsAndNewerVersions();
};

void TestCmnDataStream::readsCheckedLengths_data()
{
    QTest::addColumn<bool>("isString");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("value"); // a string as UTF-8
    QTest::addColumn<bool>("isNull");

    const int ok = QDataStream::Ok;
    const int corrupt = QDataStream::ReadCorruptData;
    const int pastEnd = QDataStream::ReadPastEnd;
    QTest::newRow("bytes") << false << QByteArray::fromHex("00000003616263") << ok << QByteArray("abc") << false;
    QTest::newRow("bytes empty") << false << QByteArray::fromHex("00000000") << ok << QByteArray() << false;
    QTest::newRow("bytes null") << false << QByteArray::fromHex("ffffffff") << ok << QByteArray() << true;
    QTest::newRow("bytes one short") << false << QByteArray::fromHex("00000004616263") << corrupt << QByteArray()
                                     << true;
    QTest::newRow("bytes huge length") << false << QByteArray::fromHex("fffffffe616263") << corrupt << QByteArray()
                                       << true;
    QTest::newRow("bytes no length") << false << QByteArray::fromHex("0000") << pastEnd << QByteArray() << true;
    QTest::newRow("string") << true << QByteArray::fromHex("0000000400e90062") << ok << QByteArray("\xc3\xa9" "b")
                            << false;
    QTest::newRow("string empty") << true << QByteArray::fromHex("00000000") << ok << QByteArray() << false;
    QTest::newRow("string null") << true << QByteArray::fromHex("ffffffff") << ok << QByteArray() << true;
    QTest::newRow("string odd length") << true << QByteArray::fromHex("0000000300610062") << corrupt << QByteArray()
                                       << true;
    QTest::newRow("string one short") << true << QByteArray::fromHex("0000000600610062") << corrupt << QByteArray()
                                      << true;
    QTest::newRow("string huge length") << true << QByteArray::fromHex("7ffffffe00610062") << corrupt
                                        << QByteArray() << true;
}

void TestCmnDataStream::readsCheckedLengths()
{
    QFETCH(bool, isString);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QByteArray, value);
    QFETCH(bool, isNull);

    QDataStream stream(bytes);
    CmnPrepareDataStream(stream);
    if (isString) {
        QString text = QStringLiteral("old");
        CmnReadString(stream, text);
        QCOMPARE(int(stream.status()), status);
        QCOMPARE(text, QString::fromUtf8(value));
        QCOMPARE(text.isNull(), isNull);
    } else {
        QByteArray read("old");
        CmnReadByteArray(stream, read);
        QCOMPARE(int(stream.status()), status);
        QCOMPARE(read, value);
        QCOMPARE(read.isNull(), isNull);
    }
}

void TestCmnDataStream::sequentialReadGrowsWithTheData_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("status");
    QTest::addColumn<qsizetype>("size");

    // Larger than one growth step, so that the data arrives in several pieces.
    QByteArray big(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char(i * 7);
    QByteArray written;
    {
        QDataStream out(&written, QIODevice::WriteOnly);
        CmnPrepareDataStream(out);
        out << big;
    }
    QTest::newRow("several steps") << written << int(QDataStream::Ok) << big.size();
    QTest::newRow("cut in the last step") << written.left(written.size() - 1) << int(QDataStream::ReadPastEnd)
                                          << qsizetype(0);
    // Nothing tells a sequential device's size in advance: the lie is found when
    // the data runs out, after at most one step of allocation.
    QTest::newRow("huge length") << QByteArray::fromHex("fffffff0616263") << int(QDataStream::ReadPastEnd)
                                 << qsizetype(0);
}

void TestCmnDataStream::sequentialReadGrowsWithTheData()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, status);
    QFETCH(qsizetype, size);

    QBuffer compressed;
    compressed.setData(Deflate(stored));
    CCmnIOCompressor device(&compressed, 6, 4096);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QVERIFY(device.isSequential());
    QDataStream stream(&device);
    CmnPrepareDataStream(stream);

    QByteArray read;
    CmnReadByteArray(stream, read);
    QCOMPARE(int(stream.status()), status);
    QCOMPARE(read.size(), size);
    if (status == QDataStream::Ok)
        QCOMPARE(read.at(size - 1), char((size - 1) * 7));
}

void TestCmnDataStream::blockHeaderRefusesOtherTagsAndNewerVersions_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("streamOk");
    QTest::newRow("oldest version") << QByteArray::fromHex("0C00") << true << 0 << true;
    QTest::newRow("highest version") << QByteArray::fromHex("0C01") << true << 1 << true;
    QTest::newRow("newer version") << QByteArray::fromHex("0C02") << false << -1 << true;
    QTest::newRow("other tag") << QByteArray::fromHex("0B01") << false << -1 << true;
    QTest::newRow("no version byte") << QByteArray::fromHex("0C") << false << -1 << false;
    QTest::newRow("nothing") << QByteArray() << false << -1 << false;
}

void TestCmnDataStream::blockHeaderRefusesOtherTagsAndNewerVersions()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, result);
    QFETCH(int, version);
    QFETCH(bool, streamOk);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    quint8 read = 0xFF;
    QCOMPARE(CmnReadBlockHeader(in, 12, 1, &read), result);
    if (result)
        QCOMPARE(int(read), version);
    QCOMPARE(in.status() == QDataStream::Ok, streamOk);
}

QTEST_GUILESS_MAIN(TestCmnDataStream)
#include "tst_cmndatastream.moc"
