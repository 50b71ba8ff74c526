#include "cmntextencoding.h"
#include "cmntextreader.h"
#include "cmntextwriter.h"
#include "faildevice.h"

#include <QBuffer>
#include <QTest>

namespace {

CCmnTextEncoding Encoding(const QString &text)
{
    CCmnTextEncoding encoding;
    const bool ok = encoding.FromText(text);
    Q_ASSERT(ok);
    Q_UNUSED(ok);
    return encoding;
}

// The writer's bytes for the lines, or the first error text prefixed with "!".
QByteArray Write(const QString &encoding, const QStringList &lines)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CCmnTextWriter writer;
    QString error = writer.Open(Encoding(encoding), &buffer);
    for (const QString &line : lines) {
        if (error.isEmpty())
            error = writer.WriteLine(line);
    }
    if (error.isEmpty())
        error = writer.Close();
    if (!error.isEmpty())
        return "!" + error.toUtf8();
    return buffer.data();
}

} // namespace

class TestCmnTextWriter : public QObject
{
    Q_OBJECT
private slots:
    void writesBytes_data();
    void writesBytes();
    void readsBackWhatItWrote_data();
    void readsBackWhatItWrote();
    void reportsFailingDevice_data();
    void reportsFailingDevice();
    void closeClosesTheDevice();
    void appendingWritesNoSecondMark();
};

void TestCmnTextWriter::writesBytes_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("LOCALE has no mark, writes LF") << "LOCALE,LOCALE,1" << QStringList{u"\u00e9"_qs}
                                                   << QByteArray::fromHex("c3a90a");
    QTest::newRow("SYSTEM writes LF") << "UTF-8,system,0" << QStringList{"a"} << QByteArray("a\n");
    QTest::newRow("UTF-16 writes one mark")
        << "UTF-16,CRLF,1" << QStringList{"x", "y"} << QByteArray::fromHex("fffe78000d000a0079000d000a00");
    QTest::newRow("UTF-16BE with CR") << "UTF-16BE,CR,1" << QStringList{"a"} << QByteArray::fromHex("feff0061000d");
    QTest::newRow("UTF-8 with mark") << "UTF-8,LF,1" << QStringList{"a", "b"} << QByteArray("\xEF\xBB\xBF" "a\nb\n");
    QTest::newRow("UTF-8 without mark") << "UTF-8,LF,0" << QStringList{"a"} << QByteArray("a\n");
    QTest::newRow("UTF-32LE") << "UTF-32LE,LF,1" << QStringList{"a"}
                              << QByteArray::fromHex("fffe0000610000000a000000");
    QTest::newRow("Latin-1 has no mark") << "ISO-8859-1,LF,1" << QStringList{u"\u00e9"_qs} << QByteArray("\xE9\n");
    QTest::newRow("LF inside a line") << "UTF-8,CRLF,0" << QStringList{"x\ny"} << QByteArray("x\r\ny\r\n");
    QTest::newRow("final LF adds an empty line") << "UTF-8,LF,0" << QStringList{"x\n"} << QByteArray("x\n\n");
    QTest::newRow("CR LF inside a line, CRLF") << "UTF-8,CRLF,0" << QStringList{"x\r\ny"} << QByteArray("x\r\ny\r\n");
    QTest::newRow("CR LF inside a line, LF") << "UTF-8,LF,0" << QStringList{"x\r\n\r\ny"} << QByteArray("x\n\ny\n");
    QTest::newRow("CR without LF stays") << "UTF-8,LF,0" << QStringList{"x\ry\r"} << QByteArray("x\ry\r\n");
    QTest::newRow("no lines, only the mark") << "UTF-16,LF,1" << QStringList() << QByteArray::fromHex("fffe");
    QTest::newRow("unknown codec") << "no-such-codec,LF,1" << QStringList{"a"}
                                   << QByteArray("!unknown/invalid codec 'no-such-codec'");
}

void TestCmnTextWriter::writesBytes()
{
    QFETCH(QString, encoding);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Write(encoding, lines), bytes);
}

void TestCmnTextWriter::readsBackWhatItWrote_data()
{
    QTest::addColumn<QString>("encoding");

    for (const char *encoding : {"LOCALE,LOCALE,1", "UTF-8,CRLF,1", "UTF-8,CR,0", "UTF-16,LF,1", "UTF-16LE,CRLF,0",
                                 "UTF-16BE,SYSTEM,1", "UTF-32BE,LF,1"})
        QTest::newRow(encoding) << QString::fromLatin1(encoding);
}

void TestCmnTextWriter::readsBackWhatItWrote()
{
    QFETCH(QString, encoding);
    const QStringList lines{u"Bella of Gl\u00e9nmoor"_qs, "", u"\u20ac 12 \U0001D11E"_qs, "Rex"};
    const QByteArray bytes = Write(encoding, lines);
    QVERIFY2(!bytes.startsWith('!'), bytes.constData());

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CCmnTextReader reader;
    QCOMPARE(reader.Open(Encoding(encoding), &buffer), QString());
    QStringList read;
    while (reader.HasMoreText())
        read.append(reader.ReadLine());
    QCOMPARE(read, lines);
}

void TestCmnTextWriter::reportsFailingDevice_data()
{
    QTest::addColumn<qint64>("failAfter");
    QTest::addColumn<bool>("stall");

    QTest::newRow("mark refused") << qint64(1) << false;
    QTest::newRow("line refused") << qint64(5) << false;
    QTest::newRow("device stalls") << qint64(5) << true;
}

void TestCmnTextWriter::reportsFailingDevice()
{
    QFETCH(qint64, failAfter);
    QFETCH(bool, stall);
    CFailDevice device(failAfter);
    device.SetStallInsteadOfFail(stall);
    device.open(QIODevice::WriteOnly);
    CCmnTextWriter writer;
    QString error = writer.Open(Encoding(QStringLiteral("UTF-8,LF,1")), &device);
    for (int i = 0; error.isEmpty() && i < 3; ++i)
        error = writer.WriteLine(QStringLiteral("line"));
    QCOMPARE(error, QStringLiteral("write error"));
}

void TestCmnTextWriter::closeClosesTheDevice()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CCmnTextWriter writer;
    QCOMPARE(writer.Open(CCmnTextEncoding(), &buffer), QString());
    QCOMPARE(writer.WriteLine(QStringLiteral("a")), QString());
    QCOMPARE(writer.Close(), QString());
    QVERIFY(!buffer.isOpen());
    QCOMPARE(buffer.data(), QByteArray("a\n"));
}

void TestCmnTextWriter::appendingWritesNoSecondMark()
{
    QBuffer buffer;
    buffer.setData("\xEF\xBB\xBF" "a\r\n");
    QVERIFY(buffer.open(QIODevice::WriteOnly | QIODevice::Append));
    CCmnTextWriter writer;
    QCOMPARE(writer.Open(Encoding(QStringLiteral("UTF-8,CRLF,1")), &buffer), QString());
    QCOMPARE(writer.WriteLine(QStringLiteral("b")), QString());
    QCOMPARE(writer.Close(), QString());
    QCOMPARE(buffer.data(), QByteArray("\xEF\xBB\xBF" "a\r\nb\r\n"));
}

QTEST_GUILESS_MAIN(TestCmnTextWriter)
#include "tst_cmntextwriter.moc"
