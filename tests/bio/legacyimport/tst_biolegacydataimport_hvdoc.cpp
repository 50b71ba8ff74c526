#include "biolegacyconfigflags.h"
#include "biolegacydatafiles.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacyentityfactory.h"
#include "biolegacyschemas.h"
#include "biolegacyspeciesflags.h"
#include "legacyarchivetesting.h"
#include "legacydocumentwriter.h"
#include "legacyfilewriter.h"
#include "legacysamplefiles.h"

#include <QBuffer>
#include <QTest>

namespace {

const QString kBadFormat = QStringLiteral("invalid/unrecognized file format");

QString LoadBytes(CBioLegacyDataImport_HvDoc &doc, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return doc.Load(&buffer);
}

QByteArray TextOf(CBioLegacyDataImport_Ent *entity, int id)
{
    return entity ? entity->TextValue(id) : QByteArray("<none>");
}

} // namespace

class TestBioLegacyDataImportHvDoc : public QObject
{
    Q_OBJECT
private slots:
    void recognisesExtensions_data();
    void recognisesExtensions();
    void loadsFilesOfEachProduct_data();
    void loadsFilesOfEachProduct();
    void recordsReadBackWhatWasWritten_data();
    void recordsReadBackWhatWasWritten();
    void referenceToMissingRecordIsNone();
    void damagedFilesFailWithOneMessage_data();
    void damagedFilesFailWithOneMessage();
    void everyCutOfAFileFails();
    void clusterOffsetsAreChecked_data();
    void clusterOffsetsAreChecked();
    void cacheTrimsLeastRecentClusters();
};

void TestBioLegacyDataImportHvDoc::recognisesExtensions_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("halvane");
    QTest::addColumn<bool>("dunmarra");
    QTest::newRow("BDB") << "BDB" << true << false;
    QTest::newRow("rdf") << "rdf" << true << false;
    QTest::newRow("Gpd") << "Gpd" << false << true;
    QTest::newRow("cpd") << "cpd" << false << true;
    QTest::newRow("txt") << "txt" << false << false;
    QTest::newRow("orv") << "orv" << false << false;
}

void TestBioLegacyDataImportHvDoc::recognisesExtensions()
{
    QFETCH(QString, extension);
    QFETCH(bool, halvane);
    QFETCH(bool, dunmarra);
    QCOMPARE(BioIsHvDataFileExtension(extension), halvane);
    QCOMPARE(BioIsDmDataFileExtension(extension), dunmarra);
    QCOMPARE(BioIsLegacyDataFileExtension(extension), halvane || dunmarra);
    QVERIFY(BioHvDataFilesFilter().contains(QLatin1String("Halvane Data Files")));
    QVERIFY(BioHvDataFilesFilter().contains(QLatin1String("*.rdf")));
    QVERIFY(BioDmDataFilesFilter().contains(QLatin1String("*.gpd")));
}

void TestBioLegacyDataImportHvDoc::loadsFilesOfEachProduct_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("registers");
    QTest::addColumn<QByteArrayList>("flags");
    QTest::newRow("dog") << QByteArray("dog") << 9 << QByteArrayList {"APP_HV", "CONFIG_DOG", "HAS_SHOWINGS"};
    QTest::newRow("horse") << QByteArray("horse") << 8 << QByteArrayList {"APP_HV", "HAS_HORSE_SPECIFICS"};
    QTest::newRow("cat") << QByteArray("cat") << 9 << QByteArrayList {"APP_HV", "HAS_CAT_SPECIFICS"};
    QTest::newRow("dmdog") << QByteArray("dmdog") << 2 << QByteArrayList {"APP_DM", "HAS_DOG_SPECIFICS"};
}

void TestBioLegacyDataImportHvDoc::loadsFilesOfEachProduct()
{
    QFETCH(QByteArray, species);
    QFETCH(int, registers);
    QFETCH(QByteArrayList, flags);
    const QByteArray bytes = LegacySampleFile(species, registers);
    BioLegacyConfigFlagsClear();
    CBioLegacyDataImport_HvDoc doc;
    QCOMPARE(LoadBytes(doc, bytes), QString());
    QCOMPARE(doc.SpeciesCode(), species);
    QCOMPARE(doc.RegisterCount(), registers);
    for (const QByteArray &flag : flags)
        QVERIFY2(BioLegacyConfigFlagIsSet(flag.constData()), flag.constData());
    QCOMPARE(BioLegacyConfigFlagIsSet("HAS_SHOWINGS"), registers == 9);
    for (int kind = 0; kind < registers; ++kind)
        QCOMPARE(doc.RegisterOfKind(kind)->Kind(), kind);
    QCOMPARE(doc.RegisterOfKind(registers), nullptr);
    QCOMPARE(doc.RegisterOfKind(1)->Map().IdsInUse(), species.startsWith("dm") ? 3u : 4u);
    QVERIFY(dynamic_cast<const CBioLegacyDataImport_AnimalRegTransientState *>(doc.RegisterOfKind(1)->TransientState()));
    QVERIFY(!dynamic_cast<const CBioLegacyDataImport_AnimalRegTransientState *>(doc.RegisterOfKind(0)->TransientState()));
}

void TestBioLegacyDataImportHvDoc::recordsReadBackWhatWasWritten_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("registers");
    QTest::addColumn<int>("version");
    QTest::newRow("dog, newest records") << QByteArray("dog") << 9 << -1;
    QTest::newRow("cat, version 0 records") << QByteArray("cat") << 9 << 0;
    QTest::newRow("cat, version 12 records") << QByteArray("cat") << 9 << 12;
    QTest::newRow("horse, version 6 records") << QByteArray("horse") << 8 << 6;
    QTest::newRow("dmdog") << QByteArray("dmdog") << 2 << -1;
}

void TestBioLegacyDataImportHvDoc::recordsReadBackWhatWasWritten()
{
    QFETCH(QByteArray, species);
    QFETCH(int, registers);
    QFETCH(int, version);
    const QByteArray bytes = LegacySampleFile(species, registers, version);
    // Another species loaded in between: the load must rebuild schemas and lists.
    BioLegacySetSpeciesFlags("rat");
    CBioLegacyDataImport_HvDoc doc;
    QCOMPARE(LoadBytes(doc, bytes), QString());
    const bool halvane = !species.startsWith("dm");
    const int name = halvane ? 15 : 34;
    CBioLegacyDataImport_Reg *animals = doc.RegisterOfKind(1);
    QCOMPARE(TextOf(animals->GetEntity(3), name), QByteArray("Bella"));
    QCOMPARE(TextOf(animals->GetEntity(40), name), QByteArray("Max"));
    QCOMPARE(TextOf(animals->GetEntity(41), name), QByteArray("Ghost's son"));
    const auto *sire = static_cast<CBioLegacyDataImport_RefFieldVal *>(animals->GetEntity(3)->FindValue(halvane ? 27 : 45));
    QVERIFY(sire && !sire->IsNull());
    QCOMPARE(sire->value, 40);
    QCOMPARE(animals->GetEntity(3)->RecordId(), 3);
    if (halvane) {
        QCOMPARE(TextOf(animals->GetEntity(42), 15), QByteArray("Rex"));
        QCOMPARE(animals->StringPairs(), QList<CBioLegacyStringPair>({{"UserText1", "Colour Notes"}}));
        QVERIFY(animals->GetEntity(3)->BoolValue(425));
    }
    QCOMPARE(TextOf(doc.RegisterOfKind(0)->GetEntity(1), halvane ? 96 : 65), QByteArray("Smith & Jones <UK>"));
}

void TestBioLegacyDataImportHvDoc::referenceToMissingRecordIsNone()
{
    CBioLegacyDataImport_HvDoc doc;
    QCOMPARE(LoadBytes(doc, LegacySampleFile("dog", 9)), QString());
    CBioLegacyDataImport_Reg *animals = doc.RegisterOfKind(1);
    const auto *sire = static_cast<CBioLegacyDataImport_RefFieldVal *>(animals->GetEntity(41)->FindValue(27));
    QCOMPARE(sire->value, 999);
    for (const qint32 id : {999, 4, 0, -1, 1048575, 1048576, INT_MAX, INT_MIN})
        QCOMPARE(animals->GetEntity(id), nullptr);
    // The same id gives the same entity, decoded once.
    CBioLegacyDataImport_Ent *first = animals->GetEntity(40);
    QCOMPARE(animals->GetEntity(40), first);
    QCOMPARE(animals->LoadedCount(), 2);
}

void TestBioLegacyDataImportHvDoc::damagedFilesFailWithOneMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = LegacySampleFile("dog", 9);
    QByteArray badTag = good;
    badTag[0] = '\x14';
    QByteArray version13 = good;
    version13[2] = 13;
    QByteArray unknownSpecies = good;
    unknownSpecies[5] = 'x';   // "dox"
    QTest::newRow("bad tag") << badTag;
    QTest::newRow("version 13") << version13;
    QTest::newRow("unknown species") << unknownSpecies;
    QTest::newRow("empty species") << WriteTestLegacyFile("", true, {});
    QTest::newRow("empty file") << QByteArray();
    // The map block of the contact register sits after its tag, version and a dword.
    const int mapBlock = good.indexOf(QByteArray::fromHex("8e00"));
    QByteArray flipped = good;
    flipped[mapBlock + 2] = char(flipped.at(mapBlock + 2) ^ 0x01);
    QTest::newRow("flipped byte in a checksum block") << flipped;
    QTest::newRow("truncated") << good.left(good.size() - 1);
}

void TestBioLegacyDataImportHvDoc::damagedFilesFailWithOneMessage()
{
    QFETCH(QByteArray, bytes);
    CBioLegacyDataImport_HvDoc doc;
    QCOMPARE(LoadBytes(doc, bytes), kBadFormat);
}

void TestBioLegacyDataImportHvDoc::everyCutOfAFileFails()
{
    const QByteArray good = LegacySampleFile("dmdog", 2);
    for (int length = 0; length < good.size(); ++length) {
        CBioLegacyDataImport_HvDoc doc;
        QVERIFY2(LoadBytes(doc, good.left(length)) == kBadFormat, qPrintable(QString::number(length)));
    }
}

void TestBioLegacyDataImportHvDoc::clusterOffsetsAreChecked_data()
{
    QTest::addColumn<QList<quint32>>("offsets");
    QTest::addColumn<int>("dataLength");
    QTest::addColumn<bool>("ok");
    QList<quint32> good(65, 10);
    good[0] = 0;
    good[1] = 4;
    QTest::newRow("header 4, record 6, rest empty") << good << 10 << true;
    QList<quint32> lastShort = good;
    lastShort[64] = 9;
    QTest::newRow("last offset not the length") << lastShort << 10 << false;
    QList<quint32> decreasing = good;
    decreasing[2] = 3;
    QTest::newRow("offset going back") << decreasing << 10 << false;
    QList<quint32> firstNotZero = good;
    firstNotZero[0] = 1;
    QTest::newRow("first offset not 0") << firstNotZero << 10 << false;
}

void TestBioLegacyDataImportHvDoc::clusterOffsetsAreChecked()
{
    QFETCH(QList<quint32>, offsets);
    QFETCH(int, dataLength);
    QFETCH(bool, ok);
    BioLegacySetSpeciesFlags("dmdog");
    CTestLegacyWriter w;
    w.Tag16(0xFD07, 1).BeginBlock().U8(1);
    for (const quint32 offset : offsets)
        w.U16(offset);
    w.EndBlock().DataBlock(QByteArray(dataLength, '\0'));
    CLegacyTestArchive archive(w.Bytes());
    CBioLegacyDataImport_Cluster cluster(nullptr, 0);
    QCOMPARE(cluster.Read(*archive), ok);
    if (ok) {
        QVERIFY(cluster.RecordIsConsistent(0));
        QVERIFY(!cluster.RecordIsConsistent(1));
    }
}

void TestBioLegacyDataImportHvDoc::cacheTrimsLeastRecentClusters()
{
    PrepareLegacySchemas("dmgeneric");
    CTestLegacyRegister animals;
    animals.animal = true;
    const QByteArray record = LegacySampleAnimalRecord(1, "A", 0, 0);
    animals.dictionaryIds = {34};
    animals.dictionaries = {{"A"}};
    for (int id = 0; id < 20001; ++id)
        animals.records.insert(id, record);
    const QByteArray bytes = WriteTestLegacyFile("dmgeneric", false, {CTestLegacyRegister(), animals});
    CBioLegacyDataImport_HvDoc doc;
    QCOMPARE(LoadBytes(doc, bytes), QString());
    CBioLegacyDataImport_Reg *reg = doc.RegisterOfKind(1);
    for (int id = 0; id < 20001; ++id)
        QVERIFY(reg->GetEntity(id));
    QCOMPARE(reg->LoadedCount(), 20001);
    reg->TrimCache();
    QVERIFY(reg->LoadedCount() <= 10000);
    QVERIFY(reg->LoadedCount() >= 9969);
    // The most recent records stayed; the oldest went and decode again on demand.
    QCOMPARE(TextOf(reg->GetEntity(20000), 34), QByteArray("A"));
    QCOMPARE(reg->LoadedCount() <= 10001, true);
    QCOMPARE(TextOf(reg->GetEntity(0), 34), QByteArray("A"));
    reg->TrimCache();
    QCOMPARE(reg->LoadedCount() <= 10002, true);
}

QTEST_GUILESS_MAIN(TestBioLegacyDataImportHvDoc)
#include "tst_biolegacydataimport_hvdoc.moc"
