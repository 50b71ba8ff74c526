#include "cmnfilenames.h"
#include "cmnmappedfoldersstore.h"
#include "cmntextencoding.h"
#include "cmntextfile.h"
#include "faildevice.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestCmnTextFile : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void readsBackWithDeducedEncoding_data();
    void readsBackWithDeducedEncoding();
    void readsThroughFolderMapping();
    void unreadableFileGivesErrorText_data();
    void unreadableFileGivesErrorText();
    void unwritableFileGivesErrorText();
    void deviceFailureIsAnError_data();
    void deviceFailureIsAnError();
    void readStopsAtTheLimit_data();
    void readStopsAtTheLimit();
    void failedWriteKeepsThePreviousFile_data();
    void failedWriteKeepsThePreviousFile();
    void failureHalfwayKeepsThePreviousFile();
    void failedFlushIsAWriteError();
    void appendsInAppendMode();
    void removeCommentLines();
    void joinContinuationLines_data();
    void joinContinuationLines();
    void companionFileName_data();
    void companionFileName();
    void parameterLinesAndValues();
    void decodesBytesIntoLines_data();
    void decodesBytesIntoLines();
};

void TestCmnTextFile::cleanup()
{
    CmnDestroyMappedFoldersStore();
}

void TestCmnTextFile::readsBackWithDeducedEncoding_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QByteArray>("start");

    QTest::newRow("default") << "LOCALE,LOCALE,1" << QByteArray("Bella");
    QTest::newRow("UTF-8 CR LF") << "UTF-8,CRLF,1" << QByteArray("\xEF\xBB\xBF" "Bella");
    QTest::newRow("UTF-16 CR") << "UTF-16,CR,1" << QByteArray::fromHex("fffe4200");
    QTest::newRow("UTF-16BE LF") << "UTF-16BE,LF,1" << QByteArray::fromHex("feff0042");
}

void TestCmnTextFile::readsBackWithDeducedEncoding()
{
    QFETCH(QString, encoding);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("lines.txt"));
    const QStringList lines{u"Bella \u00e9"_qs, "", "Rex"};
    CCmnTextEncoding textEncoding;
    QVERIFY(textEncoding.FromText(encoding));
    const QString error = CmnWriteTextFileLines(path, lines, textEncoding);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));

    bool success = false;
    QString errorText = QStringLiteral("unchanged");
    QCOMPARE(CmnReadTextFileLines(path, &success, &errorText), lines);
    QVERIFY(success);
    QCOMPARE(errorText, QString());
}

void TestCmnTextFile::readsThroughFolderMapping()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QCOMPARE(CmnWriteTextFileLines(folder.filePath(QStringLiteral("a.txt")), {"mapped"}, CCmnTextEncoding()),
             QString());
    CmnCreateMappedFoldersStore();
    CmnGetMappedFoldersStore()->AddMapping(QStringLiteral("/no/such/folder"), folder.path());
    QCOMPARE(CmnReadTextFileLines(QStringLiteral("/no/such/folder/a.txt")), QStringList{"mapped"});
}

void TestCmnTextFile::unreadableFileGivesErrorText_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("missing file") << "missing.txt";
    QTest::newRow("missing folder") << "missing/a.txt";
    QTest::newRow("a folder") << ".";
}

void TestCmnTextFile::unreadableFileGivesErrorText()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    bool success = true;
    QString errorText;
    QCOMPARE(CmnReadTextFileLines(folder.filePath(name), &success, &errorText), QStringList());
    QVERIFY(!success);
    QCOMPARE(errorText, CmnFileErrorText(QFileDevice::OpenError));
}

void TestCmnTextFile::unwritableFileGivesErrorText()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QCOMPARE(CmnWriteTextFileLines(folder.filePath(QStringLiteral("missing/a.txt")), {"a"}, CCmnTextEncoding()),
             QStringLiteral("open error (possibly the file does not exist)"));
    // A folder cannot be written as a file.
    QVERIFY(!CmnWriteTextFileLines(folder.path(), {"a"}, CCmnTextEncoding()).isEmpty());
}

void TestCmnTextFile::deviceFailureIsAnError_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<qint64>("failsAt");

    for (const char *codec : {"UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "ISO-8859-1"}) {
        for (const qint64 failsAt : {0, 3, 9999, 15000, 40000})
            QTest::addRow("%s at %lld", codec, failsAt) << QString::fromLatin1(codec) << failsAt;
    }
}

void TestCmnTextFile::deviceFailureIsAnError()
{
    QFETCH(QString, codec);
    QFETCH(qint64, failsAt);
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines.append(QStringLiteral("Bella %1").arg(i));
    QTextCodec *textCodec = QTextCodec::codecForName(codec.toLatin1());
    QVERIFY(textCodec);
    CFailDevice device(0);
    // Marked where the codec has a mark, so that the reader finds the encoding.
    device.setData(CmnByteOrderMark(codec) + textCodec->fromUnicode(lines.join(QLatin1Char('\n'))));
    device.SetReadFailsAt(failsAt);
    QVERIFY(device.open(QIODevice::ReadOnly));
    bool success = true;
    QString errorText;
    QCOMPARE(CmnReadTextDeviceLines(device, &success, &errorText), QStringList());
    QVERIFY(!success);
    QCOMPARE(errorText, QStringLiteral("read error (FAILDEVICE)"));

    device.SetReadFailsAt(-1);
    QCOMPARE(CmnReadTextDeviceLines(device, &success, &errorText), lines);
    QVERIFY(success);
}

void TestCmnTextFile::readStopsAtTheLimit_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<bool>("read");

    const QByteArray herd = QByteArray("Bella\n").repeated(20000);
    QTest::newRow("no limit") << herd << qint64(-1) << true;
    QTest::newRow("exactly the limit") << herd << qint64(herd.size()) << true;
    QTest::newRow("one byte over") << herd << qint64(herd.size() - 1) << false;
    QTest::newRow("nothing allowed") << QByteArray("a") << qint64(0) << false;
    QTest::newRow("empty at no size") << QByteArray() << qint64(0) << true;
}

void TestCmnTextFile::readStopsAtTheLimit()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, maxBytes);
    QFETCH(bool, read);
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    bool success = !read;
    QString errorText;
    const QStringList lines = CmnReadTextDeviceLines(device, &success, &errorText, maxBytes);
    QCOMPARE(success, read);
    QCOMPARE(lines.size(), read ? bytes.count('\n') : 0);
    QCOMPARE(errorText,
             read ? QString() : QStringLiteral("file too large (more than %1 bytes)").arg(maxBytes));
#ifdef Q_OS_LINUX
    // An endless device ends at the limit instead of filling the memory.
    if (!read) {
        QCOMPARE(CmnReadTextFileLines(QStringLiteral("/dev/zero"), &success, &errorText, maxBytes), QStringList());
        QVERIFY(!success);
    }
#endif
}

void TestCmnTextFile::failedWriteKeepsThePreviousFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("error");

    QTest::newRow("unknown codec") << "export.txt"
                                   << "no-such-codec" << "unknown/invalid codec 'no-such-codec'";
    QTest::newRow("unwritable folder") << "locked/export.txt"
                                       << "UTF-8" << "";
}

void TestCmnTextFile::failedWriteKeepsThePreviousFile()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(QString, error);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("locked")));
    const QString path = folder.filePath(name);
    const QByteArray previous("\xEF\xBB\xBF" "Bella\r\nRex\r\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(previous), previous.size());
    }
    QFile::setPermissions(folder.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (error.isEmpty() && QFileInfo(folder.filePath(QStringLiteral("locked"))).isWritable())
        QSKIP("the folder stays writable for this user");

    for (const QIODevice::OpenMode mode : {QIODevice::WriteOnly, QIODevice::Append}) {
        const QString result = CmnWriteTextFile(path, {"new"}, mode, CCmnTextEncoding(codec, "LF", 1));
        if (error.isEmpty())
            QVERIFY(!result.isEmpty());
        else
            QCOMPARE(result, error);
        QCOMPARE(FileBytes(path), previous);
    }
    QFile::setPermissions(folder.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                         | QFileDevice::ExeOwner);
}

void TestCmnTextFile::failureHalfwayKeepsThePreviousFile()
{
#ifdef Q_OS_LINUX
    // A file-size limit makes the disk refuse the export part of the way through.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("export.txt"));
    const QByteArray previous("Bella\nRex\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(previous), previous.size());
    }
    const QStringList lines(20000, QStringLiteral("a line of the export"));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 100000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const QString result = CmnWriteTextFileLines(path, lines, CCmnTextEncoding("UTF-8", "LF", 0));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    QVERIFY(!result.isEmpty());
    QCOMPARE(FileBytes(path), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"export.txt"});
#else
    QSKIP("needs a file-size limit");
#endif
}

void TestCmnTextFile::failedFlushIsAWriteError()
{
    // The full device takes writes into the file's buffer and refuses them on flush.
    const QString full = QStringLiteral("/dev/full");
    if (!QFile::exists(full))
        QSKIP("no full device on this system");
    QCOMPARE(CmnWriteTextFile(full, {"a", "b"}, QIODevice::WriteOnly, CCmnTextEncoding()),
             QStringLiteral("write error"));
}

void TestCmnTextFile::appendsInAppendMode()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("log.txt"));
    const CCmnTextEncoding encoding(QStringLiteral("UTF-8"), QStringLiteral("LF"), 0);
    QCOMPARE(CmnWriteTextFileLines(path, {"one"}, encoding), QString());
    QCOMPARE(CmnWriteTextFile(path, {"two"}, QIODevice::Append, encoding), QString());
    QCOMPARE(CmnReadTextFileLines(path), (QStringList{"one", "two"}));
    // The mark starts the file once, however often it is appended to.
    const CCmnTextEncoding marked(QStringLiteral("UTF-8"), QStringLiteral("CRLF"), 1);
    const QString markedPath = folder.filePath(QStringLiteral("marked.txt"));
    QCOMPARE(CmnWriteTextFile(markedPath, {"a"}, QIODevice::Append, marked), QString());
    QCOMPARE(CmnWriteTextFile(markedPath, {"b"}, QIODevice::Append, marked), QString());
    QCOMPARE(FileBytes(markedPath), QByteArray("\xEF\xBB\xBF" "a\r\nb\r\n"));
    QCOMPARE(CmnWriteTextFileLines(path, {"three"}, encoding), QString());
    QCOMPARE(CmnReadTextFileLines(path), QStringList{"three"});
}

void TestCmnTextFile::removeCommentLines()
{
    QCOMPARE(CmnRemoveCommentLines({"# note", "a", "", " #b", "#"}), (QStringList{"a", "", " #b"}));
}

void TestCmnTextFile::joinContinuationLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("joined");

    QTest::newRow("continues the line before") << QStringList{"a", "+b", "+c", "d"} << QStringList{"abc", "d"};
    QTest::newRow("first line starts the result") << QStringList{"+a", "+b"} << QStringList{"ab"};
    QTest::newRow("continues an empty line") << QStringList{"", "+a"} << QStringList{"a"};
    QTest::newRow("a lone plus adds nothing") << QStringList{"a", "+", "b"} << QStringList{"a", "b"};
    QTest::newRow("plus inside stays") << QStringList{"a", " +b"} << QStringList{"a", " +b"};
}

void TestCmnTextFile::joinContinuationLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, joined);
    QCOMPARE(CmnJoinContinuationLines(lines), joined);
}

void TestCmnTextFile::companionFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("companion");

    QTest::newRow("extension replaced") << "/d/animals.csv" << "/d/animals-imp.txt";
    QTest::newRow("no extension") << "/d/animals" << "/d/animals-imp.txt";
    QTest::newRow("dot in a folder") << "/d.v/animals" << "/d.v/animals-imp.txt";
}

void TestCmnTextFile::companionFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, companion);
    QCOMPARE(CmnCompanionFileName(path, QStringLiteral("txt"), QStringLiteral("-imp")), companion);
}

void TestCmnTextFile::parameterLinesAndValues()
{
    const QStringList parameters = CmnParameterLines(
        {"# textencoding:UTF-8,LF,1", "textencoding:Windows-1252,CRLF", "+,0", "", "csvformat:x", "csvformat:y"});
    QCOMPARE(parameters, (QStringList{"textencoding:Windows-1252,CRLF,0", "", "csvformat:x", "csvformat:y"}));
    QCOMPARE(CmnParameterValue(parameters, "textencoding"), QStringLiteral("Windows-1252,CRLF,0"));
    QCOMPARE(CmnParameterValue(parameters, "csvformat"), QStringLiteral("x"));
    QCOMPARE(CmnParameterValue(parameters, "text"), QString());
    QCOMPARE(CmnParameterValue(parameters, "TextEncoding"), QString());
}

void TestCmnTextFile::decodesBytesIntoLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("UTF-8 mark dropped")
        << QByteArray("\xEF\xBB\xBF" "ID;Name\r\n1;Rex\r\n") << "UTF-8,CRLF,1" << QStringList{"ID;Name", "1;Rex"};
    QTest::newRow("Windows-1252 read as the system's UTF-8")
        << QByteArray("M\xFCller;Brandt\r\n") << "LOCALE,LOCALE,0" << QStringList{u"M\uFFFDller;Brandt"_qs};
    QTest::newRow("Windows-1252 read as such")
        << QByteArray("M\xFCller;Brandt\r\nSmith & Jones <UK>;x") << "Windows-1252,LOCALE,0"
        << QStringList{u"M\u00FCller;Brandt"_qs, "Smith & Jones <UK>;x"};
    QTest::newRow("default line ending takes all three")
        << QByteArray("a\r\nb\nc\rd") << "LOCALE,LOCALE,1" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF keeps the CR") << QByteArray("a\r\nb") << "UTF-8,LF,0" << QStringList{"a\r", "b"};
    QTest::newRow("fragment of a line") << QByteArray("a\nbc") << "LOCALE,LOCALE,1" << QStringList{"a", "bc"};
    QTest::newRow("UTF-16BE with mark")
        << QByteArray("\xFE\xFF\x00" "a\x00\n\x00" "b", 8) << "UTF-16BE,LF,1" << QStringList{"a", "b"};
    QTest::newRow("unknown codec") << QByteArray("a\nb") << "x-none,LF,1" << QStringList{};
}

void TestCmnTextFile::decodesBytesIntoLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QStringList, lines);
    CCmnTextEncoding textEncoding;
    QVERIFY(textEncoding.FromText(encoding));
    QString decoded = "stale";
    QCOMPARE(CmnDecodeTextLines(bytes, textEncoding, &decoded), lines);
    QCOMPARE(decoded.isEmpty(), lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestCmnTextFile)
#include "tst_cmntextfile.moc"
