#include "cmndocumentfilewriter.h"
#include "cmnmappedfoldersstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The safe replacement of a document file: whatever fails, the document's name
// holds a complete file, and a save that worked is never reported as failed.
class TestCmnDocumentFileWriter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newFileNeverMakesABackup();
    void existingFileIsReplacedAndBackupRemoved();
    void failureBeforeRenamesKeepsTheOldFile_data();
    void failureBeforeRenamesKeepsTheOldFile();
    void staleBackupDoesNotBlockTheSave();
    void backupWithoutDocumentIsLeftAlone();
    void failedFinalRenameKeepsTheOldFile_data();
    void failedFinalRenameKeepsTheOldFile();
    void failedBackupRemovalIsOnlyAWarning();
    void mappedPathIsWrittenAndNamed();
    void interruptedSaveIsNamed_data();
    void interruptedSaveIsNamed();

private:
    QString PathOf(const QString &name) const { return m_Folder->filePath(name); }
    QStringList Files() const { return QDir(m_Folder->path()).entryList(QDir::Files | QDir::System, QDir::Name); }
    // The system's steps, with every call noted and the named ones failing.
    CCmnDocumentFileWriter::TFileSteps RecordingSteps(const QStringList &failing = {});

    std::unique_ptr<QTemporaryDir> m_Folder;
    QStringList m_Steps;
};

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void PutFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

CCmnDocumentFileWriter::TStreamWriter Writes(const QByteArray &bytes)
{
    return [bytes](QIODevice &device) {
        return device.write(bytes) == bytes.size() ? QString() : QStringLiteral("Write error");
    };
}

} // namespace

void TestCmnDocumentFileWriter::init()
{
    m_Folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Folder->isValid());
    m_Steps.clear();
}

void TestCmnDocumentFileWriter::cleanup()
{
    CmnDestroyMappedFoldersStore();
    m_Folder.reset();
}

CCmnDocumentFileWriter::TFileSteps TestCmnDocumentFileWriter::RecordingSteps(const QStringList &failing)
{
    const CCmnDocumentFileWriter::TFileSteps system = CCmnDocumentFileWriter::SystemFileSteps();
    const QString folder = m_Folder->path() + QLatin1Char('/');
    const auto note = [this, folder, failing](const QString &step) {
        QString call = step;
        call.replace(folder, QString());
        m_Steps << call;
        return !failing.contains(call);
    };
    CCmnDocumentFileWriter::TFileSteps steps;
    steps.m_Link = [=](const QString &from, const QString &to) {
        return note(QStringLiteral("link %1 %2").arg(from, to)) && system.m_Link(from, to);
    };
    steps.m_Rename = [=](const QString &from, const QString &to) {
        return note(QStringLiteral("rename %1 %2").arg(from, to)) && system.m_Rename(from, to);
    };
    steps.m_Remove = [=](const QString &path) {
        return note(QStringLiteral("remove %1").arg(path)) && system.m_Remove(path);
    };
    return steps;
}

void TestCmnDocumentFileWriter::newFileNeverMakesABackup()
{
    CCmnDocumentFileWriter writer{CCmnMappedPath(PathOf("a.orv"))};
    writer.SetFileSteps(RecordingSteps());
    QCOMPARE(writer.Write(Writes("new")), QString());
    QCOMPARE(m_Steps, QStringList{"rename a.orv_1 a.orv"});
    QCOMPARE(Files(), QStringList{"a.orv"});
    QCOMPARE(FileBytes(PathOf("a.orv")), QByteArray("new"));
    QCOMPARE(writer.Warning(), QString());
}

void TestCmnDocumentFileWriter::existingFileIsReplacedAndBackupRemoved()
{
    PutFile(PathOf("a.orv"), "old");
    CCmnDocumentFileWriter writer{CCmnMappedPath(PathOf("a.orv"))};
    writer.SetFileSteps(RecordingSteps());
    QCOMPARE(writer.Write(Writes("new")), QString());
    // The old file keeps the name until the new one takes it in one step.
    QCOMPARE(m_Steps, (QStringList{"link a.orv a.orv_2", "rename a.orv_1 a.orv", "remove a.orv_2"}));
    QCOMPARE(Files(), QStringList{"a.orv"});
    QCOMPARE(FileBytes(PathOf("a.orv")), QByteArray("new"));
}

void TestCmnDocumentFileWriter::failureBeforeRenamesKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("errorStart");

    QTest::newRow("stream fails part-way") << "stream" << "Write error (";
    QTest::newRow("disk full when flushed") << "full" << "Error writing ";
    QTest::newRow("temporary file cannot be opened") << "unopenable" << "Cannot open file for writing (";
}

void TestCmnDocumentFileWriter::failureBeforeRenamesKeepsTheOldFile()
{
    QFETCH(QString, failure);
    QFETCH(QString, errorStart);

    const QByteArray old(5000, 'o');
    PutFile(PathOf("a.orv"), old);
    CCmnDocumentFileWriter::TStreamWriter stream = Writes(QByteArray(100000, 'n'));
    if (failure == QLatin1String("stream")) {
        stream = [](QIODevice &device) {
            device.write(QByteArray(3000, 'n'));
            return QStringLiteral("Write error");
        };
    } else if (failure == QLatin1String("full")) {
        // The full device takes writes into the file's buffer and refuses them on flush.
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no full device on this system");
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), PathOf("a.orv_1")));
        stream = Writes("new");
    } else {
        QVERIFY(QDir(m_Folder->path()).mkdir(QStringLiteral("a.orv_1")));
    }
    CCmnDocumentFileWriter writer{CCmnMappedPath(PathOf("a.orv"))};
    writer.SetFileSteps(RecordingSteps());
    const QString error = writer.Write(stream);
    QVERIFY2(error.startsWith(errorStart), qPrintable(error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(PathOf("a.orv_1"))), qPrintable(error));
    QCOMPARE(FileBytes(PathOf("a.orv")), old);
    QCOMPARE(Files(), QStringList{"a.orv"});
    QVERIFY(!m_Steps.join(' ').contains(QLatin1String("rename")));
}

void TestCmnDocumentFileWriter::staleBackupDoesNotBlockTheSave()
{
    PutFile(PathOf("a.orv"), "old");
    PutFile(PathOf("a.orv_2"), "left by a crash");
    for (const QByteArray &bytes : {QByteArray("first"), QByteArray("second")}) {
        CCmnDocumentFileWriter writer{CCmnMappedPath(PathOf("a.orv"))};
        QCOMPARE(writer.Write(Writes(bytes)), QString());
        QCOMPARE(FileBytes(PathOf("a.orv")), bytes);
        QCOMPARE(Files(), QStringList{"a.orv"});
    }
}

void TestCmnDocumentFileWriter::backupWithoutDocumentIsLeftAlone()
{
    // A crash between the old file's move and the new file's rename leaves the
    // only copy of the previous document in the backup.
    PutFile(PathOf("a.orv_2"), "previous");
    CCmnDocumentFileWriter writer{CCmnMappedPath(PathOf("a.orv"))};
    QCOMPARE(writer.Write(Writes("new")), QString());
    QCOMPARE(FileBytes(PathOf("a.orv")), QByteArray("new"));
    QCOMPARE(FileBytes(PathOf("a.orv_2")), QByteArray("previous"));
}

void TestCmnDocumentFileWriter::failedFinalRenameKeepsTheOldFile_data()
{
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("linked backup")
        << QStringList{"rename a.orv_1 a.orv"}
        << QStringList{"link a.orv a.orv_2", "rename a.orv_1 a.orv", "remove a.orv_2"};
    QTest::newRow("no links: old file moved aside and back")
        << QStringList{"link a.orv a.orv_2", "rename a.orv_1 a.orv"}
        << QStringList{"link a.orv a.orv_2", "rename a.orv a.orv_2", "rename a.orv_1 a.orv",
                       "rename a.orv_2 a.orv"};
}

void TestCmnDocumentFileWriter::failedFinalRenameKeepsTheOldFile()
{
    QFETCH(QStringList, failing);
    QFETCH(QStringList, steps);

    PutFile(PathOf("a.orv"), "old");
    CCmnDocumentFileWriter writer{CCmnMappedPath(PathOf("a.orv"))};
    writer.SetFileSteps(RecordingSteps(failing));
    const QString error = writer.Write(Writes("new"));
    QCOMPARE(m_Steps, steps);
    QCOMPARE(error, QStringLiteral("Failed to rename file '%1' as '%2' The new file is kept as '%1'.")
                        .arg(QDir::toNativeSeparators(PathOf("a.orv_1")), QDir::toNativeSeparators(PathOf("a.orv"))));
    QCOMPARE(FileBytes(PathOf("a.orv")), QByteArray("old"));
    QCOMPARE(FileBytes(PathOf("a.orv_1")), QByteArray("new"));
    QCOMPARE(Files(), (QStringList{"a.orv", "a.orv_1"}));
}

void TestCmnDocumentFileWriter::failedBackupRemovalIsOnlyAWarning()
{
    PutFile(PathOf("a.orv"), "old");
    CCmnDocumentFileWriter writer{CCmnMappedPath(PathOf("a.orv"))};
    writer.SetFileSteps(RecordingSteps({"remove a.orv_2"}));
    QCOMPARE(writer.Write(Writes("new")), QString());
    QCOMPARE(writer.Warning(),
             QStringLiteral("Failed to delete file '%1'").arg(QDir::toNativeSeparators(PathOf("a.orv_2"))));
    QCOMPARE(FileBytes(PathOf("a.orv")), QByteArray("new"));
}

void TestCmnDocumentFileWriter::mappedPathIsWrittenAndNamed()
{
    CmnCreateMappedFoldersStore();
    CmnGetMappedFoldersStore()->AddMapping(QStringLiteral("/elsewhere/Data"), m_Folder->path());
    const CCmnMappedPath path(QStringLiteral("/elsewhere/Data/a.orv"));
    QCOMPARE(path.m_MappedPath, PathOf("a.orv"));
    CCmnDocumentFileWriter writer(path);
    QCOMPARE(writer.Write(Writes("new")), QString());
    QCOMPARE(FileBytes(PathOf("a.orv")), QByteArray("new"));

    QVERIFY(QDir(m_Folder->path()).mkdir(QStringLiteral("a.orv_1")));
    const QString error = writer.Write(Writes("newer"));
    const QString named = QStringLiteral("(%1 [mapped to %2])")
                              .arg(QDir::toNativeSeparators(QStringLiteral("/elsewhere/Data/a.orv_1")),
                                   QDir::toNativeSeparators(PathOf("a.orv_1")));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot open file for writing ") + named), qPrintable(error));
    QCOMPARE(FileBytes(PathOf("a.orv")), QByteArray("new"));
}

void TestCmnDocumentFileWriter::interruptedSaveIsNamed_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("note");

    const QString previous = QStringLiteral("A save of this file was interrupted. The previous version is kept as '%1'.");
    const QString rename = QStringLiteral(" Rename one of them to 'a.orv' to open it.");
    QTest::newRow("cut off between the renames")
        << QStringList{"a.orv_1", "a.orv_2"}
        << previous + QStringLiteral(" The version being saved is kept as '%2'.") + rename;
    QTest::newRow("only the backup left") << QStringList{"a.orv_2"} << previous + rename;
    QTest::newRow("document in place") << QStringList{"a.orv", "a.orv_1", "a.orv_2"} << QString();
    QTest::newRow("only a temporary file") << QStringList{"a.orv_1"} << QString();
}

void TestCmnDocumentFileWriter::interruptedSaveIsNamed()
{
    QFETCH(QStringList, files);
    QFETCH(QString, note);

    for (const QString &name : files)
        PutFile(PathOf(name), name.toUtf8());
    if (!note.isEmpty())
        note = note.arg(QDir::toNativeSeparators(PathOf("a.orv_2")), QDir::toNativeSeparators(PathOf("a.orv_1")));
    QCOMPARE(CCmnDocumentFileWriter::InterruptedSaveNote(CCmnMappedPath(PathOf("a.orv"))), note);
}

QTEST_GUILESS_MAIN(TestCmnDocumentFileWriter)
#include "tst_cmndocumentfilewriter.moc"
