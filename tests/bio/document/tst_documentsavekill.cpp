#include "bioreg.h"
#include "bioregrecord.h"
#include "cmndocumentfilewriter.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettings.h"
#include "../reg/bioregtesting.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>

// A process saving a large document is killed at random moments; every time the
// document's name must open as a complete document, the one saved before or the
// one being saved.
namespace {

const char kChildVariable[] = "ORV_SAVE_KILL_CHILD";
constexpr int kKills = 20;
constexpr qint64 kChunkBytes = 64 * 1024;

bool FillPedigree(CBioReg &reg, const CTestPedigreeFile &file)
{
    if (!AddPedigreeAnimals(reg, file, file.Count()))
        return false;
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();
    return true;
}

// Tells the parent how far it got; the parent kills on a line of its choosing.
void Report(const QByteArray &line)
{
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// The file as the writer sees it, saying every so often how much has gone in, so
// that a kill can land part-way through the file.
class CReportingDevice : public QIODevice
{
public:
    explicit CReportingDevice(QIODevice &file)
        : m_File(file)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if ((m_Written += size) >= kChunkBytes) {
            m_Written = 0;
            Report("chunk");
        }
        return m_File.write(data, size);
    }

private:
    QIODevice &m_File;
    qint64 m_Written = 0;
};

// The child: saves the pedigree again and again, each time under a new name on
// its first animal, and says so after each save.
int RunSavingChild(const QString &path)
{
    const CTestPedigreeFile file = ReadTestPedigree(TestPedigreeDir() + QStringLiteral("/genea140.csv"));
    if (!file.error.isEmpty())
        return 2;
    CDocument document(false);
    if (!FillPedigree(*document.GetRegister(), file))
        return 2;
    const CDocumentSettings settings;
    const CCmnDocumentFileWriter::TFileSteps system = CCmnDocumentFileWriter::SystemFileSteps();
    CCmnDocumentFileWriter::TFileSteps steps;
    steps.m_Link = [system](const QString &from, const QString &to) { Report("link"); return system.m_Link(from, to); };
    steps.m_Rename = [system](const QString &from, const QString &to) {
        Report("rename");
        return system.m_Rename(from, to);
    };
    steps.m_Remove = [system](const QString &path) { Report("remove"); return system.m_Remove(path); };
    for (int save = 1;; ++save) {
        document.GetRegister()->GetBioRecord(1)->m_Name = QStringLiteral("save %1").arg(save);
        CCmnDocumentFileWriter writer{CCmnMappedPath(path)};
        writer.SetFileSteps(steps);
        const QString error = writer.Write([&](QIODevice &device) {
            CReportingDevice reporting(device);
            return CDocumentFile::Write(reporting, document, settings);
        });
        if (!error.isEmpty())
            return 3;
        Report("saved " + QByteArray::number(save));
    }
}

// The name of the first animal of the document at the path; empty when it does
// not open as a whole document of the expected size.
QString OpenedFirstName(const QString &path, int expectedCount)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    CDocument document(false);
    CDocumentSettings settings;
    QString warning;
    QStringList messages;
    if (!CDocumentFile::Read(file, document, settings, nullptr, warning, messages).isEmpty()
        || document.GetRegister()->GetRecordCount() != expectedCount)
        return QString();
    return document.GetRegister()->GetBioRecord(1)->m_Name;
}

} // namespace

class TestDocumentSaveKill : public QObject
{
    Q_OBJECT
private slots:
    void documentSurvivesAKillAtAnyMoment();
};

void TestDocumentSaveKill::documentSurvivesAKillAtAnyMoment()
{
    const QString dir = TestPedigreeDir();
    if (dir.isEmpty())
        QSKIP("the shared pedigree files are not there");
    const CTestPedigreeFile pedigree = ReadTestPedigree(dir + QStringLiteral("/genea140.csv"));
    QVERIFY2(pedigree.error.isEmpty(), qPrintable(pedigree.error));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kennel.orv"));
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    // The save's moments in the order they come; the chunks are many, so a kill
    // lands among them as often as at a rename.
    const QByteArrayList moments{"chunk", "link", "rename", "remove", "saved"};
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildVariable), path);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        // The first kill comes before anything was ever saved; later ones in a
        // save after at least one that finished.
        const QByteArray target = moments.at(random.bounded(moments.size()));
        const int skip = target == "chunk" ? int(random.bounded(40)) : 0;
        int seen = 0;
        int lastSaved = 0;
        bool killed = false;
        while (!killed && child.waitForReadyRead(60000)) {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("saved "))
                    lastSaved = line.mid(6).toInt();
                if (kill > 0 && lastSaved == 0)
                    continue;
                if (line.startsWith(target) && seen++ >= skip) {
                    ::kill(pid_t(child.processId()), SIGKILL);
                    killed = true;
                    break;
                }
            }
        }
        QVERIFY2(killed, qPrintable(QStringLiteral("kill %1 at %2: the child ended first").arg(kill).arg(target)));
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // The child ran on while its lines waited in the pipe.
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            if (line.startsWith("saved "))
                lastSaved = line.mid(6).toInt();
        }
        if (!QFile::exists(path)) {
            // Only a kill before the very first save may find no document.
            QCOMPARE(kill, 0);
            QCOMPARE(lastSaved, 0);
            continue;
        }
        const QString name = OpenedFirstName(path, pedigree.Count());
        QVERIFY2(!name.isEmpty(), qPrintable(QStringLiteral("kill %1 at %2 left a broken file").arg(kill).arg(target)));
        const QStringList expected{QStringLiteral("save %1").arg(lastSaved), QStringLiteral("save %1").arg(lastSaved + 1)};
        QVERIFY2(expected.contains(name), qPrintable(name));
    }
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString childPath = qEnvironmentVariable(kChildVariable);
    if (!childPath.isEmpty())
        return RunSavingChild(childPath);
    TestDocumentSaveKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_documentsavekill.moc"
