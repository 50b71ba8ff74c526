#include "cmninbuiltsamplefolder.h"
#include "cmntextfile.h"
#include "fuzzmutations.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList Names(const QList<CCmnInbuiltSample> &samples)
{
    QStringList names;
    for (const CCmnInbuiltSample &sample : samples)
        names << sample.m_Name;
    return names;
}

} // namespace

class TestCmnInbuiltSampleFolder : public QObject
{
    Q_OBJECT
private slots:
    void configLines_data();
    void configLines();
    void infoLines_data();
    void infoLines();
    void readsFolderSortedSkippingDamage();
    void emptyFolderKeepsDefaults();
    void damagedFilesNeverCrash();
};

void TestCmnInbuiltSampleFolder::configLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    QTest::newRow("none") << QStringList() << "Examples" << "Select an example" << 0.5 << 0.5;
    QTest::newRow("shipped") << QStringList{"TITLE=Sample Pedigrees", "LABEL=Select a sample pedigree",
                                            "WIDTHPERCENT=40", "HEIGHTPERCENT=40"}
                             << "Sample Pedigrees" << "Select a sample pedigree" << 0.4 << 0.4;
    QTest::newRow("below ten") << QStringList{"WIDTHPERCENT=5"} << "Examples" << "Select an example" << 0.1 << 0.5;
    QTest::newRow("above hundred") << QStringList{"WIDTHPERCENT=250", "HEIGHTPERCENT=100"} << "Examples"
                                   << "Select an example" << 1.0 << 1.0;
    QTest::newRow("not a number") << QStringList{"WIDTHPERCENT=abc", "HEIGHTPERCENT=40%"} << "Examples"
                                  << "Select an example" << 0.1 << 0.1;
    QTest::newRow("keys in any case, blanks trimmed")
        << QStringList{"  title = A = B ", "Label=", "heightpercent= 60"} << "A = B" << "" << 0.5 << 0.6;
    QTest::newRow("later line wins, other lines skipped")
        << QStringList{"TITLE=One", "no equals sign", "COLOUR=red", "=x", "TITLE=Two"} << "Two"
        << "Select an example" << 0.5 << 0.5;
}

void TestCmnInbuiltSampleFolder::configLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, title);
    QFETCH(QString, label);
    QFETCH(double, width);
    QFETCH(double, height);

    CCmnInbuiltSampleFolder folder;
    folder.ApplyConfigLines(lines);
    QCOMPARE(folder.m_Title, title);
    QCOMPARE(folder.m_Label, label);
    QCOMPARE(folder.m_WidthFraction, width);
    QCOMPARE(folder.m_HeightFraction, height);
}

void TestCmnInbuiltSampleFolder::infoLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("sortKey");
    QTest::addColumn<QString>("description");

    QTest::newRow("shipped form") << QStringList{"NAME Dog Pedigree", "DATA dog.orv", "", "<p>Dogs.</p>", "",
                                                 "<p>More.</p>"}
                                  << true << "Dog Pedigree" << "dog.orv" << "Dog Pedigree"
                                  << "<p>Dogs.</p>\n\n<p>More.</p>";
    QTest::newRow("no DATA line") << QStringList{"NAME Dog Pedigree", "<p>Dogs.</p>"} << false << "" << ""
                                  << "" << "";
    QTest::newRow("no NAME line") << QStringList{"DATA dog.orv"} << false << "" << "" << "" << "";
    QTest::newRow("second NAME joins the description")
        << QStringList{"NAME One", "NAME Two", "DATA one.orv", "DATA two.orv"} << true << "One" << "one.orv"
        << "One" << "NAME Two\nDATA two.orv";
    QTest::newRow("keys in lower case") << QStringList{"name dog", "data  dog.orv ", "sort 01"} << true << "dog"
                                        << "dog.orv" << "01" << "";
    QTest::newRow("empty value keeps looking")
        << QStringList{"NAME   ", "DATA x.orv", "NAME Late"} << true << "Late" << "x.orv" << "Late" << "";
    QTest::newRow("key without its blank is text") << QStringList{"NAME:Dog", "NAMEDog", "NAME Dog", "DATA d"}
                                                   << true << "Dog" << "d" << "Dog" << "NAME:Dog\nNAMEDog";
    QTest::newRow("description lines keep their blanks")
        << QStringList{"NAME A", "DATA a", "  <p>x</p>  "} << true << "A" << "a" << "A" << "  <p>x</p>  ";
}

void TestCmnInbuiltSampleFolder::infoLines()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, valid);
    QFETCH(QString, name);
    QFETCH(QString, data);
    QFETCH(QString, sortKey);
    QFETCH(QString, description);

    CCmnInbuiltSample sample;
    QCOMPARE(CCmnInbuiltSampleFolder::ParseInfoLines(lines, &sample), valid);
    if (!valid)
        return;
    QCOMPARE(sample.m_Name, name);
    QCOMPARE(sample.m_DataFileName, data);
    QCOMPARE(sample.m_SortKey, sortKey);
    QCOMPARE(sample.m_Description, description);
}

void TestCmnInbuiltSampleFolder::readsFolderSortedSkippingDamage()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.path();
    QVERIFY(WriteFile(path + "/Config.TXT", "TITLE=Mine\r\nWIDTHPERCENT=70\r\n"));
    QVERIFY(WriteFile(path + "/b.info", "NAME beagle\nDATA b.orv\n"));
    QVERIFY(WriteFile(path + "/c.INFO", "NAME Collie\nDATA c.orv\n"));
    QVERIFY(WriteFile(path + "/a.info", "NAME Akita\nDATA a.orv\n"));
    QVERIFY(WriteFile(path + "/z.info", "NAME Zebu\nDATA z.orv\nSORT 0\n"));
    // Damaged or foreign files: binary, no document, too large, not an ".info".
    QVERIFY(WriteFile(path + "/binary.info", QByteArray("\xff\xfe\x00\xd8NAME x", 10)));
    QVERIFY(WriteFile(path + "/nodata.info", "NAME Lonely\n\n<p>No document.</p>\n"));
    QVERIFY(WriteFile(path + "/huge.info", "NAME Huge\nDATA h.orv\n" + QByteArray(2 * 1024 * 1024, 'x')));
    QVERIFY(WriteFile(path + "/other.txt", "NAME Other\nDATA o.orv\n"));
    QVERIFY(QDir(path).mkdir("folder.info"));

    CCmnInbuiltSampleFolder folder;
    folder.Read(path);
    QCOMPARE(folder.m_Title, QStringLiteral("Mine"));
    QCOMPARE(folder.m_WidthFraction, 0.7);
    // Character codes: upper case before lower case.
    QCOMPARE(Names(folder.m_Samples), (QStringList{"Zebu", "Akita", "Collie", "beagle"}));
    QCOMPARE(folder.m_Samples.at(1).m_DataFileName, QStringLiteral("a.orv"));
}

void TestCmnInbuiltSampleFolder::emptyFolderKeepsDefaults()
{
    CCmnInbuiltSampleFolder folder;
    folder.m_Title = QStringLiteral("Stale");
    folder.m_Samples.append({"k", "n", "d", "x"});
    QTemporaryDir dir;
    folder.Read(dir.path());
    QCOMPARE(folder.m_Title, QStringLiteral("Examples"));
    QVERIFY(folder.m_Samples.isEmpty());
    folder.Read(dir.path() + "/missing");
    QVERIFY(folder.m_Samples.isEmpty());
}

// Cuts and mutations of a good ".info" and "config.txt", read as the folder reads
// its files: whatever the bytes, the size stays in range and a sample always has
// a name, a document and a sort key.
void TestCmnInbuiltSampleFolder::damagedFilesNeverCrash()
{
    const QByteArray seed("\xef\xbb\xbfNAME Dog Pedigree\r\nDATA dog.orv\r\nSORT 1\r\n\r\n<p>Dogs.</p>\r\n"
                          "TITLE=Samples\nLABEL=Pick\nWIDTHPERCENT=40\nHEIGHTPERCENT=250\n");
    qsizetype samples = 0;
    const auto run = [&samples](const QByteArray &bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const QStringList lines = CmnReadTextDeviceLines(buffer);
        CCmnInbuiltSampleFolder folder;
        folder.ApplyConfigLines(lines);
        QVERIFY(folder.m_WidthFraction >= 0.1 && folder.m_WidthFraction <= 1.0);
        QVERIFY(folder.m_HeightFraction >= 0.1 && folder.m_HeightFraction <= 1.0);
        CCmnInbuiltSample sample;
        if (CCmnInbuiltSampleFolder::ParseInfoLines(lines, &sample)) {
            QVERIFY(!sample.m_Name.isEmpty() && !sample.m_DataFileName.isEmpty() && !sample.m_SortKey.isEmpty());
            ++samples;
        }
    };
    OrvFuzzCutsAndByteChanges(seed, 0, run, QByteArray("\n\r =AD0\xff\x00", 9));
    OrvFuzzMutations(seed, 50, 3000, 0, run);
    QVERIFY(samples > 0);
}

QTEST_GUILESS_MAIN(TestCmnInbuiltSampleFolder)
#include "tst_cmninbuiltsamplefolder.moc"
