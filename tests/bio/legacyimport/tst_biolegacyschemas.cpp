#include "biolegacyconfigflags.h"
#include "biolegacydataimport_recordiditerator.h"
#include "biolegacyentityfactory.h"
#include "biolegacyschemas.h"
#include "biolegacyspeciesflags.h"
#include "legacyarchivetesting.h"
#include "legacyfilewriter.h"

#include <QTest>

namespace {

// The schemas as the loader builds them for a file of the species.
void BuildSchemasFor(const QByteArray &species)
{
    BioLegacySetSpeciesFlags(species);
    BuildLegacyContactSchema();
    BuildLegacyAnimalSchema();
    BuildLegacyMatingSchema();
    BuildLegacyVetRecSchema();
    BuildLegacyJabRecSchema();
    BuildLegacyTrialMatingSchema();
    BuildLegacyApptSchema();
    BuildLegacyAcctSchema();
    if (BioLegacyConfigFlagIsSet("HAS_SHOWINGS"))
        BuildLegacyShowingSchema();
}

const CBioLegacyDataImport_FieldIdSet &GroupOf(int kind, EBioLegacyGroup group)
{
    return LegacySchemaOfKind(kind).Group(group);
}

} // namespace

class TestBioLegacySchemas : public QObject
{
    Q_OBJECT
private slots:
    void speciesFlags_data();
    void speciesFlags();
    void kindsHaveTheirBytesAndVersions_data();
    void kindsHaveTheirBytesAndVersions();
    void fieldPlaceDependsOnSpecies_data();
    void fieldPlaceDependsOnSpecies();
    void contactDictionaryFollowsShows_data();
    void contactDictionaryFollowsShows();
    void missingBooleansTakeTheirDefaults_data();
    void missingBooleansTakeTheirDefaults();
    void neitherProductLeavesSchemasEmpty();
    void unknownKindsGiveTheContactSchema();
    void entityMakesValuesOnDemand_data();
    void entityMakesValuesOnDemand();
    void factoryMakesEveryKind();
    void iteratorWalksTheMap_data();
    void iteratorWalksTheMap();
    void mapReadChecksItsNumbers_data();
    void mapReadChecksItsNumbers();
};

void TestBioLegacySchemas::speciesFlags_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("product");
    QTest::addColumn<QByteArrayList>("set");
    QTest::addColumn<QByteArrayList>("clear");

    QTest::newRow("dog") << QByteArray("dog") << int(EBioLegacyProduct::Halvane)
                         << QByteArrayList {"APP_HV", "CONFIG_DOG", "HAS_SHOWINGS", "HAS_CONTACT_PREFIXES",
                                            "HAS_ANIMAL_BREED_GROUP", "HAS_SHOWING_WINNERS"}
                         << QByteArrayList {"APP_DM", "HAS_CAT_SPECIFICS", "HAS_ANIMAL_CAGE"};
    QTest::newRow("generic") << QByteArray("generic") << int(EBioLegacyProduct::Halvane)
                             << QByteArrayList {"APP_HV", "HAS_ANIMAL_LENGTH", "HAS_ANIMAL_BREED_GROUP"}
                             << QByteArrayList {"HAS_CONTACT_PREFIXES", "HAS_SHOWINGS", "CONFIG_DOG"};
    QTest::newRow("rat") << QByteArray("rat") << int(EBioLegacyProduct::Halvane)
                         << QByteArrayList {"HAS_RAT_SPECIFICS", "HAS_MATING_READYAFTER"}
                         << QByteArrayList {"HAS_ANIMAL_BREED_GROUP"};
    QTest::newRow("horse") << QByteArray("horse") << int(EBioLegacyProduct::Halvane)
                           << QByteArrayList {"HAS_ANIMAL_STATUSFOLDEDINTOGENDER", "HAS_ANIMAL_BREED_COATCOLOUR"}
                           << QByteArrayList {"HAS_SHOWINGS", "HAS_MATING_SURVIVALCOUNTS"};
    QTest::newRow("dmdog") << QByteArray("dmdog") << int(EBioLegacyProduct::Dunmarra)
                           << QByteArrayList {"APP_DM", "HAS_DOG_SPECIFICS", "HAS_ANIMALS", "HAS_CONTACT_PREFIXES"}
                           << QByteArrayList {"APP_HV", "CONFIG_DOG", "HAS_TAGGING", "HAS_SHOWINGS"};
    QTest::newRow("letter case counts") << QByteArray("Dog") << int(EBioLegacyProduct::Unknown) << QByteArrayList()
                                        << QByteArrayList {"APP_HV", "APP_DM"};
    QTest::newRow("empty") << QByteArray() << int(EBioLegacyProduct::Unknown) << QByteArrayList()
                           << QByteArrayList {"APP_HV"};
}

void TestBioLegacySchemas::speciesFlags()
{
    QFETCH(QByteArray, species);
    QFETCH(int, product);
    QFETCH(QByteArrayList, set);
    QFETCH(QByteArrayList, clear);
    BioLegacyConfigFlagSet("APP_HV", 1);
    const quint64 before = BioLegacyConfigFlagsChangeCount();
    QCOMPARE(int(BioLegacySetSpeciesFlags(species)), product);
    QVERIFY(BioLegacyConfigFlagsChangeCount() > before);
    for (const QByteArray &flag : set)
        QVERIFY2(BioLegacyConfigFlagIsSet(flag.constData()), flag.constData());
    for (const QByteArray &flag : clear)
        QVERIFY2(!BioLegacyConfigFlagIsSet(flag.constData()), flag.constData());
}

void TestBioLegacySchemas::kindsHaveTheirBytesAndVersions_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("kindByte");
    QTest::addColumn<int>("newest");
    QTest::addColumn<int>("threshold");

    QTest::newRow("Halvane contacts") << QByteArray("dog") << 0 << 130 << 9 << 5;
    QTest::newRow("Halvane animals") << QByteArray("dog") << 1 << 129 << 13 << 5;
    QTest::newRow("matings") << QByteArray("dog") << 2 << 149 << 4 << 1;
    QTest::newRow("kind 3") << QByteArray("dog") << 3 << 161 << 4 << 2;
    QTest::newRow("trial matings") << QByteArray("dog") << 4 << 156 << 2 << 0;
    QTest::newRow("veterinary") << QByteArray("dog") << 5 << 151 << 3 << 1;
    QTest::newRow("appointments") << QByteArray("dog") << 6 << 159 << 2 << 0;
    QTest::newRow("accounts") << QByteArray("dog") << 7 << 160 << 3 << 1;
    QTest::newRow("show results") << QByteArray("dog") << 8 << 150 << 10 << 7;
    QTest::newRow("Dunmarra contacts") << QByteArray("dmcat") << 0 << 130 << 1 << 0;
    QTest::newRow("Dunmarra animals") << QByteArray("dmcat") << 1 << 129 << 1 << 0;
}

void TestBioLegacySchemas::kindsHaveTheirBytesAndVersions()
{
    QFETCH(QByteArray, species);
    QFETCH(int, kind);
    QFETCH(int, kindByte);
    QFETCH(int, newest);
    QFETCH(int, threshold);
    BuildSchemasFor(species);
    const CBioLegacyDataImport_EntSchema &schema = LegacySchemaOfKind(kind);
    QVERIFY(schema.IsBuilt());
    QCOMPARE(int(schema.RecordKindByte()), kindByte);
    QCOMPARE(int(schema.NewestVersion()), newest);
    QCOMPARE(int(schema.ThresholdVersion()), threshold);
    int stored = 0;
    for (int group = 0; group < BioLegacyGroupCount; ++group)
        stored += schema.Group(EBioLegacyGroup(group)).Count();
    QCOMPARE(schema.AllStoredFields().Count(), stored);
    for (const int id : schema.DictionaryFields().Ids())
        QVERIFY2(schema.Group(BioLegacyGroupTexts).Contains(id), qPrintable(QString::number(id)));
}

void TestBioLegacySchemas::fieldPlaceDependsOnSpecies_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");

    QTest::newRow("dog text 34 late") << QByteArray("dog") << 1 << int(BioLegacyGroupTexts) << 34 << 69 << 86;
    QTest::newRow("generic text 34 early") << QByteArray("generic") << 1 << int(BioLegacyGroupTexts) << 34 << 33
                                           << 35;
    QTest::newRow("cat text 46 late") << QByteArray("cat") << 1 << int(BioLegacyGroupTexts) << 46 << 56 << 57;
    QTest::newRow("dog text 46 early") << QByteArray("dog") << 1 << int(BioLegacyGroupTexts) << 46 << 56 << 5;
    QTest::newRow("cat contact 97 early") << QByteArray("cat") << 0 << int(BioLegacyGroupTexts) << 97 << 94 << 98;
    QTest::newRow("horse contact 97 late") << QByteArray("horse") << 0 << int(BioLegacyGroupTexts) << 97 << 377
                                           << 422;
    QTest::newRow("bird animal mate") << QByteArray("bird") << 1 << int(BioLegacyGroupReferences) << 29 << 28 << 25;
    QTest::newRow("show boolean 190 after 205") << QByteArray("cat") << 8 << int(BioLegacyGroupBooleans) << 190
                                                << 205 << 211;
    QTest::newRow("Dunmarra animal name first") << QByteArray("dmdog") << 1 << int(BioLegacyGroupTexts) << 34 << -1
                                                << 2;
}

void TestBioLegacySchemas::fieldPlaceDependsOnSpecies()
{
    QFETCH(QByteArray, species);
    QFETCH(int, kind);
    QFETCH(int, group);
    QFETCH(int, id);
    QFETCH(int, before);
    QFETCH(int, after);
    BuildSchemasFor(species);
    const CBioLegacyDataImport_FieldIdSet &ids = GroupOf(kind, EBioLegacyGroup(group));
    const int at = ids.IndexOf(id);
    QVERIFY(at >= 0);
    QCOMPARE(ids.Ids().count(id), 1);
    QCOMPARE(at > 0 ? ids.At(at - 1) : -1, before);
    QCOMPARE(ids.At(at + 1), after);
}

void TestBioLegacySchemas::contactDictionaryFollowsShows_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("dictionaryCount");
    QTest::addColumn<bool>("showFields");
    QTest::newRow("horse: no show register") << QByteArray("horse") << 13 << false;
    QTest::newRow("generic: no show register") << QByteArray("generic") << 13 << false;
    QTest::newRow("dog: show register") << QByteArray("dog") << 15 << true;
}

void TestBioLegacySchemas::contactDictionaryFollowsShows()
{
    QFETCH(QByteArray, species);
    QFETCH(int, dictionaryCount);
    QFETCH(bool, showFields);
    BuildSchemasFor(species);
    const CBioLegacyDataImport_EntSchema &contacts = LegacySchemaOfKind(0);
    QCOMPARE(contacts.DictionaryFields().Count(), dictionaryCount);
    for (const int id : {117, 120, 106, 107, 108, 121})
        QCOMPARE(contacts.AllStoredFields().Contains(id), showFields);
}

void TestBioLegacySchemas::missingBooleansTakeTheirDefaults_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("falseIds");
    QTest::addColumn<QList<int>>("trueIds");
    QTest::addColumn<QList<int>>("untouched");

    QTest::newRow("Dunmarra contact hidden flags") << QByteArray("dmgeneric") << 0 << QList<int> {75, 76, 77, 12}
                                                   << QList<int>() << QList<int>();
    QTest::newRow("Halvane animal") << QByteArray("dog") << 1 << QList<int> {383, 387} << QList<int> {425}
                                    << QList<int> {17, 420};
    QTest::newRow("appointment") << QByteArray("cat") << 6 << QList<int> {383} << QList<int> {445}
                                 << QList<int> {277, 443};
    QTest::newRow("show result") << QByteArray("dog") << 8 << QList<int> {166, 190, 383} << QList<int>()
                                 << QList<int> {211};
}

void TestBioLegacySchemas::missingBooleansTakeTheirDefaults()
{
    QFETCH(QByteArray, species);
    QFETCH(int, kind);
    QFETCH(QList<int>, falseIds);
    QFETCH(QList<int>, trueIds);
    QFETCH(QList<int>, untouched);
    BuildSchemasFor(species);
    const auto entity = CreateLegacyEntity(kind);
    entity->ResetValues();
    // A value that is stored stays as it is.
    auto *kept = static_cast<CBioLegacyDataImport_BOOLFieldVal *>(entity->GetValue(falseIds.constFirst()));
    kept->value = true;
    kept->SetNull(false);
    QVERIFY(entity->ApplyDefaults());
    QVERIFY(entity->BoolValue(falseIds.constFirst()));
    for (const int id : falseIds.mid(1)) {
        QVERIFY(entity->FindValue(id) && !entity->FindValue(id)->IsNull());
        QVERIFY(!entity->BoolValue(id));
    }
    for (const int id : trueIds) {
        QVERIFY(entity->FindValue(id) && !entity->FindValue(id)->IsNull());
        QVERIFY(entity->BoolValue(id));
    }
    for (const int id : untouched)
        QCOMPARE(entity->FindValue(id), nullptr);
}

void TestBioLegacySchemas::neitherProductLeavesSchemasEmpty()
{
    BioLegacyConfigFlagsClear();
    BioLegacyConfigFlagSet("HAS_ANIMALS", 1);
    BuildLegacyContactSchema();
    BuildLegacyAnimalSchema();
    for (const int kind : {0, 1}) {
        const CBioLegacyDataImport_EntSchema &schema = LegacySchemaOfKind(kind);
        QVERIFY(schema.IsBuilt());
        QCOMPARE(schema.AllStoredFields().Count(), 0);
        QCOMPARE(schema.DictionaryFields().Count(), 0);
        QCOMPARE(int(schema.RecordKindByte()), kind == 0 ? 130 : 129);
    }
}

void TestBioLegacySchemas::unknownKindsGiveTheContactSchema()
{
    QCOMPARE(&LegacySchemaOfKind(9), &LegacySchemaOfKind(0));
    QCOMPARE(&LegacySchemaOfKind(-1), &LegacySchemaOfKind(0));
    QVERIFY(&LegacySchemaOfKind(8) != &LegacySchemaOfKind(0));
}

void TestBioLegacySchemas::entityMakesValuesOnDemand_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("valueKind");
    QTest::newRow("text 15") << 15 << int(EBioLegacyValueKind::Text);
    QTest::newRow("boolean 17") << 17 << int(EBioLegacyValueKind::Bool);
    QTest::newRow("date 30") << 30 << int(EBioLegacyValueKind::Date);
    QTest::newRow("time 437") << 437 << int(EBioLegacyValueKind::TimeOfDay);
    QTest::newRow("currency 22") << 22 << int(EBioLegacyValueKind::Currency);
    QTest::newRow("reference 27") << 27 << int(EBioLegacyValueKind::Ref);
    QTest::newRow("integer 393") << 393 << int(EBioLegacyValueKind::Int);
    QTest::newRow("record count, not stored") << 398 << -1;
    QTest::newRow("not in the kind") << 300 << -1;
}

void TestBioLegacySchemas::entityMakesValuesOnDemand()
{
    QFETCH(int, id);
    QFETCH(int, valueKind);
    BuildSchemasFor("dog");
    CBioLegacyDataImport_AnimalEnt animal;
    QCOMPARE(animal.RecordId(), -1);
    QCOMPARE(animal.Cluster(), nullptr);
    animal.ResetValues();
    QCOMPARE(animal.ValueSlotCount(), LegacySchemaOfKind(1).AllStoredFields().Count());
    QCOMPARE(animal.FindValue(id), nullptr);
    CBioLegacyDataImport_FieldVal *made = animal.GetValue(id);
    if (valueKind < 0) {
        QCOMPARE(made, nullptr);
        return;
    }
    QVERIFY(made);
    QCOMPARE(int(made->Kind()), valueKind);
    QCOMPARE(made->FieldId(), id);
    QVERIFY(made->IsNull());
    QCOMPARE(animal.FindValue(id), made);
    QCOMPARE(animal.GetValue(id), made);
    animal.ResetValues();
    QCOMPARE(animal.FindValue(id), nullptr);
}

void TestBioLegacySchemas::factoryMakesEveryKind()
{
    BuildSchemasFor("dog");
    for (int kind = 0; kind < BioLegacyKindCount; ++kind) {
        const auto entity = CreateLegacyEntity(kind);
        QVERIFY(entity);
        QCOMPARE(entity->Kind(), kind);
        QCOMPARE(entity->Schema(), &LegacySchemaOfKind(kind));
    }
    QVERIFY(!CreateLegacyEntity(9));
    QVERIFY(!CreateLegacyEntity(-1));
}

void TestBioLegacySchemas::iteratorWalksTheMap_data()
{
    QTest::addColumn<QList<quint32>>("words");
    QTest::addColumn<int>("highestId");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("ids 3 and 40") << QList<quint32> {1u << 3, 1u << 8} << -1 << QList<int> {3, 40};
    QTest::newRow("zero words skipped") << QList<quint32> {0, 0, 0x80000001u, 0} << -1 << QList<int> {64, 95};
    QTest::newRow("highest id bounds the walk") << QList<quint32> {0x3u} << 0 << QList<int> {0};
    QTest::newRow("empty map") << QList<quint32>() << -1 << QList<int>();
}

void TestBioLegacySchemas::iteratorWalksTheMap()
{
    QFETCH(QList<quint32>, words);
    QFETCH(int, highestId);
    QFETCH(QList<int>, ids);
    CBioLegacyDataImport_RegMap map;
    map.SetWords(words, highestId);
    CBioLegacyDataImport_RecordIdIterator iterator;
    iterator.Init(nullptr);
    QList<int> walked;
    for (qint32 id = iterator.First(&map); id != kBioLegacyNoRecord; id = iterator.Next())
        walked.append(id);
    QCOMPARE(walked, ids);
    QCOMPARE(iterator.Next(), kBioLegacyNoRecord);

    CBioLegacyDataImport_RecordIdIterator noMap;
    QCOMPARE(noMap.First(), kBioLegacyNoRecord);
    QCOMPARE(noMap.Next(), kBioLegacyNoRecord);
}

void TestBioLegacySchemas::mapReadChecksItsNumbers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    using W = CTestLegacyWriter;
    QTest::newRow("empty") << W().Tag8(0x8E, 0).BeginBlock().U32(0).U32(0).U32(0xFFFFFFFFu).U32(0xFFFFFFFFu)
                                  .EndBlock().Bytes()
                           << true;
    QTest::newRow("two ids") << W().Tag8(0x8E, 0).BeginBlock().U32(2).U32(5).U32(1).U32(63).U32(1).U32(1)
                                    .EndBlock().Bytes()
                             << true;
    QTest::newRow("count not the bits") << W().Tag8(0x8E, 0).BeginBlock().U32(3).U32(5).U32(1).U32(63).U32(1).U32(1)
                                               .EndBlock().Bytes()
                                        << false;
    QTest::newRow("last word 32768") << W().Tag8(0x8E, 0).BeginBlock().U32(0).U32(0).U32(32768).U32(0).EndBlock()
                                            .Bytes()
                                     << false;
    QTest::newRow("highest id 1048576") << W().Tag8(0x8E, 0).BeginBlock().U32(0).U32(0).U32(0xFFFFFFFFu)
                                               .U32(1048576).EndBlock().Bytes()
                                        << false;
    QTest::newRow("last word beyond the data") << W().Tag8(0x8E, 0).BeginBlock().U32(0).U32(0).U32(32767).U32(0)
                                                      .Bytes()
                                               << false;
    QTest::newRow("version 1") << W().Tag8(0x8E, 1).Bytes() << false;
}

void TestBioLegacySchemas::mapReadChecksItsNumbers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    CLegacyTestArchive archive(bytes);
    CBioLegacyDataImport_RegMap map;
    QCOMPARE(map.Read(*archive), ok);
    if (ok && map.IdsInUse() == 2) {
        QCOMPARE(map.NextId(0), 0);
        QCOMPARE(map.NextId(1), 32);
        QCOMPARE(map.NextId(33), kBioLegacyNoRecord);
        QVERIFY(map.Contains(32) && !map.Contains(31));
    } else if (ok) {
        QCOMPARE(map.NextId(0), kBioLegacyNoRecord);
    }
}

QTEST_GUILESS_MAIN(TestBioLegacySchemas)
#include "tst_biolegacyschemas.moc"
