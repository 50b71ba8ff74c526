#include "biodefaultregfieldssettings.h"
#include "bionewregparams.h"
#include "cmnregfieldssettings.h"
#include "cmnreguserfieldset.h"
#include "cmnsettingsexchange.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QTest>

namespace {

// The default-usage sets of the catalogue by the context numbers of the forms.
CCmnRegFieldContextMask UsageContexts(const QString &usage)
{
    QList<int> contexts;
    if (usage == QLatin1String("D"))
        contexts = {1, 36, 60};
    else if (usage == QLatin1String("T"))
        contexts = {1, 2, 33, 35};
    else if (usage == QLatin1String("TA"))
        contexts = {1, 2, 33, 35, 50, 51, 52};
    else if (usage == QLatin1String("M"))
        contexts = {36, 60};
    CCmnRegFieldContextMask mask;
    for (const int context : contexts)
        mask.SetContext(context, true);
    return mask;
}

// The request a row of the catalogue describes in words ("key field, shared list
// "Breeders", word wrap"), with its field type.
CCmnRegNewFieldOptions Request(const QString &type, const QString &settings)
{
    CCmnRegNewFieldOptions request;
    if (type == QLatin1String("Multiline Text"))
        request.m_Flags |= CCmnRegNewFieldOptions::Multiline;
    else if (type == QLatin1String("Date"))
        request.m_Flags |= CCmnRegNewFieldOptions::Date;
    if (settings == QLatin1String("-"))
        return request;
    for (const QString &part : settings.split(QStringLiteral(", "))) {
        if (part == QLatin1String("key field"))
            request.m_Flags |= CCmnRegNewFieldOptions::KeyField;
        else if (part == QLatin1String("private list"))
            request.m_Flags |= CCmnRegNewFieldOptions::PrivateList;
        else if (part == QLatin1String("word wrap"))
            request.m_Flags |= CCmnRegNewFieldOptions::WordWrap;
        else if (part == QLatin1String("format paragraphs"))
            request.m_Flags |= CCmnRegNewFieldOptions::FormatParagraphs;
        else if (part.startsWith(QLatin1String("shared list \""))) {
            request.m_Flags |= CCmnRegNewFieldOptions::SharedList;
            request.m_SharedListName = part.mid(13).chopped(1);
        } else if (part.endsWith(QLatin1String(" lines")))
            request.m_MultilineLines = part.section(QLatin1Char(' '), 0, 0).toInt();
        else
            qFatal("unknown field setting %s", qPrintable(part));
    }
    return request;
}

QHash<QString, int> UserFieldIds(const CCmnRegFieldsSettings &settings)
{
    QHash<QString, int> ids;
    for (const auto &item : settings.GetUserFields().m_Items)
        ids.insert(item.first, item.second.m_Id);
    return ids;
}

QList<int> Chosen(const CBioNewRegParams &params)
{
    return params.Ids(true);
}

const QList<int> kDefaultChosen{56, 11, 12, 55, 14, 18, 30, 31};

} // namespace

class TestBioNewRegParams : public QObject
{
    Q_OBJECT
private slots:
    void catalogueEntries_data();
    void catalogueEntries();
    void colourWordFollowsLocale_data();
    void colourWordFollowsLocale();
    void defaultsBecomeUserFieldsInCatalogueOrder();
    void choiceReplacesEarlierUserFields();
    void savesChosenAndOtherIds();
    void everyBoxClearedIsRememberedCleared();
    void loadIgnoresDamagedParts_data();
    void loadIgnoresDamagedParts();
};

void TestBioNewRegParams::catalogueEntries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QString>("placement");
    QTest::addColumn<bool>("main");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("usage");

    // The catalogue as the product lists it, with the British colour word.
    QTest::newRow("10") << 0 << QStringLiteral("\"General\"") << QStringLiteral("Pet Name") << 10 << false << QStringLiteral("1/0") << false << QStringLiteral("Text") << QStringLiteral("word wrap") << QStringLiteral("D");
    QTest::newRow("56") << 1 << QString() << QStringLiteral("Additional Titles") << 56 << true << QStringLiteral("1/1") << false << QStringLiteral("Multiline Text") << QStringLiteral("3 lines, format paragraphs") << QStringLiteral("M");
    QTest::newRow("11") << 2 << QString() << QStringLiteral("Breeder") << 11 << true << QStringLiteral("1/2") << true << QStringLiteral("Text") << QStringLiteral("key field, shared list \"Breeders\", word wrap") << QStringLiteral("T");
    QTest::newRow("12") << 3 << QString() << QStringLiteral("Owner") << 12 << true << QStringLiteral("1/3") << true << QStringLiteral("Text") << QStringLiteral("key field, word wrap") << QStringLiteral("T");
    QTest::newRow("55") << 4 << QString() << QStringLiteral("Notes") << 55 << true << QStringLiteral("14/0") << false << QStringLiteral("Multiline Text") << QStringLiteral("10 lines, format paragraphs") << QStringLiteral("M");
    QTest::newRow("42") << 5 << QString() << QStringLiteral("Genus") << 42 << false << QStringLiteral("3/6") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("43") << 6 << QString() << QStringLiteral("Species") << 43 << false << QStringLiteral("3/7") << false << QStringLiteral("Text") << QStringLiteral("word wrap") << QStringLiteral("D");
    QTest::newRow("44") << 7 << QString() << QStringLiteral("Subspecies") << 44 << false << QStringLiteral("3/8") << false << QStringLiteral("Text") << QStringLiteral("word wrap") << QStringLiteral("D");
    QTest::newRow("14") << 8 << QStringLiteral("\"Identity\"") << QStringLiteral("Microchip") << 14 << true << QStringLiteral("4/0") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("13") << 9 << QString() << QStringLiteral("Tattoo") << 13 << false << QStringLiteral("4/1") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("15") << 10 << QString() << QStringLiteral("Band No.") << 15 << false << QStringLiteral("4/2") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("16") << 11 << QString() << QStringLiteral("Brand Mark") << 16 << false << QStringLiteral("4/3") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("17") << 12 << QString() << QStringLiteral("Ear No.") << 17 << false << QStringLiteral("4/4") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("18") << 13 << QStringLiteral("\"Registration\" (new column)") << QStringLiteral("Reg. No.") << 18 << true << QStringLiteral("5/0") << true << QStringLiteral("Text") << QStringLiteral("key field") << QStringLiteral("T");
    QTest::newRow("19") << 14 << QString() << QStringLiteral("Reg. Body") << 19 << false << QStringLiteral("5/1") << false << QStringLiteral("Text") << QStringLiteral("shared list \"Registering Bodies\", word wrap") << QStringLiteral("D");
    QTest::newRow("20") << 15 << QString() << QStringLiteral("Reg. Country") << 20 << false << QStringLiteral("5/2") << false << QStringLiteral("Text") << QStringLiteral("shared list \"Countries\", word wrap") << QStringLiteral("D");
    QTest::newRow("21") << 16 << QString() << QStringLiteral("Reg. Date") << 21 << false << QStringLiteral("5/3") << false << QStringLiteral("Date") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("22") << 17 << QString() << QStringLiteral("Reg. No. #2") << 22 << false << QStringLiteral("6/4") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("23") << 18 << QString() << QStringLiteral("Reg. Body #2") << 23 << false << QStringLiteral("6/0") << false << QStringLiteral("Text") << QStringLiteral("shared list \"Registering Bodies\", word wrap") << QStringLiteral("D");
    QTest::newRow("24") << 19 << QString() << QStringLiteral("Reg. Country #2") << 24 << false << QStringLiteral("6/1") << false << QStringLiteral("Text") << QStringLiteral("shared list \"Countries\", word wrap") << QStringLiteral("D");
    QTest::newRow("25") << 20 << QString() << QStringLiteral("Reg. Date #2") << 25 << false << QStringLiteral("6/2") << false << QStringLiteral("Date") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("26") << 21 << QString() << QStringLiteral("Litter Reg. No.") << 26 << false << QStringLiteral("7/3") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("27") << 22 << QString() << QStringLiteral("BRS No.") << 27 << false << QStringLiteral("7/0") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("28") << 23 << QString() << QStringLiteral("Stud Book No.") << 28 << false << QStringLiteral("7/1") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("29") << 24 << QString() << QStringLiteral("GC No.") << 29 << false << QStringLiteral("7/2") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("30") << 25 << QStringLiteral("\"Breed\" (new column)") << QStringLiteral("Breed") << 30 << true << QStringLiteral("2/0") << true << QStringLiteral("Text") << QStringLiteral("key field, private list, word wrap") << QStringLiteral("D");
    QTest::newRow("31") << 26 << QString() << QStringLiteral("Colour") << 31 << true << QStringLiteral("2/1") << true << QStringLiteral("Text") << QStringLiteral("key field, private list, word wrap") << QStringLiteral("TA");
    QTest::newRow("32") << 27 << QString() << QStringLiteral("Breed No.") << 32 << false << QStringLiteral("2/2") << true << QStringLiteral("Text") << QStringLiteral("key field, private list") << QStringLiteral("T");
    QTest::newRow("33") << 28 << QString() << QStringLiteral("EMS Code") << 33 << false << QStringLiteral("2/3") << true << QStringLiteral("Text") << QStringLiteral("key field, private list") << QStringLiteral("T");
    QTest::newRow("37") << 29 << QString() << QStringLiteral("Pattern") << 37 << false << QStringLiteral("2/4") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("38") << 30 << QString() << QStringLiteral("Eye Colour") << 38 << false << QStringLiteral("2/5") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("46") << 31 << QString() << QStringLiteral("Full Breed Description") << 46 << false << QStringLiteral("2/6") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("45") << 32 << QString() << QStringLiteral("Faults") << 45 << false << QStringLiteral("2/7") << false << QStringLiteral("Multiline Text") << QStringLiteral("3 lines, format paragraphs") << QStringLiteral("M");
    QTest::newRow("34") << 33 << QString() << QStringLiteral("TICA Category") << 34 << false << QStringLiteral("3/0") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("35") << 34 << QString() << QStringLiteral("TICA Division") << 35 << false << QStringLiteral("3/1") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("36") << 35 << QString() << QStringLiteral("Breed Group") << 36 << false << QStringLiteral("3/2") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("39") << 36 << QString() << QStringLiteral("Ear Type") << 39 << false << QStringLiteral("3/3") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("40") << 37 << QString() << QStringLiteral("Tail Type") << 40 << false << QStringLiteral("3/4") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("41") << 38 << QString() << QStringLiteral("Fur Type") << 41 << false << QStringLiteral("3/5") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("57") << 39 << QStringLiteral("\"Health\" (new column)") << QStringLiteral("Hip Score") << 57 << false << QStringLiteral("9/0") << true << QStringLiteral("Text") << QStringLiteral("key field") << QStringLiteral("T");
    QTest::newRow("58") << 40 << QString() << QStringLiteral("Elbow Score") << 58 << false << QStringLiteral("9/1") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("60") << 41 << QString() << QStringLiteral("OFA No.") << 60 << false << QStringLiteral("9/2") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("59") << 42 << QString() << QStringLiteral("CERF No.") << 59 << false << QStringLiteral("10/0") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("61") << 43 << QString() << QStringLiteral("Last Eye Test Date") << 61 << false << QStringLiteral("10/1") << false << QStringLiteral("Date") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("62") << 44 << QString() << QStringLiteral("Last Eye Test Result") << 62 << false << QStringLiteral("10/2") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("63") << 45 << QString() << QStringLiteral("Cause Of Death") << 63 << false << QStringLiteral("11/0") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("64") << 46 << QString() << QStringLiteral("DNA Profile") << 64 << false << QStringLiteral("11/1") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("68") << 47 << QString() << QStringLiteral("Temperament") << 68 << false << QStringLiteral("11/2") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("D");
    QTest::newRow("69") << 48 << QString() << QStringLiteral("Usual Vet") << 69 << false << QStringLiteral("11/3") << false << QStringLiteral("Text") << QStringLiteral("private list, word wrap") << QStringLiteral("none");
    QTest::newRow("65") << 49 << QString() << QStringLiteral("Height") << 65 << false << QStringLiteral("12/0") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("66") << 50 << QString() << QStringLiteral("Length") << 66 << false << QStringLiteral("12/1") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("67") << 51 << QString() << QStringLiteral("Weight") << 67 << false << QStringLiteral("12/2") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("70") << 52 << QString() << QStringLiteral("Health Notes") << 70 << false << QStringLiteral("14/1") << false << QStringLiteral("Multiline Text") << QStringLiteral("7 lines, format paragraphs") << QStringLiteral("M");
    QTest::newRow("71") << 53 << QString() << QStringLiteral("Vaccination History") << 71 << false << QStringLiteral("14/2") << false << QStringLiteral("Multiline Text") << QStringLiteral("7 lines, format paragraphs") << QStringLiteral("M");
    QTest::newRow("47") << 54 << QStringLiteral("\"Purchase\" (new column)") << QStringLiteral("Bought From") << 47 << false << QStringLiteral("8/0") << false << QStringLiteral("Text") << QStringLiteral("shared list \"Breeders\", word wrap") << QStringLiteral("none");
    QTest::newRow("48") << 55 << QString() << QStringLiteral("Purchase Price") << 48 << false << QStringLiteral("8/1") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("49") << 56 << QString() << QStringLiteral("Bought On") << 49 << false << QStringLiteral("8/2") << false << QStringLiteral("Date") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("50") << 57 << QString() << QStringLiteral("Country Imported From") << 50 << false << QStringLiteral("8/3") << false << QStringLiteral("Text") << QStringLiteral("shared list \"Countries\", word wrap") << QStringLiteral("none");
    QTest::newRow("51") << 58 << QStringLiteral("\"Sale\"") << QStringLiteral("Sold To") << 51 << false << QStringLiteral("8/4") << false << QStringLiteral("Text") << QStringLiteral("word wrap") << QStringLiteral("none");
    QTest::newRow("52") << 59 << QString() << QStringLiteral("Sale Price") << 52 << false << QStringLiteral("8/5") << false << QStringLiteral("Text") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("53") << 60 << QString() << QStringLiteral("Sold On") << 53 << false << QStringLiteral("8/6") << false << QStringLiteral("Date") << QStringLiteral("-") << QStringLiteral("D");
    QTest::newRow("54") << 61 << QString() << QStringLiteral("Country Exported To") << 54 << false << QStringLiteral("8/7") << false << QStringLiteral("Text") << QStringLiteral("shared list \"Countries\", word wrap") << QStringLiteral("none");
}

void TestBioNewRegParams::catalogueEntries()
{
    QFETCH(int, index);
    QFETCH(QString, box);
    QFETCH(QString, field);
    QFETCH(int, id);
    QFETCH(bool, chosen);
    QFETCH(QString, placement);
    QFETCH(bool, main);
    QFETCH(QString, type);
    QFETCH(QString, settings);
    QFETCH(QString, usage);

    const CBioNewRegParams params(QLocale::c());
    QCOMPARE(params.m_Entries.size(), 62);
    QCOMPARE(params.m_TerminologyOnLastSave, 6);
    const CBioNewRegStdField &entry = params.m_Entries.at(index);
    QCOMPARE(entry.m_Id, id);
    QCOMPARE(entry.m_GroupCaption, box.section(QLatin1Char('"'), 1, 1));
    const int flags = (chosen ? 0x1 : 0) | (box.endsWith(QLatin1String("(new column)")) ? 0x2 : 0) | (main ? 0x10 : 0);
    QCOMPARE(entry.m_Flags, flags);
    QCOMPARE(QStringLiteral("%1/%2").arg(entry.m_LayoutGroup).arg(entry.m_Position), placement);

    const CCmnRegNewFieldOptions expected = Request(type, settings);
    const CCmnRegNewFieldOptions &description = entry.m_Description;
    QCOMPARE(description.m_Name, field);
    QCOMPARE(description.m_Flags, expected.m_Flags);
    QCOMPARE(description.m_MultilineLines, expected.m_MultilineLines);
    QCOMPARE(description.m_SharedListName, expected.m_SharedListName);
    QCOMPARE(description.m_MultilineWidth, 0);
    QCOMPARE(description.m_TextWidth, 0);
    QCOMPARE(description.m_Contexts, UsageContexts(usage));
}

void TestBioNewRegParams::colourWordFollowsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("eye");
    QTest::newRow("C") << QLocale::c() << "Colour" << "Eye Colour";
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "Color" << "Eye Color";
    QTest::newRow("Canada") << QLocale(QLocale::French, QLocale::Canada) << "Color" << "Eye Color";
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "Colour" << "Eye Colour";
}

void TestBioNewRegParams::colourWordFollowsLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, colour);
    QFETCH(QString, eye);

    const CBioNewRegParams params(locale);
    QCOMPARE(params.m_Entries.at(26).m_Description.m_Name, colour);
    QCOMPARE(params.m_Entries.at(30).m_Description.m_Name, eye);
}

void TestBioNewRegParams::defaultsBecomeUserFieldsInCatalogueOrder()
{
    CCmnRegFieldsSettings settings = BioDefaultRegFieldsSettings();
    const QList<CCmnRegField> systemFields = settings.GetSystemFields();
    const QList<CCmnRegField> specialFields = settings.GetSpecialFields();
    CBioNewRegParams(QLocale::c()).ApplyToSettings(settings);

    const QHash<QString, int> expected{{"Additional Titles", 1}, {"Breeder", 2}, {"Owner", 3},
                                       {"Notes", 4},             {"Microchip", 5}, {"Reg. No.", 6},
                                       {"Breed", 7},             {"Colour", 8}};
    QCOMPARE(UserFieldIds(settings), expected);
    QCOMPARE(settings.GetSystemFields(), systemFields);
    QCOMPARE(settings.GetSpecialFields(), specialFields);

    // What the request asked for reaches the definitions.
    const CCmnRegFieldDef *notes = settings.FindFieldDef(4);
    QVERIFY(notes);
    QCOMPARE(notes->m_Type, CmnRegFieldMultilineText);
    QCOMPARE(notes->m_MultilineLines, 10);
    const CCmnRegFieldDef *breeder = settings.FindFieldDef(2);
    QVERIFY(breeder);
    QVERIFY(breeder->m_Flags & CmnRegFieldSharedList);
    QVERIFY(breeder->m_Flags & CmnRegFieldKey);
    const CCmnRegFieldDef *microchip = settings.FindFieldDef(5);
    QVERIFY(microchip);
    QVERIFY(!(microchip->m_Flags & CmnRegFieldKey));

    // Every new field is placed: in the field order and the record window, the
    // key fields also in the select window.
    for (int id = 1; id <= 8; ++id)
        QVERIFY2(settings.GetFormFieldOrder().contains(id), qPrintable(QString::number(id)));
    QList<int> detailIds;
    for (const CCmnRegRecordDetailsLayoutItem &item : settings.GetRecordDetailsLayout())
        detailIds << item.m_FieldId;
    for (int id = 1; id <= 8; ++id)
        QVERIFY2(detailIds.contains(id), qPrintable(QString::number(id)));
    QList<int> selectIds;
    for (const CCmnRegSelectRecordLayoutItem &item : settings.GetSelectRecordLayout())
        selectIds << item.m_FieldId;
    for (const int keyField : {2, 3, 6, 7, 8})
        QVERIFY2(selectIds.contains(keyField), qPrintable(QString::number(keyField)));
    QVERIFY(!selectIds.contains(5));
}

void TestBioNewRegParams::choiceReplacesEarlierUserFields()
{
    CCmnRegFieldsSettings settings = BioDefaultRegFieldsSettings();
    CCmnRegUserFieldSet earlier;
    earlier.AddField(QStringLiteral("Smith & Jones <UK>"), CCmnRegUserField(1, CCmnRegFieldDef()));
    earlier.AddField(QStringLiteral("Kennel"), CCmnRegUserField(2, CCmnRegFieldDef()));
    settings.SetUserFields(earlier);

    CBioNewRegParams params(QLocale::c());
    for (CBioNewRegStdField &entry : params.m_Entries)
        entry.SetChosen(entry.m_Id == 71);
    params.ApplyToSettings(settings);

    QCOMPARE(UserFieldIds(settings), (QHash<QString, int>{{"Vaccination History", 1}}));

    for (CBioNewRegStdField &entry : params.m_Entries)
        entry.SetChosen(false);
    params.ApplyToSettings(settings);
    QVERIFY(settings.GetUserFields().m_Items.isEmpty());
}

void TestBioNewRegParams::savesChosenAndOtherIds()
{
    CTestSettingsScope scope;
    CBioNewRegParams(QLocale::c()).Exchange(CCmnSettingsExchange(true).Child(BioNewRegParamsGroup()));

    QSettings stored;
    QCOMPARE(stored.value("newbioregparams/enabledfields").toString(), QStringLiteral("56,11,12,55,14,18,30,31"));
    QCOMPARE(stored.value("newbioregparams/disabledfields").toString().split(',').size(), 54);
    QVERIFY(stored.value("newbioregparams/disabledfields").toString().startsWith(QLatin1String("10,42,43,44,13,")));
    QCOMPARE(stored.value("newbioregparams/terminologyonlastsave").toInt(), 6);
}

void TestBioNewRegParams::everyBoxClearedIsRememberedCleared()
{
    CTestSettingsScope scope;
    CBioNewRegParams cleared(QLocale::c());
    for (CBioNewRegStdField &entry : cleared.m_Entries)
        entry.SetChosen(false);
    cleared.Exchange(CCmnSettingsExchange(true).Child(BioNewRegParamsGroup()));
    QCOMPARE(QSettings().value("newbioregparams/enabledfields").toString(), QString());

    CBioNewRegParams next(QLocale::c());
    next.Exchange(CCmnSettingsExchange(false).Child(BioNewRegParamsGroup()));
    QCOMPARE(Chosen(next), QList<int>());
}

void TestBioNewRegParams::loadIgnoresDamagedParts_data()
{
    QTest::addColumn<QVariant>("disabled");
    QTest::addColumn<QVariant>("enabled");
    QTest::addColumn<QVariant>("terminology");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<int>("terminologyRead");

    const QVariant missing;
    QTest::newRow("never saved") << missing << missing << missing << kDefaultChosen << 6;
    QTest::newRow("enabled wins over disabled")
        << QVariant("11") << QVariant("11,99,x") << QVariant(7) << kDefaultChosen << 7;
    QTest::newRow("empty, text and unknown parts")
        << missing << QVariant(",x,99,10,") << missing << (QList<int>{10} + kDefaultChosen) << 6;
    QTest::newRow("disabled only") << QVariant("56,55,31,abc") << missing << missing
                                   << (QList<int>{11, 12, 14, 18, 30}) << 6;
    QTest::newRow("empty lists") << QVariant("") << QVariant("") << missing << kDefaultChosen << 6;
    QTest::newRow("huge and negative ids") << QVariant("99999999999,-56") << QVariant("-1,+10") << missing
                                           << (QList<int>{10} + kDefaultChosen) << 6;
}

void TestBioNewRegParams::loadIgnoresDamagedParts()
{
    QFETCH(QVariant, disabled);
    QFETCH(QVariant, enabled);
    QFETCH(QVariant, terminology);
    QFETCH(QList<int>, chosen);
    QFETCH(int, terminologyRead);

    CTestSettingsScope scope;
    {
        QSettings stored;
        if (disabled.isValid())
            stored.setValue("newbioregparams/disabledfields", disabled);
        if (enabled.isValid())
            stored.setValue("newbioregparams/enabledfields", enabled);
        if (terminology.isValid())
            stored.setValue("newbioregparams/terminologyonlastsave", terminology);
    }
    CBioNewRegParams params(QLocale::c());
    params.Exchange(CCmnSettingsExchange(false).Child(BioNewRegParamsGroup()));

    QList<int> expected;
    for (const CBioNewRegStdField &entry : params.m_Entries)
        if (chosen.contains(entry.m_Id))
            expected << entry.m_Id;
    QCOMPARE(Chosen(params), expected);
    QCOMPARE(params.m_TerminologyOnLastSave, terminologyRead);
}

QTEST_GUILESS_MAIN(TestBioNewRegParams)
#include "tst_bionewregparams.moc"
