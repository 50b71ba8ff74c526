#include "bioautomaticorcustomimportcols.h"
#include "bioimportcols.h"
#include "bioregtesting.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmndateprovider.h"
#include "cmnframework.h"
#include "testsettingsscope.h"

#include <QTest>

namespace {

const QString kDayFirst = QStringLiteral("[[dd/]mm/]yyyy");
const QString kMonthFirst = QStringLiteral("[mm/[dd/]]yyyy");

void InstallSpecies(int species)
{
    CBioTerminologySettings settings;
    settings.ApplySpeciesDefaults(species);
    BioSetTerminology(settings);
}

CBioImportCols OwnerSet()
{
    CBioImportCols cols;
    cols.m_Cols = {{BioImportFieldId, BioImportTypeInteger, "ID"}, {BioImportFieldUser, BioImportTypeText, "Owner"}};
    cols.m_NullId = "0";
    cols.m_MaleWords = "M,MALE";
    cols.m_FemaleWords = "F,FEMALE";
    cols.m_DateFormat = kDayFirst;
    return cols;
}

// "1/3 2/3" gives an Integer ID column and an Integer sire ID column.
QList<CBioImportCol> Columns(const QString &text)
{
    QList<CBioImportCol> cols;
    for (const QString &item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u'/');
        cols.append({parts.at(0).toInt(), parts.at(1).toInt(), QString()});
    }
    return cols;
}

QList<qint32> Fields(const CBioImportCols &cols)
{
    QList<qint32> fields;
    for (const CBioImportCol &col : cols.m_Cols)
        fields.append(col.m_Field);
    return fields;
}

} // namespace

Q_DECLARE_METATYPE(CBioImportCols)

// The text form, so that a failed comparison shows both sets.
char *toString(const CBioImportCols &cols)
{
    return QTest::toString(cols.ToString());
}

class TestBioImportCols : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void writesTheOneLineForm();
    void textFormReadsBack_data();
    void textFormReadsBack();
    void writingStripsSeparators_data();
    void writingStripsSeparators();
    void readsItemByItem_data();
    void readsItemByItem();
    void refusesTextWithoutVersion_data();
    void refusesTextWithoutVersion();
    void readsAtMost255Columns();
    void defaultsTakeSexWordsFromSpecies_data();
    void defaultsTakeSexWordsFromSpecies();
    void defaultsTakeDateFormatFromLocale_data();
    void defaultsTakeDateFormatFromLocale();
    void captionsFollowTheTerminology_data();
    void captionsFollowTheTerminology();
    void findsColumnsOfAField();
    void choiceStartsAutomaticAndFollowing();
    void validatesColumnSets_data();
    void validatesColumnSets();

private:
    CTestSettingsScope m_Settings;
};

void TestBioImportCols::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
}

void TestBioImportCols::init()
{
    BioInitTermEditableTable();
    BioCreateTerminology();
}

void TestBioImportCols::cleanup()
{
    BioDestroyTerminology();
}

void TestBioImportCols::writesTheOneLineForm()
{
    QCOMPARE(OwnerSet().ToString(), QStringLiteral("0;1:1,3,ID;2:12,1,Owner;cs:0;addidfield:0;addlinenumberfield:0;"
                                                   "nullid:0;male:M,MALE;female:F,FEMALE;dateformat:[[dd/]mm/]yyyy"));
}

void TestBioImportCols::textFormReadsBack_data()
{
    QTest::addColumn<CBioImportCols>("cols");
    QTest::newRow("owner set") << OwnerSet();
    CBioImportCols flags = OwnerSet();
    flags.m_CaseSensitiveIds = true;
    flags.m_CreateIdField = true;
    flags.m_CreateLineNumberField = true;
    flags.m_Cols.append({BioImportFieldDateOfBirth, BioImportTypeDate, "Born"});
    QTest::newRow("flags and a date column") << flags;
    CBioImportCols none;
    none.m_NullId = "-";
    QTest::newRow("no columns") << none;
    CBioImportCols users = OwnerSet();
    users.m_Cols[1].m_Label = "Smith & Jones <UK>";
    users.m_Cols.append({BioImportFieldIgnore, BioImportTypeText, ""});
    QTest::newRow("user's label, empty label") << users;
}

void TestBioImportCols::textFormReadsBack()
{
    QFETCH(CBioImportCols, cols);
    CBioImportCols read;
    read.m_NullId = "stale";
    QVERIFY(read.FromString(cols.ToString()));
    QCOMPARE(read, cols);
}

void TestBioImportCols::writingStripsSeparators_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("nullId");
    QTest::addColumn<QString>("dateFormat");
    QTest::addColumn<QString>("text");
    QTest::newRow("comma in a label") << "Smith, John" << "0" << kDayFirst
                                      << "0;1:12,1,Smith John;cs:0;addidfield:0;addlinenumberfield:0;nullid:0;"
                                         "male:M,MALE;female:F,FEMALE;dateformat:[[dd/]mm/]yyyy";
    QTest::newRow("colon and semicolon") << "a:b;c" << "a;b" << "dd:mm:yyyy"
                                         << "0;1:12,1,abc;cs:0;addidfield:0;addlinenumberfield:0;nullid:ab;"
                                            "male:M,MALE;female:F,FEMALE;dateformat:ddmmyyyy";
}

void TestBioImportCols::writingStripsSeparators()
{
    QFETCH(QString, label);
    QFETCH(QString, nullId);
    QFETCH(QString, dateFormat);
    QFETCH(QString, text);
    CBioImportCols cols = OwnerSet();
    cols.m_Cols = {{BioImportFieldUser, BioImportTypeText, label}};
    cols.m_NullId = nullId;
    cols.m_DateFormat = dateFormat;
    QCOMPARE(cols.ToString(), text);
}

void TestBioImportCols::readsItemByItem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qint32>>("fields");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<bool>("caseSensitive");

    QTest::newRow("version only") << "0" << QList<qint32>{} << "" << false;
    QTest::newRow("gap before a column")
        << "0;3:1,1,ID" << QList<qint32>{BioImportFieldIgnore, BioImportFieldIgnore, BioImportFieldId} << "" << false;
    QTest::newRow("keys ignore case") << "0;CS:1" << QList<qint32>{} << "" << true;
    QTest::newRow("blank before the colon") << "0;cs :1" << QList<qint32>{} << "" << false;
    QTest::newRow("flag that is no number") << "0;cs:yes" << QList<qint32>{} << "" << false;
    QTest::newRow("column keys out of range")
        << "0;256:1,1,a;0:1,1,b;-1:1,1,c;1x:1,1,d" << QList<qint32>{} << "" << false;
    QTest::newRow("later column replaces earlier")
        << "0;1:6,1,first;1:14,1,second" << QList<qint32>{BioImportFieldTitle} << "second" << false;
    QTest::newRow("one comma only") << "0;1:12,2" << QList<qint32>{BioImportFieldIgnore} << "" << false;
    QTest::newRow("code out of range") << "0;1:16,1,x" << QList<qint32>{BioImportFieldIgnore} << "" << false;
    QTest::newRow("type out of range") << "0;1:12,5,x" << QList<qint32>{BioImportFieldIgnore} << "" << false;
    QTest::newRow("code without caption") << "0;1:10,1,x" << QList<qint32>{10} << "x" << false;
    QTest::newRow("label keeps its commas and blanks")
        << "0;1: 12 , 1 , a, b " << QList<qint32>{BioImportFieldUser} << " a, b" << false;
    QTest::newRow("items without a colon or key") << "0;;junk;:1;cs:1" << QList<qint32>{} << "" << true;
}

void TestBioImportCols::readsItemByItem()
{
    QFETCH(QString, text);
    QFETCH(QList<qint32>, fields);
    QFETCH(QString, firstLabel);
    QFETCH(bool, caseSensitive);
    CBioImportCols cols;
    QVERIFY(cols.FromString(text));
    QCOMPARE(Fields(cols), fields);
    if (!cols.m_Cols.isEmpty())
        QCOMPARE(cols.m_Cols.first().m_Label, firstLabel);
    QCOMPARE(cols.m_CaseSensitiveIds, caseSensitive);
    QCOMPARE(cols.m_MaleWords, CBioImportCols().m_MaleWords);
}

void TestBioImportCols::refusesTextWithoutVersion_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("other version") << "1;cs:1";
    QTest::newRow("version with a blank") << " 0;cs:1";
    QTest::newRow("binary") << QString::fromLatin1("\x01\xFF;0;1:1,1,x");
}

void TestBioImportCols::refusesTextWithoutVersion()
{
    QFETCH(QString, text);
    CBioImportCols cols = OwnerSet();
    QVERIFY(!cols.FromString(text));
    QCOMPARE(cols, CBioImportCols());
}

void TestBioImportCols::readsAtMost255Columns()
{
    CBioImportCols written;
    for (int i = 0; i < 300; ++i)
        written.m_Cols.append({BioImportFieldUser, BioImportTypeNumber, QStringLiteral("Weight %1").arg(i)});
    CBioImportCols read;
    QVERIFY(read.FromString(written.ToString()));
    QCOMPARE(read.m_Cols, written.m_Cols.first(255));
}

void TestBioImportCols::defaultsTakeSexWordsFromSpecies_data()
{
    QTest::addColumn<int>("species");
    QTest::addColumn<QString>("male");
    QTest::addColumn<QString>("female");
    QTest::newRow("dogs") << int(BioSpeciesDogs) << "M,MALE,DOG,D" << "F,FEMALE,BITCH,B";
    // The mare's letter already means male.
    QTest::newRow("horses") << int(BioSpeciesHorses) << "M,MALE,STALLION" << "F,FEMALE,MARE";
    QTest::newRow("cattle") << int(BioSpeciesCattle) << "M,MALE,BULL,B" << "F,FEMALE,COW,C";
    QTest::newRow("sheep") << int(BioSpeciesSheep) << "M,MALE,RAM,R" << "F,FEMALE,EWE,E";
    QTest::newRow("rabbits") << int(BioSpeciesRabbits) << "M,MALE,BUCK,B" << "F,FEMALE,DOE,D";
    QTest::newRow("pigs") << int(BioSpeciesPigs) << "M,MALE,BOAR,B" << "F,FEMALE,SOW,S";
    QTest::newRow("birds: no row") << int(BioSpeciesBirds) << "M,MALE" << "F,FEMALE";
    QTest::newRow("own words already in the row") << -1 << "D,DOG,DOG" << "B,BITCH,BITCH";
}

void TestBioImportCols::defaultsTakeSexWordsFromSpecies()
{
    QFETCH(int, species);
    QFETCH(QString, male);
    QFETCH(QString, female);
    if (species < 0)
        BioTestUseWords({{BioTermAnimal, "Dog"}, {BioTermMale, "Dog"}, {BioTermFemale, "Bitch"}});
    else
        InstallSpecies(species);
    const CBioImportCols cols;
    QCOMPARE(cols.m_MaleWords, male);
    QCOMPARE(cols.m_FemaleWords, female);
    QVERIFY(cols.m_Cols.isEmpty());
    QVERIFY(cols.m_NullId.isEmpty());
    QVERIFY(!cols.m_CaseSensitiveIds && !cols.m_CreateIdField && !cols.m_CreateLineNumberField);
}

void TestBioImportCols::defaultsTakeDateFormatFromLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << kDayFirst;
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << kMonthFirst;
}

void TestBioImportCols::defaultsTakeDateFormatFromLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, format);
    {
        const CCmnDateProviderScope pinned(CCmnDateProvider(QDate(2024, 6, 1), locale));
        CmnInitFramework(CCmnAppDescriptor());
    }
    QCOMPARE(CBioImportCols().m_DateFormat, format);
    CBioImportCols cols = OwnerSet();
    QVERIFY(cols.FromString("0;1:6,1,Name"));
    QCOMPARE(cols.m_DateFormat, format);
}

void TestBioImportCols::captionsFollowTheTerminology_data()
{
    QTest::addColumn<int>("species");
    QTest::addColumn<qint32>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<qint32>>("types");
    const QList<qint32> idTypes{BioImportTypeText, BioImportTypeInteger};
    const QList<qint32> all{BioImportTypeText, BioImportTypeDate, BioImportTypeInteger, BioImportTypeNumber};
    const QList<qint32> text{BioImportTypeText};
    const QList<qint32> date{BioImportTypeDate};
    QTest::newRow("ID") << int(BioSpeciesOther) << qint32(1) << "Animal ID" << idTypes;
    QTest::newRow("dog ID") << int(BioSpeciesDogs) << qint32(1) << "Dog ID" << idTypes;
    QTest::newRow("father ID") << int(BioSpeciesPeople) << qint32(2) << "Father ID" << idTypes;
    QTest::newRow("dam ID") << int(BioSpeciesOther) << qint32(3) << "Dam ID" << idTypes;
    QTest::newRow("sex") << int(BioSpeciesOther) << qint32(4) << "Sex" << idTypes;
    QTest::newRow("hatch date") << int(BioSpeciesBirds) << qint32(5) << "Hatch Date" << date;
    QTest::newRow("name") << int(BioSpeciesOther) << qint32(6) << "Name" << text;
    QTest::newRow("mother name") << int(BioSpeciesPeople) << qint32(8) << "Mother Name" << text;
    QTest::newRow("date of death") << int(BioSpeciesOther) << qint32(9) << "Date of Death" << date;
    QTest::newRow("10") << int(BioSpeciesOther) << qint32(10) << "" << QList<qint32>{};
    QTest::newRow("user field") << int(BioSpeciesOther) << qint32(12) << "User Field" << all;
    QTest::newRow("ignore") << int(BioSpeciesOther) << qint32(13) << "Ignore" << all;
    QTest::newRow("title") << int(BioSpeciesOther) << qint32(14) << "Title" << text;
    QTest::newRow("suffix") << int(BioSpeciesOther) << qint32(15) << "Suffix" << text;
    QTest::newRow("0") << int(BioSpeciesOther) << qint32(0) << "" << QList<qint32>{};
    QTest::newRow("16") << int(BioSpeciesOther) << qint32(16) << "" << QList<qint32>{};
}

void TestBioImportCols::captionsFollowTheTerminology()
{
    QFETCH(int, species);
    QFETCH(qint32, field);
    QFETCH(QString, caption);
    QFETCH(QList<qint32>, types);
    InstallSpecies(species);
    QCOMPARE(BioImportFieldCaption(field), caption);
    QCOMPARE(BioImportAllowedTypes(field), types);
}

void TestBioImportCols::findsColumnsOfAField()
{
    CBioImportCols cols;
    QVERIFY(cols.FromString("0;1:12,1,a;2:1,1,ID;3:12,1,b"));
    QCOMPARE(cols.IndexOfField(BioImportFieldUser, 0), 0);
    QCOMPARE(cols.IndexOfField(BioImportFieldUser, 1), 2);
    QCOMPARE(cols.IndexOfField(BioImportFieldUser, 3), -1);
    QCOMPARE(cols.IndexOfField(BioImportFieldSex, 0), -1);
    QCOMPARE(BioImportTypeName(BioImportTypeNumber), QStringLiteral("Number"));
    QCOMPARE(BioImportTypeName(5), QString());
}

void TestBioImportCols::choiceStartsAutomaticAndFollowing()
{
    CBioAutomaticOrCustomImportCols choice;
    QVERIFY(choice.m_Automatic);
    QVERIFY(choice.m_Follow);
    QCOMPARE(choice.m_Deduced, CBioImportCols());
    CBioImportCols custom = OwnerSet();
    choice.m_Custom = custom;
    QCOMPARE(choice.Effective(), CBioImportCols());
    choice.m_Automatic = false;
    QCOMPARE(choice.Effective(), custom);
}

void TestBioImportCols::validatesColumnSets_data()
{
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("message");
    const QString ids = QStringLiteral("1/1 2/1 3/1 ");
    QTest::newRow("complete") << ids + "4/3 5/2 6/1 7/1 8/1 9/2 12/4 12/2 13/3 13/1 14/1 15/1" << "";
    QTest::newRow("integer ids") << "1/3 2/3 3/3" << "";
    QTest::newRow("1 no id") << "2/1 3/1" << "There is no 'Animal ID' ID column. This column is required.";
    QTest::newRow("1 no sire id") << "1/1 3/1 6/1" << "There is no 'Sire ID' ID column. This column is required.";
    QTest::newRow("1 no dam id") << "1/3 2/3 2/3" << "There is no 'Dam ID' ID column. This column is required.";
    QTest::newRow("2 id twice") << ids + "1/1"
                                << "The 'Animal ID' column appears more than once. You can only have one 'Animal ID' column.";
    QTest::newRow("2 sex before name") << ids + "6/1 6/1 4/1 4/1"
                                       << "The 'Sex' column appears more than once. You can only have one 'Sex' column.";
    QTest::newRow("3 id date") << "1/2 2/2 3/2" << "The Animal ID column data type must be string or integer";
    QTest::newRow("4 sire type") << "1/3 2/1 3/3" << "The Animal ID and Sire ID columns must both be string or integer";
    QTest::newRow("5 dam type") << "1/1 2/1 3/3" << "The Animal ID and Dam ID columns must both be string or integer";
    QTest::newRow("6 name") << ids + "6/3" << "The Name column must be string type";
    QTest::newRow("7 sire name type first") << ids + "7/3" << "The Sire Name column must be string type";
    QTest::newRow("8 sire name alone") << ids + "7/1"
                                       << "If the Sire Name column is included, the Name column must also be present";
    QTest::newRow("9 dam name") << ids + "6/1 8/4" << "The Dam Name column must be string type";
    QTest::newRow("10 dam name alone") << ids + "8/1"
                                       << "If the Dam Name column is included, the Name column must also be present";
    QTest::newRow("11 birth") << ids + "5/1 9/1" << "The Date of Birth column must be date type";
    QTest::newRow("12 death") << ids + "9/3" << "The Date of Death column must be date type";
    QTest::newRow("13 title") << ids + "14/2 15/2" << "The Title column must be string type";
    QTest::newRow("14 suffix") << ids + "15/3" << "The Suffix column must be string type";
}

void TestBioImportCols::validatesColumnSets()
{
    QFETCH(QString, columns);
    QFETCH(QString, message);
    QCOMPARE(BioValidateImportCols(Columns(columns)), message);
}

QTEST_GUILESS_MAIN(TestBioImportCols)
#include "tst_bioimportcols.moc"
