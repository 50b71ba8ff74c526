#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregpedigreesettings.h"
#include "cmnappdescriptor.h"
#include "cmndatastream.h"
#include "cmniocompressor.h"
#include "cmnpagesetup.h"
#include "cmnthemeset.h"
#include "document.h"
#include "documentfile.h"
#include "documentfuzzharness.h"
#include "documentsettings.h"
#include "fuzzmutations.h"
#include "oldthemetesting.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QtTest>

namespace {

// Settings away from the defaults in every block, with a user field and a saved theme.
CDocumentSettings EditedSettings()
{
    CDocumentSettings settings;
    settings.m_GeneralSettings.m_EmbedPhotos = true;
    CCmnRegUserFieldSet fields;
    fields.AddField(QStringLiteral("Smith & Jones <UK>"), CCmnRegUserField(1, CCmnRegFieldDef()));
    settings.m_FieldsSettings.SetUserFields(fields);
    settings.RefreshBuiltInFields();
    settings.m_PrintParams->m_PrinterName = QStringLiteral("Kennel");
    settings.m_Themes->m_NamedThemes.insert(QStringLiteral("Show"), CCmnTheme());
    settings.m_PedigreeSettings->m_Generations = 5;
    return settings;
}

// The inflated stream our writer gives for a small pedigree.
QByteArray DocumentSeed()
{
    CDocument document(false);
    const QSharedPointer<CBioReg> reg = document.GetRegister();
    const int sire = reg->AddNamedRecord(QStringLiteral("Sire"), true);
    const int dam = reg->AddNamedRecord(QStringLiteral("Dam"), true);
    const int foal = reg->AddNamedRecord(QStringLiteral("Smith & Jones <UK>"), true);
    reg->GetBioRecord(foal)->m_Sire = sire;
    reg->GetBioRecord(foal)->m_Dam = dam;
    reg->RebuildParentIndex();
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (!CDocumentFile::Write(file, document, EditedSettings()).isEmpty())
        return QByteArray();
    file.close();
    file.open(QIODevice::ReadOnly);
    CCmnIOCompressor device(&file, CDocumentFile::kCompressionLevel, CDocumentFile::kBufferSize);
    device.open(QIODevice::ReadOnly);
    return device.readAll();
}

QByteArray BlockSeed(EDocumentFuzzBlock block, const QByteArray &bytes)
{
    return QByteArray(1, char(block)) + bytes;
}

// Every seed the fuzz targets start from, by target and name.
QList<std::tuple<QString, QString, QByteArray>> Seeds()
{
    const CDocumentSettings settings = EditedSettings();
    const TCmnByteArrayHash table = settings.ToHash();
    QList<std::tuple<QString, QString, QByteArray>> seeds;
    seeds.append({"file", "pedigree", DocumentSeed()});
    const QList<std::pair<EDocumentFuzzBlock, const char *>> blocks = {
        {DocumentFuzzGeneral, kDocumentGeneralKey},     {DocumentFuzzFields, kDocumentFieldsSettingsKey},
        {DocumentFuzzPageSetup, kDocumentPrintParamsKey}, {DocumentFuzzThemes, kDocumentThemesKey},
        {DocumentFuzzCoverSheet, kDocumentCoverSheetKey}, {DocumentFuzzPedigree, kDocumentPedigreeKey},
        {DocumentFuzzTrialMating, kDocumentTrialMatingKey}};
    for (const auto &block : blocks)
        seeds.append({"settingsblock", QString::fromLatin1(block.second).toLower(),
                      BlockSeed(block.first, table.value(QLatin1String(block.second)))});
    seeds.append({"settingstable", "edited", CmnStreamBytes([&table](QDataStream &out) {
                      CDocumentFile::WriteSettingsTable(out, table);
                  })});
    // A file of an earlier release: its themes only in the older block.
    CTestOldThemeSet older;
    older.current = EditedOldTheme(QStringLiteral("Smith & Jones <UK>"));
    older.named = {{QStringLiteral("Show"), EditedOldTheme(QStringLiteral("Show"))}};
    const TCmnByteArrayHash olderTable{{QLatin1String(kDocumentOldThemesKey), WriteTestOldThemeSet(older)}};
    seeds.append({"settingstable", "olderthemes", CmnStreamBytes([&olderTable](QDataStream &out) {
                      CDocumentFile::WriteSettingsTable(out, olderTable);
                  })});
    return seeds;
}

int Run(const QString &target, const QByteArray &input)
{
    if (target == QLatin1String("file"))
        return DocumentFuzzFile(input);
    if (target == QLatin1String("settingsblock"))
        return DocumentFuzzSettingsBlock(input);
    return DocumentFuzzSettingsTable(input);
}

} // namespace

class TestDocumentFuzz : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void seedsRead_data();
    void seedsRead();
    void cutsAndChangesNeverBreakTheReader_data();
    void cutsAndChangesNeverBreakTheReader();
};

void TestDocumentFuzz::initTestCase()
{
    CmnGetAppDescriptor().m_ProductName = QStringLiteral("Orvanta");
    // With ORV_FUZZ_SEED_DIR set, the seeds are written there, one folder a target,
    // as the corpora the fuzz targets start from.
    const QString seedDir = qEnvironmentVariable("ORV_FUZZ_SEED_DIR");
    if (seedDir.isEmpty())
        return;
    for (const auto &[target, name, bytes] : Seeds()) {
        const QString folder = seedDir + QStringLiteral("/fuzz_document") + target;
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
}

void TestDocumentFuzz::seedsRead_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("seed");
    for (const auto &[target, name, bytes] : Seeds())
        QTest::newRow(qPrintable(target + QLatin1Char(' ') + name)) << target << bytes;
}

void TestDocumentFuzz::seedsRead()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, seed);
    QCOMPARE(Run(target, seed), 1);
}

void TestDocumentFuzz::cutsAndChangesNeverBreakTheReader_data()
{
    seedsRead_data();
}

void TestDocumentFuzz::cutsAndChangesNeverBreakTheReader()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, seed);
    int broken = 0;
    QByteArray first;
    const auto run = [&](const QByteArray &input) {
        if (Run(target, input) < 0 && broken++ == 0)
            first = input;
    };
    // The file and the table are too long to cut and change byte by byte in a
    // test run; their blocks get that one by one.
    if (target == QLatin1String("settingsblock"))
        OrvFuzzCutsAndByteChanges(seed, 1, run);
    OrvFuzzMutations(seed, 1, 300, target == QLatin1String("settingsblock") ? 1 : 0, run);
    QVERIFY2(broken == 0, first.toHex().constData());
}

QTEST_MAIN(TestDocumentFuzz)
#include "tst_documentfuzz.moc"
