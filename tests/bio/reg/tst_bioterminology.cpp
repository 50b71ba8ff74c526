#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnsettingsexchange.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QTest>

namespace {

// What the start-up flow does after loading: the field-label terms come into use.
void MarkStartUpTermsInUse()
{
    for (int term : {BioTermName, BioTermTitle, BioTermSuffix, BioTermInbreeding})
        BioSetTermEditable(term, true, false);
}

void InstallSpecies(int species)
{
    CBioTerminologySettings settings;
    settings.ApplySpeciesDefaults(species);
    BioSetTerminology(settings);
}

} // namespace

class TestBioTerminology : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void termsReadAsTheSpeciesSays_data();
    void termsReadAsTheSpeciesSays();
    void termFlags_data();
    void termFlags();
    void sexAndFilterTexts_data();
    void sexAndFilterTexts();
    void generationWords_data();
    void generationWords();
    void builtInWordsAndSpeciesNames();
    void customWithNoStoredWordsReadsExclamation();
    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void equalityComparesWordsOnlyForCustom();
};

void TestBioTerminology::init()
{
    BioInitTermEditableTable();
    MarkStartUpTermsInUse();
    BioCreateTerminology();
}

void TestBioTerminology::cleanup()
{
    BioDestroyTerminology();
}

void TestBioTerminology::termsReadAsTheSpeciesSays_data()
{
    QTest::addColumn<int>("species");
    QTest::addColumn<int>("term");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("word");
    QTest::newRow("other animal") << 6 << 0 << 0 << "Animal";
    QTest::newRow("other animals") << 6 << 0 << 1 << "Animals";
    QTest::newRow("dog") << 2 << 0 << 0 << "Dog";
    QTest::newRow("dogs") << 2 << 0 << 1 << "Dogs";
    QTest::newRow("dogs keep sire") << 2 << 9 << 0 << "Sire";
    QTest::newRow("dogs built-in word") << 2 << 0 << 0x10 << "Animal";
    QTest::newRow("birds hatch date") << 0 << 3 << 0 << "Hatch Date";
    QTest::newRow("birds litter not in use") << 0 << 11 << 0 << "Litter";
    QTest::newRow("birds chicks") << 0 << 1 << 1 << "Chicks";
    QTest::newRow("people father") << 4 << 9 << 0 << "Father";
    QTest::newRow("people mothers") << 4 << 10 << 1 << "Mothers";
    QTest::newRow("people family not in use") << 4 << 12 << 0 << "Family";
    QTest::newRow("cattle calves") << 11 << 1 << 1 << "Calves";
    QTest::newRow("unknown species is built-in") << 42 << 0 << 0 << "Animal";
    QTest::newRow("field label in use after start-up") << 2 << 13 << 0 << "Inbreeding";
}

void TestBioTerminology::termsReadAsTheSpeciesSays()
{
    QFETCH(int, species);
    QFETCH(int, term);
    QFETCH(int, flags);
    QFETCH(QString, word);
    InstallSpecies(species);
    QCOMPARE(GetBioTerm(term, flags), word);
}

void TestBioTerminology::termFlags_data()
{
    QTest::addColumn<int>("term");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("word");
    QTest::newRow("no plural") << 2 << 1 << "!";
    QTest::newRow("one letter sire") << 9 << 2 << "S";
    QTest::newRow("one letter females") << 6 << 3 << "F";
    QTest::newRow("one letter ignored for animal") << 0 << 2 << "Animal";
    QTest::newRow("lower plural") << 6 << 0x41 << "females";
    QTest::newRow("upper wins") << 6 << 0x60 << "FEMALE";
    QTest::newRow("lower one letter") << 10 << 0x42 << "d";
    QTest::newRow("outside terms") << 18 << 0 << "!";
}

void TestBioTerminology::termFlags()
{
    QFETCH(int, term);
    QFETCH(int, flags);
    QFETCH(QString, word);
    QCOMPARE(GetBioTerm(term, flags), word);
}

void TestBioTerminology::sexAndFilterTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unknown") << GetBioSexText(0, 0) << "Unknown";
    QTest::newRow("unknown letter") << GetBioSexText(0, 2) << "?";
    QTest::newRow("male") << GetBioSexText(1, 0) << "Male";
    QTest::newRow("male as parent") << GetBioSexText(1, 4) << "Sire";
    QTest::newRow("females") << GetBioSexText(2, 1) << "Females";
    QTest::newRow("dam letter") << GetBioSexText(2, 6) << "D";
    QTest::newRow("bad sex") << GetBioSexText(-1, 0) << "??";
    QTest::newRow("filter any") << BioSexFilterText(0, 0) << "Any Sex";
    QTest::newRow("filter show all") << BioSexFilterText(0, 1) << "Show All";
    QTest::newRow("filter males") << BioSexFilterText(1, 0) << "Males";
    QTest::newRow("filter show males") << BioSexFilterText(1, 1) << "Show Males Only";
    QTest::newRow("filter show females") << BioSexFilterText(2, 1) << "Show Females Only";
    QTest::newRow("filter unknown") << BioSexFilterText(3, 0) << "Unknown Sex";
    QTest::newRow("filter show unknown") << BioSexFilterText(3, 1) << "Show Unknown Sex Only";
    QTest::newRow("filter bad") << BioSexFilterText(4, 1) << "??";
}

void TestBioTerminology::sexAndFilterTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestBioTerminology::generationWords_data()
{
    QTest::addColumn<int>("generation");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("word");
    QTest::newRow("sire") << 0 << 1 << 0 << "Sire";
    QTest::newRow("negative is the parent itself") << -3 << 2 << 0 << "Dam";
    QTest::newRow("granddam") << 1 << 2 << 0 << "Granddam";
    QTest::newRow("grandparents") << 1 << 0 << 1 << "Grandparents";
    QTest::newRow("gg-sire") << 2 << 1 << 0 << "GG-Sire";
    QTest::newRow("ggg-parent") << 3 << 0 << 0 << "GGG-Parent";
    QTest::newRow("upper") << 2 << 2 << 0x20 << "GG-DAM";
}

void TestBioTerminology::generationWords()
{
    QFETCH(int, generation);
    QFETCH(int, role);
    QFETCH(int, flags);
    QFETCH(QString, word);
    QCOMPARE(GetBioGenerationWord(generation, role, flags), word);
}

void TestBioTerminology::builtInWordsAndSpeciesNames()
{
    QCOMPARE(GetBuiltInTermWord(13, false, true), QStringLiteral("Coefficient of Inbreeding"));
    QCOMPARE(GetBuiltInTermWord(17, true, true), QStringLiteral("Unknown Sex"));
    QCOMPARE(GetBuiltInTermWord(16, false, false), QStringLiteral("Suffix"));
    QCOMPARE(GetBuiltInTermWord(14, true, false), QString());
    QCOMPARE(GetBuiltInTermWord(-1, false, false), QString());
    QCOMPARE(GetSpeciesName(2), QStringLiteral("Dogs"));
    QCOMPARE(GetSpeciesName(7), QStringLiteral("Custom"));
    QCOMPARE(GetSpeciesName(12), QStringLiteral("Pigs"));
    QCOMPARE(GetSpeciesName(13), QStringLiteral("??"));
}

void TestBioTerminology::customWithNoStoredWordsReadsExclamation()
{
    CTestSettingsScope scope;
    auto store = QSharedPointer<QSettings>::create();
    store->setValue(QStringLiteral("bioterminologysettings/which"), 7);
    BioLoadTerminology(CCmnSettingsExchange(false, store, QStringLiteral("bioterminologysettings")));
    QCOMPARE(GetBioTerminology()->Species(), 7);
    for (int term = 0; term < BioTermCount; ++term) {
        QCOMPARE(GetBioTerm(term, 0), QStringLiteral("!"));
        QCOMPARE(GetBioTerm(term, BioTermPlural), QStringLiteral("!"));
    }
}

void TestBioTerminology::settingsRoundTrip_data()
{
    QTest::addColumn<int>("species");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("dogs store only the species") << 2 << QStringList{"which"};
    QStringList custom{"which"};
    for (int term = 0; term < BioTermCount; ++term)
        custom << QStringLiteral("which_%1_0").arg(term) << QStringLiteral("which_%1_1").arg(term);
    custom.sort();
    QTest::newRow("custom stores every word") << 7 << custom;
}

void TestBioTerminology::settingsRoundTrip()
{
    QFETCH(int, species);
    QFETCH(QStringList, keys);
    CTestSettingsScope scope;
    const QString group = QStringLiteral("bioterminologysettings");
    CBioTerminologySettings written;
    written.ApplySpeciesDefaults(species);
    if (species == BioSpeciesCustom) {
        written.SetWord(BioTermAnimal, false, QStringLiteral("Smith & Jones <UK>"), false);
        written.SetWord(BioTermOffspring, true, QString(), false);
        written.SetWord(BioTermLitter, true, QStringLiteral("Broods"), false);
    }
    BioSetTerminology(written);
    auto store = QSharedPointer<QSettings>::create();
    BioLoadTerminology(CCmnSettingsExchange(true, store, group));
    store->beginGroup(group);
    QStringList stored = store->childKeys();
    store->endGroup();
    stored.sort();
    QCOMPARE(stored, keys);

    BioCreateTerminology();
    BioLoadTerminology(CCmnSettingsExchange(false, store, group));
    QCOMPARE(*GetBioTerminology(), written);
    for (int term = 0; term < BioTermCount; ++term) {
        QCOMPARE(GetBioTerminology()->GetWord(term, false, false), written.GetWord(term, false, false));
        QCOMPARE(GetBioTerminology()->GetWord(term, true, false), written.GetWord(term, true, false));
    }
}

void TestBioTerminology::equalityComparesWordsOnlyForCustom()
{
    CBioTerminologySettings a;
    CBioTerminologySettings b;
    a.ApplySpeciesDefaults(3);
    b.ApplySpeciesDefaults(3);
    b.SetWord(BioTermAnimal, false, QStringLiteral("Pony"), false);
    QCOMPARE(a, b);
    a.ApplySpeciesDefaults(7);
    b.ApplySpeciesDefaults(7);
    QCOMPARE_NE(a, b);
    b.SetWord(BioTermAnimal, false, a.GetWord(BioTermAnimal, false, false), false);
    QCOMPARE(a, b);
}

QTEST_GUILESS_MAIN(TestBioTerminology)
#include "tst_bioterminology.moc"
