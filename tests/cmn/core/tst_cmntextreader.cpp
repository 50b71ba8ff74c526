#include "cmntextencoding.h"
#include "cmntextreader.h"
#include "faildevice.h"

#include <QBuffer>
#include <QTest>
#include <QTextCodec>

#include <algorithm>
#include <cstring>

namespace {

// A device that hands out a few bytes per read, as a pipe may: every character,
// mark and line ending ends up cut between reads somewhere.
class CTrickleDevice : public QIODevice
{
public:
    CTrickleDevice(const QByteArray &data, qint64 step)
        : m_Data(data)
        , m_Step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 size = std::min({maxSize, m_Step, qint64(m_Data.size()) - m_At});
        memcpy(data, m_Data.constData() + m_At, size_t(size));
        m_At += size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_Data;
    qint64 m_Step;
    qint64 m_At = 0;
};

QStringList ReadAll(CCmnTextReader &reader)
{
    QStringList lines;
    while (reader.HasMoreText())
        lines.append(reader.ReadLine());
    return lines;
}

QStringList ReadDevice(QIODevice &device, const QString &encodingText, QString *error = nullptr)
{
    CCmnTextEncoding encoding;
    if (!encoding.FromText(encodingText))
        return {QStringLiteral("bad encoding in test")};
    CCmnTextReader reader;
    const QString openError = reader.Open(encoding, &device);
    if (error)
        *error = openError;
    return ReadAll(reader);
}

QStringList ReadBytes(const QByteArray &bytes, const QString &encodingText)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadDevice(buffer, encodingText);
}

QByteArray Utf16Le(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

} // namespace

class TestCmnTextReader : public QObject
{
    Q_OBJECT
private slots:
    void readsLines_data();
    void readsLines();
    void joinsAcrossChunks_data();
    void joinsAcrossChunks();
    void smallReadsGiveTheSameLines_data();
    void smallReadsGiveTheSameLines();
    void readsString_data();
    void readsString();
    void everyCutAroundTheChunkEdge_data();
    void everyCutAroundTheChunkEdge();
    void deviceFailureIsAnError_data();
    void deviceFailureIsAnError();
    void unknownCodecGivesNoText();
    void keepsHugeLineAndLeavesDeviceOpen();
};

void TestCmnTextReader::readsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CRLF keeps a lone CR") << QByteArray("a\rb\r\nc") << "UTF-8,CRLF,0" << QStringList{"a\rb", "c"};
    QTest::newRow("CRLF keeps a final lone CR") << QByteArray("a\r\nb\r") << "UTF-8,CRLF,0" << QStringList{"a", "b\r"};
    QTest::newRow("CRLF keeps a lone LF") << QByteArray("a\nb") << "UTF-8,CRLF,0" << QStringList{"a\nb"};
    QTest::newRow("CRLF after CR CR") << QByteArray("a\r\r\nb") << "UTF-8,CRLF,0" << QStringList{"a\r", "b"};
    QTest::newRow("LF keeps a CR") << QByteArray("a\r\nb") << "UTF-8,LF,0" << QStringList{"a\r", "b"};
    QTest::newRow("CR keeps an LF") << QByteArray("a\nb\rc") << "UTF-8,CR,0" << QStringList{"a\nb", "c"};
    QTest::newRow("LOCALE takes every ending")
        << QByteArray("a\r\nb\nc\rd") << "UTF-8,LOCALE,0" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("SYSTEM CR then CR LF")
        << QByteArray("a\r\r\nb\n\nc") << "UTF-8,SYSTEM,0" << QStringList{"a", "", "b", "", "c"};
    QTest::newRow("final ending adds no line") << QByteArray("a\nb\n") << "UTF-8,LF,0" << QStringList{"a", "b"};
    QTest::newRow("final CR LF with LOCALE") << QByteArray("a\r\n") << "UTF-8,LOCALE,0" << QStringList{"a"};
    QTest::newRow("no bytes") << QByteArray() << "UTF-8,LF,1" << QStringList();
    QTest::newRow("UTF-8 mark skipped") << QByteArray("\xEF\xBB\xBF" "a\nb") << "UTF-8,LF,1" << QStringList{"a", "b"};
    QTest::newRow("only a mark") << QByteArray("\xEF\xBB\xBF") << "UTF-8,LF,1" << QStringList();
    QTest::newRow("UTF-16 mark skipped")
        << QByteArray::fromHex("fffe61000a00e900") << "UTF-16,LF,1" << QStringList{"a", u"\u00e9"_qs};
    QTest::newRow("UTF-16BE")
        << QByteArray::fromHex("feff0061000d000a0062") << "UTF-16BE,CRLF,1" << QStringList{"a", "b"};
    QTest::newRow("UTF-32LE") << QByteArray::fromHex("fffe0000610000000a00000062000000") << "UTF-32LE,LF,1"
                              << QStringList{"a", "b"};
    QTest::newRow("Latin-1") << QByteArray("\xE9t\xE9") << "ISO-8859-1,LF,0" << QStringList{u"\u00e9t\u00e9"_qs};
    QTest::newRow("invalid UTF-8 replaced")
        << QByteArray("a\xFF" "b\n") << "UTF-8,LF,0" << QStringList{u"a\ufffdb"_qs};
    QTest::newRow("character cut off by the end")
        << QByteArray("a\n\xC3") << "UTF-8,LF,0" << QStringList{"a", u"\ufffd"_qs};
    QTest::newRow("odd UTF-16 byte count")
        << QByteArray::fromHex("fffe61000a0062") << "UTF-16,LF,1" << QStringList{"a", u"\ufffd"_qs};
}

void TestCmnTextReader::readsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QStringList, lines);
    QCOMPARE(ReadBytes(bytes, encoding), lines);
}

void TestCmnTextReader::joinsAcrossChunks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QStringList>("lines");

    // The reader takes 10000 bytes at a time.
    const QString as = QString(9999, QLatin1Char('a'));
    QTest::newRow("UTF-8 two-byte character")
        << as.toUtf8() + "\xC3\xA9\nz" << "UTF-8,LF,0" << QStringList{as + u"\u00e9"_qs, "z"};
    QTest::newRow("UTF-8 three-byte character after the mark")
        << "\xEF\xBB\xBF" + QString(9996, QLatin1Char('a')).toUtf8() + "\xE2\x82\xAC\nz" << "UTF-8,LF,1"
        << QStringList{QString(9996, QLatin1Char('a')) + u"\u20ac"_qs, "z"};
    const QString utf16Text = QString(4998, QLatin1Char('a')) + u"\U0001D11E\nz"_qs;
    QTest::newRow("UTF-16 surrogate pair")
        << QByteArray::fromHex("fffe") + Utf16Le(utf16Text) << "UTF-16,LF,1"
        << QStringList{QString(4998, QLatin1Char('a')) + u"\U0001D11E"_qs, "z"};
    QTest::newRow("CR LF split, CRLF") << as.toUtf8() + "\r\nz" << "UTF-8,CRLF,0" << QStringList{as, "z"};
    QTest::newRow("lone CR split, CRLF") << as.toUtf8() + "\rz\r\n" << "UTF-8,CRLF,0" << QStringList{as + "\rz"};
    QTest::newRow("CR LF split, LOCALE") << as.toUtf8() + "\r\nz" << "UTF-8,LOCALE,0" << QStringList{as, "z"};
    QTest::newRow("CR LF split, LOCALE, at the end") << as.toUtf8() + "\r\n" << "UTF-8,LOCALE,0" << QStringList{as};
}

void TestCmnTextReader::joinsAcrossChunks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QStringList, lines);
    QCOMPARE(ReadBytes(bytes, encoding), lines);
}

void TestCmnTextReader::smallReadsGiveTheSameLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");

    const QString text = u"Bella \u00e9\u20ac\U0001D11E\r\nRex\r\n\r\nlast"_qs;
    QTest::newRow("UTF-8 with mark") << "\xEF\xBB\xBF" + text.toUtf8() << "UTF-8,CRLF,1";
    QTest::newRow("UTF-16 with mark") << QByteArray::fromHex("fffe") + Utf16Le(text) << "UTF-16,LOCALE,1";
    QTest::newRow("UTF-8 without mark") << text.toUtf8() << "UTF-8,LOCALE,0";
}

void TestCmnTextReader::smallReadsGiveTheSameLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    const QStringList expected = ReadBytes(bytes, encoding);
    QCOMPARE(expected.size(), 4);
    for (const qint64 step : {1, 2, 3, 5}) {
        CTrickleDevice device(bytes, step);
        QCOMPARE(ReadDevice(device, encoding), expected);
    }
}

void TestCmnTextReader::readsString_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << 2 << "" << QStringList();
    QTest::newRow("CR") << 0 << "a\rb\n" << QStringList{"a", "b\n"};
    QTest::newRow("LF") << 1 << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("CRLF") << 2 << "a\r\nb\rc" << QStringList{"a", "b\rc"};
    QTest::newRow("platform") << 3 << "a\rb\r\nc\n" << QStringList{"a", "b", "c"};
    QTest::newRow("unknown code read as platform") << 9 << "a\rb" << QStringList{"a", "b"};
}

void TestCmnTextReader::readsString()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    CCmnTextReader reader;
    reader.OpenString(code, text);
    QCOMPARE(ReadAll(reader), lines);
}

void TestCmnTextReader::everyCutAroundTheChunkEdge_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QByteArray>("sequence");

    QTest::newRow("UTF-8 two bytes") << "UTF-8" << QByteArray("\xC3\xA9");
    QTest::newRow("UTF-8 three bytes") << "UTF-8" << QByteArray("\xE2\x82\xAC");
    QTest::newRow("UTF-8 four bytes") << "UTF-8" << QByteArray("\xF0\x9D\x84\x9E");
    // Latin-1 text read as UTF-8: lead bytes that no continuation byte follows.
    QTest::newRow("UTF-8 invalid two-byte lead") << "UTF-8" << QByteArray("\xD4");
    QTest::newRow("UTF-8 invalid three-byte lead") << "UTF-8" << QByteArray("\xE9");
    QTest::newRow("UTF-8 invalid four-byte lead") << "UTF-8" << QByteArray("\xF4\x80");
    QTest::newRow("UTF-16LE surrogate pair") << "UTF-16LE" << QByteArray::fromHex("34d81edd");
    QTest::newRow("UTF-16BE surrogate pair") << "UTF-16BE" << QByteArray::fromHex("d834dd1e");
    QTest::newRow("UTF-16LE lone high surrogate") << "UTF-16LE" << QByteArray::fromHex("34d8");
    QTest::newRow("UTF-32LE") << "UTF-32LE" << QByteArray::fromHex("1ed10100");
    QTest::newRow("Latin-1") << "ISO-8859-1" << QByteArray("\xD4");
}

void TestCmnTextReader::everyCutAroundTheChunkEdge()
{
    QFETCH(QString, codec);
    QFETCH(QByteArray, sequence);
    QTextCodec *textCodec = QTextCodec::codecForName(codec.toLatin1());
    QVERIFY(textCodec);
    const qsizetype unit = textCodec->fromUnicode(QStringLiteral("a")).size();
    const QString encoding = codec + QStringLiteral(",LF,0");
    // The sequence starts a few bytes before the 10000-byte edge of a chunk, and at
    // every position after it until it lies wholly in the next chunk.
    for (qsizetype at = 10000 - 6; at <= 10000 + 1; at += unit) {
        const QByteArray bytes = textCodec->fromUnicode(QString(at / unit, QLatin1Char('a'))) + sequence
                                 + textCodec->fromUnicode(QStringLiteral("\nxyz\n"));
        QStringList expected = textCodec->toUnicode(bytes).split(QLatin1Char('\n'));
        expected.removeLast();
        QCOMPARE(expected.size(), 2);
        QCOMPARE(ReadBytes(bytes, encoding), expected);
    }
}

void TestCmnTextReader::deviceFailureIsAnError_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<qint64>("failsAt");

    for (const char *encoding : {"UTF-8,LF,1", "UTF-16,CRLF,1", "ISO-8859-1,LOCALE,0"}) {
        for (const qint64 failsAt : {0, 1, 9999, 10000, 10001, 15000, 29999})
            QTest::addRow("%s at %lld", encoding, failsAt) << QString::fromLatin1(encoding) << failsAt;
    }
}

void TestCmnTextReader::deviceFailureIsAnError()
{
    QFETCH(QString, encoding);
    QFETCH(qint64, failsAt);
    CCmnTextEncoding textEncoding;
    QVERIFY(textEncoding.FromText(encoding));
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines.append(QStringLiteral("line %1 \u00e9").arg(i));
    CFailDevice device(0);
    device.setData(CmnCodecForName(textEncoding.m_CodecName)->fromUnicode(lines.join(QStringLiteral("\r\n"))));
    device.SetReadFailsAt(failsAt);
    QVERIFY(device.open(QIODevice::ReadOnly));
    CCmnTextReader reader;
    QCOMPARE(reader.Open(textEncoding, &device), QString());
    const QStringList read = ReadAll(reader);
    QVERIFY(reader.HasFailed());
    QCOMPARE(reader.ErrorText(), QStringLiteral("read error (FAILDEVICE)"));
    QVERIFY(read.size() < lines.size());
    QVERIFY(!reader.HasMoreText());
}

void TestCmnTextReader::unknownCodecGivesNoText()
{
    QBuffer buffer;
    buffer.setData("text");
    buffer.open(QIODevice::ReadOnly);
    QString error;
    QCOMPARE(ReadDevice(buffer, QStringLiteral("no-such-codec,LF,0"), &error), QStringList());
    QCOMPARE(error, QStringLiteral("unknown/invalid codec 'no-such-codec'"));
}

void TestCmnTextReader::keepsHugeLineAndLeavesDeviceOpen()
{
    const QByteArray bytes = QByteArray(3 * 1000 * 1000, 'x') + "\ny";
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = ReadDevice(buffer, QStringLiteral("UTF-8,LF,0"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).size(), 3 * 1000 * 1000);
    QCOMPARE(lines.at(1), QStringLiteral("y"));
    QVERIFY(buffer.isOpen());
}

QTEST_GUILESS_MAIN(TestCmnTextReader)
#include "tst_cmntextreader.moc"
