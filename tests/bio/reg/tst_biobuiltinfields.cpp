#include "biobuiltinfields.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregtesting.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnregfieldssettings.h"
#include "cmnregvaluekind.h"

#include <QTest>

namespace {

void SetParents(CBioReg &reg, int id, int sire, int dam)
{
    ReplaceWith(reg, id, [sire, dam](CBioRegRecord &record) {
        record.m_Sire = sire;
        record.m_Dam = dam;
    });
}

CCmnRegFieldsSettings DefaultSettings()
{
    return BioTestDefaultFieldsSettings();
}

// The user's own words: the sire is a stallion.
void RenameSire(const QString &word)
{
    CBioTerminologySettings settings;
    settings.ApplySpeciesDefaults(BioSpeciesOther);
    settings.ApplySpeciesDefaults(BioSpeciesCustom);
    settings.SetWord(BioTermSire, false, word, false);
    BioSetTerminology(settings);
}

CCmnRegFieldContextMask Bits(std::initializer_list<int> bits)
{
    CCmnRegFieldContextMask mask;
    for (int bit : bits)
        mask.SetContext(bit, true);
    return mask;
}

QPair<QString, QString> ValueTexts(const CBioReg &reg, int recordId, int fieldId)
{
    QString value;
    QString display;
    const bool special = reg.GetSpecialFieldValueText(recordId, fieldId, {}, value, display);
    if (!special)
        return {QStringLiteral("not special"), {}};
    return {value, display};
}

} // namespace

class TestBioBuiltInFields : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void inbuiltFieldsAreTheNine_data();
    void inbuiltFieldsAreTheNine();
    void labelsFollowTheTerminology();
    void findsFieldsByCurrentOrBuiltInWord_data();
    void findsFieldsByCurrentOrBuiltInWord();
    void columnTypes();
    void coefficientAsFractionAndPercentage();
    void loopShowsError();
    void missingSireReadsNotSet();
    void namesCarryTitleAndSuffix();
    void defaultFieldItems();
};

void TestBioBuiltInFields::init()
{
    BioCreateTerminology();
}

void TestBioBuiltInFields::cleanup()
{
    BioDestroyTerminology();
}

void TestBioBuiltInFields::inbuiltFieldsAreTheNine_data()
{
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<bool>("inbuilt");
    QTest::addColumn<QString>("internalName");
    QTest::newRow("-100") << -100 << false << "UserField";
    QTest::newRow("-101") << -101 << true << "Name";
    QTest::newRow("-102") << -102 << true << "Sex";
    QTest::newRow("-103") << -103 << true << "DateofBirth";
    QTest::newRow("-104") << -104 << true << "DateofDeath";
    QTest::newRow("-105") << -105 << true << "Sire";
    QTest::newRow("-106") << -106 << true << "Dam";
    QTest::newRow("-107") << -107 << true << "Title";
    QTest::newRow("-108") << -108 << true << "Suffix";
    QTest::newRow("-109") << -109 << true << "Inbreeding";
    QTest::newRow("-110") << -110 << false << "UserField";
    QTest::newRow("record number") << -1 << false << "ID";
}

void TestBioBuiltInFields::inbuiltFieldsAreTheNine()
{
    QFETCH(int, fieldId);
    CBioReg reg(DefaultSettings());
    RenameSire(QStringLiteral("Stallion"));
    QTEST(reg.IsInbuiltField(fieldId), "inbuilt");
    QTEST(reg.GetFieldInternalName(fieldId), "internalName");
}

void TestBioBuiltInFields::labelsFollowTheTerminology()
{
    CBioReg reg(DefaultSettings());
    QCOMPARE(reg.GetFieldLabel(-105, false), QStringLiteral("Sire"));
    QCOMPARE(reg.GetFieldLabel(-103, false), QStringLiteral("Date of Birth"));
    RenameSire(QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(reg.GetFieldLabel(-105, false), QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(reg.GetFieldLabel(-105, true), QStringLiteral("Sire"));
    QCOMPARE(reg.GetFieldLabel(-101, false), QStringLiteral("Name"));
    QCOMPARE(reg.GetSystemFieldLabel(-105, false), QString());
    QCOMPARE(reg.GetSpecialFieldLabel(-103, false), QString());
}

void TestBioBuiltInFields::findsFieldsByCurrentOrBuiltInWord_data()
{
    QTest::addColumn<QString>("sireWord");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("builtIn");
    QTest::addColumn<int>("special");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("identity");
    QTest::newRow("sire") << "Sire" << "sire" << false << -105 << 0 << 0;
    QTest::newRow("renamed, old word") << "Stallion" << "sire" << false << 0 << 0 << 0;
    QTest::newRow("renamed, new word") << "Stallion" << "stallion" << false << -105 << 0 << 0;
    QTest::newRow("renamed, built-in") << "Stallion" << "SIRE" << true << -105 << 0 << 0;
    QTest::newRow("date of birth") << "Sire" << "date of birth" << false << 0 << -103 << 0;
    QTest::newRow("name") << "Sire" << "NAME" << true << 0 << 0 << -101;
    QTest::newRow("record number") << "Sire" << "id" << false << 0 << 0 << -1;
    QTest::newRow("record number, built-in") << "Sire" << "ID" << true << 0 << 0 << 0;
}

void TestBioBuiltInFields::findsFieldsByCurrentOrBuiltInWord()
{
    QFETCH(QString, sireWord);
    QFETCH(QString, label);
    QFETCH(bool, builtIn);
    RenameSire(sireWord);
    CBioReg reg(DefaultSettings());
    QTEST(reg.FindSpecialField(label, builtIn), "special");
    QTEST(reg.FindSystemField(label, builtIn), "system");
    QTEST(reg.FindIdentityField(label, builtIn), "identity");
}

void TestBioBuiltInFields::columnTypes()
{
    CBioReg reg(DefaultSettings());
    CCmnExportCellFormat format;
    QVERIFY(reg.GetIdentityFieldColumnType(-101, format));
    QCOMPARE(format, (CCmnExportCellFormat{0, 0, -1, QString()}));
    QVERIFY(reg.GetSpecialFieldColumnType(-109, format));
    QCOMPARE(format, (CCmnExportCellFormat{6, 1, -1, QString()}));
    QVERIFY(reg.GetSpecialFieldColumnType(-106, format));
    QCOMPARE(format, (CCmnExportCellFormat{0, 0, -1, QString()}));
    QVERIFY(!reg.GetSpecialFieldColumnType(-103, format));
    QVERIFY(reg.GetSystemFieldColumnType(-103, format));
    QCOMPARE(format.m_Kind, 8);
}

void TestBioBuiltInFields::coefficientAsFractionAndPercentage()
{
    CBioReg reg(DefaultSettings());
    const int grandsire = AddAnimal(reg, QStringLiteral("Grandsire"), 1);
    const int granddam = AddAnimal(reg, QStringLiteral("Granddam"), 2);
    const int sire = AddAnimal(reg, QStringLiteral("Brother"), 1, grandsire, granddam);
    const int dam = AddAnimal(reg, QStringLiteral("Sister"), 2, grandsire, granddam);
    const int foal = AddAnimal(reg, QStringLiteral("Foal"), 0, sire, dam);
    QCOMPARE(ValueTexts(reg, foal, -109), qMakePair(QStringLiteral("0.2500"), QStringLiteral("0.2500")));
    const CCmnRegSubstitutionTable table = reg.GetSubstitutions(foal, {-109}, 4, 1);
    QCOMPARE(table.value(QStringLiteral("INBREEDING")).m_Lines, QStringList{QStringLiteral("25.00%")});
    QCOMPARE(table.value(QStringLiteral("#INBREEDING")), table.value(QStringLiteral("INBREEDING")));
    QCOMPARE(ValueTexts(reg, sire, -109).first, QStringLiteral("0.0000"));
}

void TestBioBuiltInFields::loopShowsError()
{
    CBioReg reg(DefaultSettings());
    const int a = AddAnimal(reg, QStringLiteral("A"), 1);
    const int b = AddAnimal(reg, QStringLiteral("B"), 1, a);
    SetParents(reg, a, b, 0);   // A is its own grandsire
    const int dam = AddAnimal(reg, QStringLiteral("Dam"), 2);
    const int foal = AddAnimal(reg, QStringLiteral("Foal"), 0, a, dam);
    QCOMPARE(ValueTexts(reg, foal, -109).first, QStringLiteral("ERROR"));
    QCOMPARE(reg.GetSubstitutions(foal, {-109}, 1, 1).value(QStringLiteral("INBREEDING")).m_Text,
             QStringLiteral("ERROR"));
}

void TestBioBuiltInFields::missingSireReadsNotSet()
{
    CBioReg reg(DefaultSettings());
    const int dam = AddAnimal(reg, QStringLiteral("Dam"), 2);
    const int foal = AddAnimal(reg, QStringLiteral("Foal"), 0, 0, dam);
    QCOMPARE(ValueTexts(reg, foal, -105), qMakePair(QString(), QString()));
    QCOMPARE(ValueTexts(reg, foal, -106), qMakePair(QStringLiteral("Dam"), QStringLiteral("Dam")));
    QCOMPARE(ValueTexts(reg, foal, -109).first, QStringLiteral("0.0000"));
    const CCmnRegSubstitutionTable table = reg.GetSubstitutions(foal, {-105}, 4, 1);
    QCOMPARE(QSet<QString>(table.keyBegin(), table.keyEnd()),
             (QSet<QString>{"SIRE", "#SIRE", "SIRE-UNTITLED", "#SIRE-UNTITLED"}));
    QCOMPARE(table.value(QStringLiteral("SIRE")).m_Text, QStringLiteral("(Sire not set)"));
    QCOMPARE(table.value(QStringLiteral("#SIRE")).m_Lines, QStringList{QStringLiteral("(Sire not set)")});
    QCOMPARE(table.value(QStringLiteral("SIRE-UNTITLED")).m_Text, QString());
    QCOMPARE(table.value(QStringLiteral("SIRE-UNTITLED")).m_Forms, 7);

    RenameSire(QStringLiteral("Stallion"));
    const CCmnRegSubstitutionTable renamed = reg.GetSubstitutions(foal, {-105, -102}, 7, 1);
    QCOMPARE(renamed.value(QStringLiteral("STALLION")).m_Text, QStringLiteral("(Stallion not set)"));
    QVERIFY(renamed.contains(QStringLiteral("#SIRE")));
    QCOMPARE(renamed.value(QStringLiteral("SEX")).m_Text, GetBioSexText(0));
}

void TestBioBuiltInFields::namesCarryTitleAndSuffix()
{
    CBioReg reg(DefaultSettings());
    const int sire = AddAnimal(reg, QStringLiteral("Smith & Jones <UK>"), 1);
    reg.GetRecord(sire)->SetValue(-107, CmnRegValueText, QStringLiteral("Ch."));
    reg.GetRecord(sire)->SetValue(-108, CmnRegValueText, QStringLiteral("II"));
    const int foal = AddAnimal(reg, QStringLiteral("Foal"), 0, sire);
    const CCmnRegSubstitutionTable table = reg.GetSubstitutions(foal, {-105, -101}, 4, 1);
    QCOMPARE(table.value(QStringLiteral("SIRE")).m_Text, QStringLiteral("Ch. Smith & Jones <UK> II"));
    QVERIFY(table.value(QStringLiteral("SIRE")).m_Html.contains(QStringLiteral("Smith &amp; Jones &lt;UK&gt;")));
    QCOMPARE(table.value(QStringLiteral("SIRE-UNTITLED")).m_Lines,
             QStringList{QStringLiteral("Smith &amp; Jones &lt;UK&gt; II")});
    QCOMPARE(table.value(QStringLiteral("#NAME")).m_Text, QStringLiteral("Foal"));
    QCOMPARE(ValueTexts(reg, foal, -105).first, QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(reg.GetFieldSubstitution(foal, -105, 3, 3).m_Text, QStringLiteral("Ch. Smith & Jones <UK> II"));
}

void TestBioBuiltInFields::defaultFieldItems()
{
    const CCmnRegFieldContextMask m1 = Bits({33, 35});
    const CCmnRegFieldContextMask m2 = Bits({36, 60});
    const CCmnRegFieldContextMask m3 = Bits({39});
    const CCmnRegFieldContextMask m4 = Bits({61, 62});
    const CCmnRegFieldContextMask m5 = Bits({50, 51, 52});
    CCmnRegFieldsSettings settings;
    BioAppendDefaultSpecialFields(settings, m1, m2, m3, m4, m5);
    BioAppendDefaultSystemFields(settings, m1, m2, m3, m4, m5);
    BioSetDefaultUserFieldContexts(settings, m1, m2, m3, m4, m5);

    const auto check = [](const CCmnRegField &field, int id, int type, const CCmnRegFieldContextMask &mask) {
        QCOMPARE(field.m_Id, id);
        CCmnRegFieldDef def;
        def.m_Type = type;
        QCOMPARE(field.m_Def, def);
        QCOMPARE(field.m_Mask, mask);
    };
    const QList<CCmnRegField> &special = settings.GetSpecialFields();
    QCOMPARE(special.size(), 4);
    check(special[0], -102, CmnRegFieldText, Bits({1, 2, 33, 35}));
    check(special[1], -105, CmnRegFieldText, Bits({1, 2}));
    check(special[2], -106, CmnRegFieldText, Bits({1, 2}));
    check(special[3], -109, CmnRegFieldText, Bits({1, 2, 33, 35, 39}));
    const QList<CCmnRegField> &system = settings.GetSystemFields();
    QCOMPARE(system.size(), 4);
    check(system[0], -103, CmnRegFieldDate, Bits({1, 33, 35, 61, 62}));
    check(system[1], -104, CmnRegFieldDate, Bits({1, 36, 60, 61, 62}));
    check(system[2], -107, CmnRegFieldText, Bits({1}));
    check(system[3], -108, CmnRegFieldText, Bits({1}));
    check(settings.GetUserFields().m_DefaultValue, -1, CmnRegFieldText, Bits({1, 2, 33, 35, 61, 62}));
    QCOMPARE(BioDefaultInbuiltFieldOrder(), (QList<int>{-107, -108, -102, -103, -104, -105, -106, -109}));
}

QTEST_GUILESS_MAIN(TestBioBuiltInFields)
#include "tst_biobuiltinfields.moc"
