#include "biolegacycandidatecatalogue.h"
#include "biolegacyconfigflags.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacyimportparams.h"
#include "biolegacyspeciesflags.h"
#include "cmnsettingskeys.h"
#include "legacyrecordwriter.h"
#include "legacysamplefiles.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QTest>

namespace {

// Group masks that tell apart where a candidate's contexts came from.
TBioLegacyGroupMasks Masks()
{
    TBioLegacyGroupMasks masks;
    for (int group = 0; group < 5; ++group)
        masks[size_t(group)].SetContext(10 + group, true);
    return masks;
}

struct SDiscovery
{
    CBioLegacyDataImport_HvDoc document;
    CBioLegacyImportParams params;
};

void Discover(SDiscovery &discovery, const QByteArray &bytes)
{
    QCOMPARE(LoadAndDiscover(discovery.document, discovery.params, bytes, Masks()), QString());
}

const CBioLegacyImportField *Find(const CBioLegacyImportParams &params, int kind, int id)
{
    for (const CBioLegacyImportField &field : params.Fields(kind))
        if (field.m_Id == id)
            return &field;
    return nullptr;
}

QList<int> Selected(const CBioLegacyImportParams &params, int kind)
{
    QList<int> ids;
    for (const CBioLegacyImportField &field : params.Fields(kind))
        if (field.IsSelected())
            ids.append(field.m_Id);
    return ids;
}

QStringList NamesOf(const QList<CBioLegacyCandidate> &candidates)
{
    QStringList names;
    for (const CBioLegacyCandidate &candidate : candidates)
        names.append(candidate.m_Field.m_Descriptor.m_Name);
    return names;
}

CTestLegacyRecord Animal(const QByteArray &name)
{
    CTestLegacyRecord record;
    record.texts.insert(15, name);
    return record;
}

} // namespace

class TestBioLegacyImportParams : public QObject
{
    Q_OBJECT
private slots:
    void catalogueOffersTheSpeciesVariants_data();
    void catalogueOffersTheSpeciesVariants();
    void halvaneCatalogueHoldsEveryVariantOnce();
    void catalogueSpellsColourByLocale_data();
    void catalogueSpellsColourByLocale();
    void catalogueEntriesCarryTheirFieldRequests();
    void discoverySetsTheBuiltInIdsOfTheProduct_data();
    void discoverySetsTheBuiltInIdsOfTheProduct();
    void discoveryOffersOnlyFieldsTheSpeciesHas();
    void discoveryRenamesAfterTheOwnersCaptions();
    void discoverySelectsFieldsHoldingData();
    void discoveryOfAFileWithoutAnimalsKeepsTheCatalogueChoice();
    void rememberedChoicesRoundTripPerFile();
    void rememberedChoicesApplyOnlyWhereStored();
};

void TestBioLegacyImportParams::catalogueOffersTheSpeciesVariants_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("variants");
    QTest::newRow("rabbit") << QByteArray("rabbit") << 94 << QStringList {"Tattoo/Tag", "Ear No."};
    QTest::newRow("cavy") << QByteArray("cavy") << 94 << QStringList {"Microchip", "Ear No."};
    QTest::newRow("bird") << QByteArray("bird") << 94 << QStringList {"Microchip", "Band No."};
    QTest::newRow("dog") << QByteArray("dog") << 94 << QStringList {"Microchip", "Brand Mark"};
    QTest::newRow("dunmarra dog") << QByteArray("dmdog") << 47 << QStringList {"Microchip", "Brand Mark"};
}

void TestBioLegacyImportParams::catalogueOffersTheSpeciesVariants()
{
    QFETCH(QByteArray, species);
    QFETCH(int, count);
    QFETCH(QStringList, variants);
    BioLegacySetSpeciesFlags(species);
    const QList<CBioLegacyCandidate> candidates =
        BioLegacyCandidateCatalogue(BioLegacyConfigFlagIsSet("APP_HV"), Masks(), QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(candidates.size(), count);
    const QStringList names = NamesOf(candidates);
    QStringList offered;
    for (const char *variant : {"Tattoo/Tag", "Microchip", "Ear No.", "Band No.", "Brand Mark"})
        if (names.contains(QLatin1String(variant)))
            offered.append(QLatin1String(variant));
    QCOMPARE(offered, variants);
    // Names are unique within a catalogue, so each makes one field.
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), count);
}

void TestBioLegacyImportParams::halvaneCatalogueHoldsEveryVariantOnce()
{
    QSet<QPair<int, QString>> entries;
    for (const char *species : {"rabbit", "cavy", "bird", "dog"}) {
        BioLegacySetSpeciesFlags(species);
        for (const CBioLegacyCandidate &candidate : BioLegacyCandidateCatalogue(true, Masks()))
            entries.insert({candidate.m_Field.m_Id, candidate.m_Field.m_Descriptor.m_Name});
    }
    QCOMPARE(entries.size(), 97);
}

void TestBioLegacyImportParams::catalogueSpellsColourByLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("colour");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "Color";
    QTest::newRow("Canada") << QLocale(QLocale::English, QLocale::Canada) << "Color";
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "Colour";
}

void TestBioLegacyImportParams::catalogueSpellsColourByLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, colour);
    BioLegacySetSpeciesFlags("dog");
    const QList<CBioLegacyCandidate> halvane = BioLegacyCandidateCatalogue(true, Masks(), locale);
    const QList<CBioLegacyCandidate> dunmarra = BioLegacyCandidateCatalogue(false, Masks(), locale);
    const auto nameOf = [](const QList<CBioLegacyCandidate> &candidates, int id) {
        for (const CBioLegacyCandidate &candidate : candidates)
            if (candidate.m_Field.m_Id == id)
                return candidate.m_Field.m_Descriptor.m_Name;
        return QString();
    };
    QCOMPARE(nameOf(halvane, 72), colour);
    QCOMPARE(nameOf(halvane, 74), QStringLiteral("Eye ") + colour);
    QCOMPARE(nameOf(dunmarra, 37), colour);
}

void TestBioLegacyImportParams::catalogueEntriesCarryTheirFieldRequests()
{
    BioLegacySetSpeciesFlags("dog");
    const QList<CBioLegacyCandidate> candidates = BioLegacyCandidateCatalogue(true, Masks());
    QHash<int, CBioLegacyCandidate> byId;
    for (const CBioLegacyCandidate &candidate : candidates)
        byId.insert(candidate.m_Field.m_Id, candidate);

    const CBioLegacyImportField breeder = byId.value(25).m_Field;
    QCOMPARE(byId.value(25).m_Kind, BioLegacyImportReference);
    QCOMPARE(breeder.m_Descriptor.m_SharedListName, QStringLiteral("Breeders"));
    QCOMPARE(breeder.m_Descriptor.m_Flags, 0x1Au);
    QCOMPARE(breeder.m_Flags, quint32(CBioLegacyImportField::Import | CBioLegacyImportField::MainField));
    QCOMPARE(breeder.m_Group, 1);
    QCOMPARE(breeder.m_Order, 1);

    // Colour: both title groups and contexts 1 and 2; linked to Variety.
    const CBioLegacyImportField colour = byId.value(72).m_Field;
    QCOMPARE(colour.m_LinkedId, 93);
    for (int bit : {1, 2, 10, 14})
        QVERIFY2(colour.m_Descriptor.m_Contexts.HasContext(bit), qPrintable(QString::number(bit)));
    QVERIFY(!colour.m_Descriptor.m_Contexts.HasContext(11));

    const CBioLegacyImportField notes = byId.value(5).m_Field;
    QCOMPARE(notes.m_Descriptor.m_MultilineLines, 10);
    QVERIFY(notes.m_Descriptor.m_Contexts.HasContext(11));
    QVERIFY(!notes.m_Descriptor.m_Contexts.HasContext(1));

    // These make fields that no form shows by default.
    for (int id : {26, 51, 53, 47, 48, 427, 38, 383, 388, 378, 393})
        QCOMPARE(byId.value(id).m_Field.m_Descriptor.m_Contexts, CCmnRegFieldContextMask());
}

void TestBioLegacyImportParams::discoverySetsTheBuiltInIdsOfTheProduct_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("registers");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("halvane") << QByteArray("dog") << 9 << QList<int> {21, 15, 87, 17, 30, 31, 27, 28, 83, 82};
    QTest::newRow("dunmarra") << QByteArray("dmdog") << 2 << QList<int> {42, 34, 0, 39, 47, 0, 45, 46, 35, 0};
}

void TestBioLegacyImportParams::discoverySetsTheBuiltInIdsOfTheProduct()
{
    QFETCH(QByteArray, species);
    QFETCH(int, registers);
    QFETCH(QList<int>, ids);
    SDiscovery discovery;
    Discover(discovery, LegacySampleFile(species, registers));
    const CBioLegacyImportParams &p = discovery.params;
    QCOMPARE((QList<int> {p.m_PictureId, p.m_NameId, p.m_NameSuffixId, p.m_SexId, p.m_DateOfBirthId,
                          p.m_DateOfDeathId, p.m_SireId, p.m_DamId, p.m_TitleId, p.m_LongTitleId}),
             ids);
    QCOMPARE(p.m_UseLongTitles, quint8(0));
    QCOMPARE(p.m_StripEscapes, quint8(1));
}

void TestBioLegacyImportParams::discoveryOffersOnlyFieldsTheSpeciesHas()
{
    SDiscovery dog;
    Discover(dog, LegacySampleFile("dog", 9));
    SDiscovery cat;
    Discover(cat, LegacySampleFile("cat", 9));
    for (int catOnly : {414, 415, 81}) {
        QVERIFY2(!Find(dog.params, BioLegacyImportText, catOnly), qPrintable(QString::number(catOnly)));
        QVERIFY2(Find(cat.params, BioLegacyImportText, catOnly), qPrintable(QString::number(catOnly)));
    }
    QVERIFY(Find(dog.params, BioLegacyImportText, 478));    // elbow score
    QVERIFY(!Find(cat.params, BioLegacyImportText, 478));
}

void TestBioLegacyImportParams::discoveryRenamesAfterTheOwnersCaptions()
{
    SDiscovery discovery;
    Discover(discovery, LegacyTestFile("dog", 9, {}, {{1, Animal("Rex")}},
                                       {{"g_str_u1", "UserText1\nCoat Notes"},
                                        {"g_flag_u2", "UserFlag2\n  Hips Done \nmore"},
                                        {"g_int_u5", "one line only"},
                                        {"g_str_u3", "UserText3\n   "},
                                        {"g_str_u4", "UserText4\nUser Field 4"},
                                        {"g_date_u9", "UserDate9\nNo Such Key"}}));
    const CBioLegacyImportParams &params = discovery.params;
    QCOMPARE(Find(params, BioLegacyImportText, 2)->m_Descriptor.m_Name, QStringLiteral("Coat Notes"));
    QVERIFY(Find(params, BioLegacyImportText, 2)->IsSelected());
    QCOMPARE(Find(params, BioLegacyImportBoolean, 384)->m_Descriptor.m_Name, QStringLiteral("Hips Done"));
    QVERIFY(Find(params, BioLegacyImportBoolean, 384)->IsSelected());
    // A single line, a blank second line or the default name change nothing.
    QCOMPARE(Find(params, BioLegacyImportInteger, 397)->m_Descriptor.m_Name, QStringLiteral("User Count 5"));
    QCOMPARE(Find(params, BioLegacyImportText, 4)->m_Descriptor.m_Name, QStringLiteral("User Field 3"));
    QCOMPARE(Find(params, BioLegacyImportText, 376)->m_Descriptor.m_Name, QStringLiteral("User Field 4"));
    QCOMPARE(Selected(params, BioLegacyImportInteger), QList<int>());
    QCOMPARE(Selected(params, BioLegacyImportText), (QList<int> {40, 2, 72, 69}));
}

void TestBioLegacyImportParams::discoverySelectsFieldsHoldingData()
{
    CTestLegacyRecord first = Animal("Rex");
    first.texts.insert(66, "Labrador");          // breed
    first.texts.insert(93, "Working");           // variety, held back by colour
    first.texts.insert(64, "Labrador Retriever"); // full breed description
    first.texts.insert(65, "Lab");               // short description, held back by the full one
    first.texts.insert(5, "{\\b}");              // notes: escapes only
    first.booleans.insert(18, 1);                // status false
    CTestLegacyRecord second = Animal("Bess");
    second.booleans.insert(18, 1);
    second.booleans.insert(426, 2);              // for breeding: true
    second.integers.insert(393, 0);              // a count of 0 is data
    second.currency.insert(22, 1250);
    second.dates.insert(59, {2001, 5, 6});
    SDiscovery discovery;
    Discover(discovery, LegacyTestFile("dog", 9, {}, {{1, first}, {2, second}}));
    const CBioLegacyImportParams &params = discovery.params;
    QCOMPARE(Selected(params, BioLegacyImportText), (QList<int> {40, 66, 72, 69, 64}));
    QCOMPARE(Selected(params, BioLegacyImportBoolean), QList<int> {426});
    QCOMPARE(Selected(params, BioLegacyImportInteger), QList<int> {393});
    QCOMPARE(Selected(params, BioLegacyImportCurrency), QList<int> {22});
    QCOMPARE(Selected(params, BioLegacyImportDate), QList<int> {59});
    QCOMPARE(Selected(params, BioLegacyImportReference), (QList<int> {25, 24}));
}

void TestBioLegacyImportParams::discoveryOfAFileWithoutAnimalsKeepsTheCatalogueChoice()
{
    SDiscovery discovery;
    Discover(discovery, LegacyTestFile("dmdog", 2, {}, {}));
    QCOMPARE(Selected(discovery.params, BioLegacyImportText), (QList<int> {53, 37}));
    QCOMPARE(Selected(discovery.params, BioLegacyImportReference), (QList<int> {44, 43}));
}

void TestBioLegacyImportParams::rememberedChoicesRoundTripPerFile()
{
    const CTestSettingsScope settings;
    SDiscovery discovery;
    Discover(discovery, LegacySampleFile("dog", 9));
    const QString path = QStringLiteral("/breeders/kennel.rdf");
    CBioLegacyImportParams chosen = discovery.params;
    chosen.ExchangeSettings(false, path);   // nothing stored yet: nothing changes
    QCOMPARE(Selected(chosen, BioLegacyImportText), Selected(discovery.params, BioLegacyImportText));
    QCOMPARE(chosen.m_StripEscapes, quint8(1));

    chosen.m_UseLongTitles = 1;
    chosen.m_StripEscapes = 0;
    for (CBioLegacyImportField &field : chosen.Fields(BioLegacyImportText))
        field.SetSelected(field.m_Id == 66 || field.m_Id == 5);
    for (CBioLegacyImportField &field : chosen.Fields(BioLegacyImportReference))
        field.SetSelected(false);
    chosen.ExchangeSettings(true, path);

    const QString group = BioLegacyImportSettingsGroup(path);
    QCOMPARE(group, QStringLiteral("legacyimportsettings/0"));
    QSettings store;
    QCOMPARE(store.value(QStringLiteral("legacyimportsettingslist")).toStringList(),
             QStringList {QStringLiteral("_breeders_kennel.rdf")});
    QCOMPARE(store.value(group + QStringLiteral("/textfields")).toString(), QStringLiteral("5,66"));
    QCOMPARE(store.value(group + QStringLiteral("/reffields")).toString(), QString());

    CBioLegacyImportParams again = discovery.params;
    again.ExchangeSettings(false, path);
    QCOMPARE(again.m_UseLongTitles, quint8(1));
    QCOMPARE(again.m_StripEscapes, quint8(0));
    QCOMPARE(Selected(again, BioLegacyImportText), (QList<int> {5, 66}));
    QCOMPARE(Selected(again, BioLegacyImportReference), QList<int>());

    // The same file reached through another path is another file.
    CBioLegacyImportParams elsewhere = discovery.params;
    elsewhere.ExchangeSettings(false, QStringLiteral("/mnt/kennel.rdf"));
    QCOMPARE(BioLegacyImportSettingsGroup(QStringLiteral("/mnt/kennel.rdf")), QStringLiteral("legacyimportsettings/1"));
    QCOMPARE(Selected(elsewhere, BioLegacyImportText), Selected(discovery.params, BioLegacyImportText));
}

void TestBioLegacyImportParams::rememberedChoicesApplyOnlyWhereStored()
{
    const CTestSettingsScope settings;
    SDiscovery discovery;
    Discover(discovery, LegacySampleFile("dog", 9));
    const QString path = QStringLiteral("/breeders/kennel.rdf");
    {
        QSettings store;
        const QString group = BioLegacyImportSettingsGroup(path);
        // Unknown ids, a cat-only field, words and empty parts are passed over.
        store.setValue(group + QStringLiteral("/textfields"), QStringLiteral("9999,abc,,414,66,5x"));
        store.setValue(group + QStringLiteral("/boolfields"), QString());
    }
    CBioLegacyImportParams params = discovery.params;
    for (CBioLegacyImportField &field : params.Fields(BioLegacyImportInteger))
        field.SetSelected(true);
    params.ExchangeSettings(false, path);
    QCOMPARE(Selected(params, BioLegacyImportText), QList<int> {66});
    QCOMPARE(Selected(params, BioLegacyImportBoolean), QList<int>());
    QCOMPARE(Selected(params, BioLegacyImportInteger).size(), params.Fields(BioLegacyImportInteger).size());
    QCOMPARE(Selected(params, BioLegacyImportReference), (QList<int> {25, 24}));
}

QTEST_GUILESS_MAIN(TestBioLegacyImportParams)
#include "tst_biolegacyimportparams.moc"
