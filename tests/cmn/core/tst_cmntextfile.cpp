#include "cmnfilenames.h"
#include "cmnmappedfoldersstore.h"
#include "cmntextencoding.h"
#include "cmntextfile.h"

#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTest>

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
    void failedFlushIsAWriteError();
    void appendsInAppendMode();
    void removeCommentLines();
    void joinContinuationLines_data();
    void joinContinuationLines();
    void companionFileName_data();
    void companionFileName();
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

QTEST_GUILESS_MAIN(TestCmnTextFile)
#include "tst_cmntextfile.moc"
