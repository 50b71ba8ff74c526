#include "cmndatastream.h"
#include "cmniocompressor.h"
#include "faildevice.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Register-like lines: compressible, yet not one repeated pattern.
QByteArray RecordText(qsizetype size, quint32 seed)
{
    static const char *const kNames[] = {"Bella", "Rex", "Aster", "Mooncoat", "Tilly", "Baron"};
    static const char *const kKennels[] = {"of Glenmoor", "vom Hochwald", "Sunridge", "de la Brume"};
    QRandomGenerator random(seed);
    QByteArray text;
    text.reserve(size + 128);
    while (text.size() < size) {
        text += kNames[random.bounded(6)];
        text += ' ';
        text += kKennels[random.bounded(4)];
        text += ";born " + QByteArray::number(1990 + random.bounded(35)) + '-'
                + QByteArray::number(1 + random.bounded(12)) + ";id " + QByteArray::number(random.bounded(100000))
                + '\n';
    }
    text.truncate(size);
    return text;
}

QByteArray RandomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QByteArray Compress(const QByteArray &data, ECmnIOCompressorFormat format, quint32 bufferSize = 65500)
{
    QBuffer buffer;
    CCmnIOCompressor device(&buffer, 6, bufferSize);
    device.SetStreamFormat(format);
    if (!device.open(QIODevice::WriteOnly) || device.write(data) != data.size() || !device.Finish())
        return {};
    device.close();
    return buffer.data();
}

struct CReadResult
{
    QByteArray data;
    qint64 lastResult = 0;
};

// Reads in small pieces until the device gives 0 or -1.
CReadResult ReadToEnd(QIODevice &device)
{
    CReadResult result;
    char block[3000];
    for (int guard = 0; guard < 100000; ++guard) {
        result.lastResult = device.read(block, sizeof block);
        if (result.lastResult <= 0)
            break;
        result.data.append(block, result.lastResult);
    }
    return result;
}

// Claims more bytes than a 32-bit count holds.
class CHugeBuffer : public QBuffer
{
public:
    qint64 bytesAvailable() const override { return Q_INT64_C(1) << 32; }
};

const char *const kModesWarning =
    "CCmnIOCompressor::open: CCmnIOCompressor can only be opened in the ReadOnly or WriteOnly modes";
const char *const kUnderlyingWarning =
    "CCmnIOCompressor::open: underlying device must be open in one of the ReadOnly or WriteOnly modes";

} // namespace

class TestCmnIOCompressor : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void writesFormatHeader_data();
    void writesFormatHeader();
    void carriesDataStream();
    void leavesBytesAfterStreamToDevice_data();
    void leavesBytesAfterStreamToDevice();
    void readsNothingAfterEnd();
    void bytesAvailableSeesLargeDevice();
    void corruptInputFailsForGood_data();
    void corruptInputFailsForGood();
    void truncatedInputEndsQuietly_data();
    void truncatedInputEndsQuietly();
    void refusesUnsuitableModes_data();
    void refusesUnsuitableModes();
    void refusesSecondOpen();
    void reportsOpenErrors_data();
    void reportsOpenErrors();
    void closesOnlyDeviceItOpened_data();
    void closesOnlyDeviceItOpened();
    void leavesDeviceEmptyWithoutData_data();
    void leavesDeviceEmptyWithoutData();
    void reportsWriteFailure_data();
    void reportsWriteFailure();
};

void TestCmnIOCompressor::roundTrip_data()
{
    QTest::addColumn<ECmnIOCompressorFormat>("format");
    QTest::addColumn<quint32>("bufferSize");
    QTest::addColumn<QByteArray>("data");

    const struct
    {
        const char *name;
        ECmnIOCompressorFormat format;
    } formats[] = {{"zlib", ECmnIOCompressorFormat::Zlib},
                   {"gzip", ECmnIOCompressorFormat::Gzip},
                   {"raw", ECmnIOCompressorFormat::RawDeflate}};
    for (const auto &format : formats) {
        QTest::addRow("%s empty", format.name) << format.format << 65500u << QByteArray();
        QTest::addRow("%s one byte", format.name) << format.format << 65500u << QByteArray("x");
        QTest::addRow("%s records beyond buffer", format.name) << format.format << 65500u << RecordText(400000, 1);
        QTest::addRow("%s random beyond buffer", format.name) << format.format << 65500u << RandomBytes(150000, 2);
        QTest::addRow("%s tiny buffer", format.name) << format.format << 7u << RecordText(20000, 3);
    }
}

void TestCmnIOCompressor::roundTrip()
{
    QFETCH(ECmnIOCompressorFormat, format);
    QFETCH(quint32, bufferSize);
    QFETCH(QByteArray, data);

    QBuffer buffer;
    {
        CCmnIOCompressor writer(&buffer, 6, bufferSize);
        writer.SetStreamFormat(format);
        QVERIFY(writer.open(QIODevice::WriteOnly));
        // Written in uneven pieces so that blocks straddle the buffer's edge.
        for (qsizetype at = 0; at < data.size(); at += 12345)
            QCOMPARE(writer.write(data.mid(at, 12345)), qMin<qint64>(12345, data.size() - at));
        QVERIFY2(writer.Finish(), qPrintable(writer.errorString()));
        const QByteArray finished = buffer.data();
        writer.close();
        QCOMPARE(buffer.data(), finished);
    }

    CCmnIOCompressor reader(&buffer, 6, bufferSize);
    reader.SetStreamFormat(format);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    const CReadResult result = ReadToEnd(reader);
    QCOMPARE(result.lastResult, 0);
    QCOMPARE(result.data, data);
    QCOMPARE(reader.State(), data.isEmpty() ? ECmnIOCompressorState::ReadNotStarted
                                            : ECmnIOCompressorState::ReadFinished);
}

void TestCmnIOCompressor::writesFormatHeader_data()
{
    QTest::addColumn<ECmnIOCompressorFormat>("format");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("zlib level 6") << ECmnIOCompressorFormat::Zlib << QByteArray::fromHex("789c");
    QTest::newRow("gzip") << ECmnIOCompressorFormat::Gzip << QByteArray::fromHex("1f8b08");
}

void TestCmnIOCompressor::writesFormatHeader()
{
    QFETCH(ECmnIOCompressorFormat, format);
    QFETCH(QByteArray, header);
    QCOMPARE(Compress("pedigree", format).left(header.size()), header);
}

void TestCmnIOCompressor::carriesDataStream()
{
    const QString name = QStringLiteral("Zürich Aster of Glenmoor");
    const QByteArray photo = RandomBytes(70000, 4);
    QBuffer buffer;
    {
        CCmnIOCompressor device(&buffer, 6, 65500);
        QVERIFY(device.open(QIODevice::WriteOnly));
        QDataStream out(&device);
        CmnPrepareDataStream(out);
        out << name << qint32(-7) << photo << 2.5;
        QCOMPARE(out.status(), QDataStream::Ok);
        QVERIFY(device.Finish());
    }

    CCmnIOCompressor device(&buffer, 6, 65500);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QDataStream in(&device);
    CmnPrepareDataStream(in);
    QString readName;
    qint32 number = 0;
    QByteArray readPhoto;
    double value = 0;
    in >> readName >> number >> readPhoto >> value;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(readName, name);
    QCOMPARE(number, -7);
    QCOMPARE(readPhoto, photo);
    QCOMPARE(value, 2.5);
    QVERIFY(in.atEnd());
}

void TestCmnIOCompressor::leavesBytesAfterStreamToDevice_data()
{
    QTest::addColumn<ECmnIOCompressorFormat>("format");
    QTest::addColumn<QByteArray>("tail");
    const QByteArray longTail = RandomBytes(3000, 5);
    QTest::newRow("zlib") << ECmnIOCompressorFormat::Zlib << QByteArray("TAIL");
    QTest::newRow("gzip") << ECmnIOCompressorFormat::Gzip << QByteArray("TAIL");
    QTest::newRow("raw") << ECmnIOCompressorFormat::RawDeflate << QByteArray("TAIL");
    QTest::newRow("zlib tail longer than buffer") << ECmnIOCompressorFormat::Zlib << longTail;
}

void TestCmnIOCompressor::leavesBytesAfterStreamToDevice()
{
    QFETCH(ECmnIOCompressorFormat, format);
    QFETCH(QByteArray, tail);
    const QByteArray data = RecordText(50000, 6);
    QByteArray bytes = Compress(data, format) + tail;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));

    CCmnIOCompressor device(&buffer, 6, 1000);
    device.SetStreamFormat(format);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(ReadToEnd(device).data, data);
    QCOMPARE(buffer.readAll(), tail);
}

void TestCmnIOCompressor::readsNothingAfterEnd()
{
    const QByteArray data = RecordText(100000, 7);
    QByteArray bytes = Compress(data, ECmnIOCompressorFormat::Zlib);
    QBuffer buffer(&bytes);
    CCmnIOCompressor device(&buffer, 6, 65500);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(device.bytesAvailable(), 1);
    QCOMPARE(device.read(10), data.left(10));
    QCOMPARE(device.bytesAvailable(), 1);

    QCOMPARE(ReadToEnd(device).data, data.mid(10));
    QCOMPARE(device.State(), ECmnIOCompressorState::ReadFinished);
    char byte = 0;
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(device.read(&byte, 1), 0);
        QCOMPARE(device.bytesAvailable(), 0);
    }
    QVERIFY(device.atEnd());
    QCOMPARE(device.errorString(), QStringLiteral("Unknown error"));
}

void TestCmnIOCompressor::bytesAvailableSeesLargeDevice()
{
    // 2^32 bytes cut to 32 bits would read as none left.
    CHugeBuffer buffer;
    CCmnIOCompressor device(&buffer, 6, 65500);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(device.bytesAvailable(), 1);
}

void TestCmnIOCompressor::corruptInputFailsForGood_data()
{
    QTest::addColumn<ECmnIOCompressorFormat>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray data = RecordText(200000, 8);
    const QByteArray zlib = Compress(data, ECmnIOCompressorFormat::Zlib);
    const QByteArray gzip = Compress(data, ECmnIOCompressorFormat::Gzip);
    const QString dataError = QStringLiteral("Internal zlib error when decompressing: data error");

    QByteArray badHeader = zlib;
    badHeader[0] = 0x79;
    QByteArray badBody = zlib;
    for (qsizetype at = badBody.size() / 2; at < badBody.size() / 2 + 16; ++at)
        badBody[at] = char(~badBody[at]);
    QByteArray badChecksum = zlib;
    badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 1);
    QByteArray badCrc = gzip;
    badCrc[badCrc.size() - 6] = char(badCrc[badCrc.size() - 6] ^ 1);

    QTest::newRow("zlib bad header") << ECmnIOCompressorFormat::Zlib << badHeader << dataError;
    QTest::newRow("zlib bad body") << ECmnIOCompressorFormat::Zlib << badBody << dataError;
    QTest::newRow("zlib bad checksum") << ECmnIOCompressorFormat::Zlib << badChecksum << dataError;
    QTest::newRow("gzip bad crc") << ECmnIOCompressorFormat::Gzip << badCrc << dataError;
    QTest::newRow("gzip read as zlib") << ECmnIOCompressorFormat::Zlib << gzip << dataError;
    QTest::newRow("text") << ECmnIOCompressorFormat::Zlib << QByteArray("not compressed at all") << dataError;
}

void TestCmnIOCompressor::corruptInputFailsForGood()
{
    QFETCH(ECmnIOCompressorFormat, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    QBuffer buffer;
    buffer.setData(bytes);
    CCmnIOCompressor device(&buffer, 6, 65500);
    device.SetStreamFormat(format);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(ReadToEnd(device).lastResult, -1);
    QCOMPARE(device.errorString(), error);
    QCOMPARE(device.State(), ECmnIOCompressorState::Failed);
    char block[100];
    QCOMPARE(device.read(block, sizeof block), -1);
    QCOMPARE(device.read(block, sizeof block), -1);
    QCOMPARE(device.bytesAvailable(), 0);

    // A new open starts afresh.
    device.close();
    buffer.setData(Compress("fresh", format));
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(ReadToEnd(device).data, QByteArray("fresh"));
}

void TestCmnIOCompressor::truncatedInputEndsQuietly_data()
{
    QTest::addColumn<ECmnIOCompressorFormat>("format");
    QTest::addColumn<int>("trailerSize");
    QTest::newRow("zlib") << ECmnIOCompressorFormat::Zlib << 4;
    QTest::newRow("gzip") << ECmnIOCompressorFormat::Gzip << 8;
    QTest::newRow("raw") << ECmnIOCompressorFormat::RawDeflate << 0;
}

void TestCmnIOCompressor::truncatedInputEndsQuietly()
{
    QFETCH(ECmnIOCompressorFormat, format);
    QFETCH(int, trailerSize);
    const QByteArray data = RecordText(30000, 9) + RandomBytes(3000, 10);
    const QByteArray whole = Compress(data, format);
    QVERIFY(whole.size() > 1000);

    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        QBuffer buffer;
        buffer.setData(whole.left(cut));
        CCmnIOCompressor device(&buffer, 6, 512);
        device.SetStreamFormat(format);
        QVERIFY(device.open(QIODevice::ReadOnly));
        const CReadResult result = ReadToEnd(device);
        QCOMPARE(result.lastResult, 0);
        QVERIFY2(data.startsWith(result.data), qPrintable(QString::number(cut)));
        QCOMPARE(device.errorString(), QStringLiteral("Unknown error"));
        // Everything before the trailer arrives, even from the read that hits the cut.
        if (trailerSize > 0 && cut == whole.size() - trailerSize)
            QCOMPARE(result.data, data);
    }
}

void TestCmnIOCompressor::refusesUnsuitableModes_data()
{
    QTest::addColumn<QIODevice::OpenMode>("underlyingMode");
    QTest::addColumn<QIODevice::OpenMode>("mode");
    QTest::addColumn<QString>("warning");
    QTest::newRow("read-write") << QIODevice::OpenMode(QIODevice::NotOpen)
                                << QIODevice::OpenMode(QIODevice::ReadWrite) << kModesWarning;
    QTest::newRow("neither") << QIODevice::OpenMode(QIODevice::NotOpen) << QIODevice::OpenMode(QIODevice::Text)
                             << kModesWarning;
    QTest::newRow("write on read-only device") << QIODevice::OpenMode(QIODevice::ReadOnly)
                                               << QIODevice::OpenMode(QIODevice::WriteOnly) << kUnderlyingWarning;
    QTest::newRow("read on write-only device") << QIODevice::OpenMode(QIODevice::WriteOnly)
                                               << QIODevice::OpenMode(QIODevice::ReadOnly) << kUnderlyingWarning;
}

void TestCmnIOCompressor::refusesUnsuitableModes()
{
    QFETCH(QIODevice::OpenMode, underlyingMode);
    QFETCH(QIODevice::OpenMode, mode);
    QFETCH(QString, warning);

    QBuffer buffer;
    if (underlyingMode != QIODevice::NotOpen)
        QVERIFY(buffer.open(underlyingMode));
    CCmnIOCompressor device(&buffer, 6, 65500);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QVERIFY(!device.open(mode));
    QVERIFY(!device.isOpen());
    QCOMPARE(buffer.openMode() & QIODevice::ReadWrite, underlyingMode);
    QCOMPARE(device.State(), ECmnIOCompressorState::Closed);
}

void TestCmnIOCompressor::refusesSecondOpen()
{
    QBuffer buffer;
    CCmnIOCompressor device(&buffer, 6, 65500);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QTest::ignoreMessage(QtWarningMsg, "CCmnIOCompressor::open: device already open");
    QVERIFY(!device.open(QIODevice::WriteOnly));
    QCOMPARE(device.openMode(), QIODevice::ReadOnly);
}

void TestCmnIOCompressor::reportsOpenErrors_data()
{
    QTest::addColumn<bool>("missingFile");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing file") << true << 6 << "Error opening underlying device: No such file or directory";
    QTest::newRow("bad level") << false << 42 << "Internal zlib error: stream error";
}

void TestCmnIOCompressor::reportsOpenErrors()
{
    QFETCH(bool, missingFile);
    QFETCH(int, level);
    QFETCH(QString, error);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("missing.orv")));
    QBuffer buffer;
    CCmnIOCompressor device(missingFile ? static_cast<QIODevice *>(&file) : &buffer, level, 65500);
    QVERIFY(!device.open(missingFile ? QIODevice::ReadOnly : QIODevice::WriteOnly));
    QVERIFY(!device.isOpen());
    QCOMPARE(device.errorString(), error);
}

void TestCmnIOCompressor::closesOnlyDeviceItOpened_data()
{
    QTest::addColumn<bool>("openFirst");
    QTest::addColumn<QIODevice::OpenMode>("mode");
    QTest::newRow("opens and closes for writing") << false << QIODevice::OpenMode(QIODevice::WriteOnly);
    QTest::newRow("opens and closes for reading") << false << QIODevice::OpenMode(QIODevice::ReadOnly);
    QTest::newRow("leaves caller's device open") << true << QIODevice::OpenMode(QIODevice::WriteOnly);
}

void TestCmnIOCompressor::closesOnlyDeviceItOpened()
{
    QFETCH(bool, openFirst);
    QFETCH(QIODevice::OpenMode, mode);

    QBuffer buffer;
    if (openFirst)
        QVERIFY(buffer.open(mode));
    CCmnIOCompressor device(&buffer, 6, 65500);
    QVERIFY(device.open(mode));
    QCOMPARE(buffer.openMode() & QIODevice::ReadWrite, mode);
    device.close();
    QCOMPARE(buffer.isOpen(), openFirst);
}

void TestCmnIOCompressor::leavesDeviceEmptyWithoutData_data()
{
    QTest::addColumn<bool>("writeZeroBytes");
    QTest::newRow("no write") << false;
    QTest::newRow("zero-byte write") << true;
}

void TestCmnIOCompressor::leavesDeviceEmptyWithoutData()
{
    QFETCH(bool, writeZeroBytes);

    QBuffer buffer;
    CCmnIOCompressor device(&buffer, 6, 65500);
    QVERIFY(device.open(QIODevice::WriteOnly));
    if (writeZeroBytes)
        QCOMPARE(device.write("", 0), 0);
    QVERIFY(device.Finish());
    device.close();
    QCOMPARE(buffer.size(), 0);

    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(device.bytesAvailable(), 0);
    const CReadResult result = ReadToEnd(device);
    QCOMPARE(result.lastResult, 0);
    QCOMPARE(device.errorString(), QStringLiteral("Unknown error"));
}

void TestCmnIOCompressor::reportsWriteFailure_data()
{
    QTest::addColumn<bool>("stall");
    QTest::addColumn<qint64>("failAfter");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("writeFails");
    QTest::addColumn<bool>("callFinish");
    QTest::addColumn<QString>("error");

    const QString failed = QStringLiteral("Error writing to underlying device: FAILDEVICE");
    const QString stalled = QStringLiteral("Error writing to underlying device: the device accepted no data");
    const QByteArray large = RandomBytes(100000, 11);
    // Two bytes take the zlib header that the first write sends; the rest waits for the end.
    const QByteArray small("Aster of Glenmoor");
    QTest::newRow("fails in write") << false << qint64(5000) << large << true << false << failed;
    QTest::newRow("stalls in write") << true << qint64(5000) << large << true << false << stalled;
    QTest::newRow("fails in Finish") << false << qint64(2) << small << false << true << failed;
    QTest::newRow("stalls in Finish") << true << qint64(2) << small << false << true << stalled;
    QTest::newRow("fails in close") << false << qint64(2) << small << false << false << failed;
    QTest::newRow("stalls in close") << true << qint64(2) << small << false << false << stalled;
}

void TestCmnIOCompressor::reportsWriteFailure()
{
    QFETCH(bool, stall);
    QFETCH(qint64, failAfter);
    QFETCH(QByteArray, data);
    QFETCH(bool, writeFails);
    QFETCH(bool, callFinish);
    QFETCH(QString, error);

    CFailDevice target(failAfter);
    target.SetStallInsteadOfFail(stall);
    CCmnIOCompressor device(&target, 6, 4096);
    QVERIFY(device.open(QIODevice::WriteOnly));
    QCOMPARE(device.write(data), writeFails ? -1 : data.size());
    if (writeFails) {
        QCOMPARE(device.State(), ECmnIOCompressorState::Failed);
        QCOMPARE(device.write(data), -1);
    }
    if (callFinish || writeFails)
        QVERIFY(!device.Finish());
    device.close();
    QCOMPARE(device.State(), ECmnIOCompressorState::Failed);
    QCOMPARE(device.errorString(), error);
    QCOMPARE(target.size(), failAfter);
}

QTEST_GUILESS_MAIN(TestCmnIOCompressor)
#include "tst_cmniocompressor.moc"
