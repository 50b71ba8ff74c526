#include "bioimportcols.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregtesting.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmncsvformat.h"
#include "cmndate.h"
#include "cmnframework.h"
#include "cmnprogress.h"
#include "cmnregfieldlookup.h"
#include "cmnreglookuplists.h"
#include "cmnreguserfieldset.h"
#include "cmnregvaluekind.h"
#include "cmntextencoding.h"
#include "faildevice.h"
#include "testsettingsscope.h"

#include <QBuffer>
#include <QTest>

namespace {

// Records what the import reports and cancels once the given phase has begun.
class CScriptedProgress : public CCmnProgress
{
public:
    void NextPhase(const QString &text) override { m_Phases.append(text); }
    void SetMaximum(int maximum) override { m_Maximums.append(maximum); }
    void SetProgress(int value) override { m_Last = value; }
    bool WasCanceled() const override { return !m_CancelIn.isEmpty() && m_Phases.contains(m_CancelIn); }

    QString m_CancelIn;
    QStringList m_Phases;
    QList<int> m_Maximums;
    int m_Last = -1;
};

struct CImportRun
{
    QString m_Result;
    QStringList m_Messages;
};

CCmnCsvFormat CommaFormat(bool header)
{
    CCmnCsvFormat format;
    format.SetCommaSeparated(true);
    format.SetEscapeFlag(false);
    format.SetHeaderFlag(header);
    return format;
}

CBioImportCols Columns(const QString &text)
{
    CBioImportCols cols;
    cols.SetDefaults();
    if (!cols.FromString(text))
        qFatal("bad column set");
    return cols;
}

CImportRun Import(CBioReg &reg, const QByteArray &bytes, const CBioImportCols &cols,
                  const CCmnCsvFormat &format = CommaFormat(false), CCmnProgress *progress = nullptr,
                  int maxUserFields = 200)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CImportRun run;
    QString warning;
    run.m_Result = reg.ImportDelimitedText(progress, warning, run.m_Messages, CCmnRegFieldContextMask(),
                                           CCmnTextEncoding("UTF-8", "LOCALE", 0), format, cols, &buffer,
                                           maxUserFields, QStringLiteral("Orvanta has a maximum of 200 user fields."));
    return run;
}

// "name/sex/sire/dam" per animal in id order, parents by name.
QString Animals(const CBioReg &reg)
{
    QStringList animals;
    QVector<int> ids = reg.GetRecordIds();
    std::sort(ids.begin(), ids.end());
    const auto name = [&reg](int id) { return id > 0 ? reg.GetBioRecord(id)->m_Name : QString(); };
    for (const int id : ids) {
        const CBioRegRecord *animal = reg.GetBioRecord(id);
        animals.append(QStringLiteral("%1/%2/%3/%4").arg(animal->m_Name).arg(animal->m_Sex).arg(name(animal->m_Sire),
                                                                                             name(animal->m_Dam)));
    }
    return animals.join(u' ');
}

QStringList UserFieldNames(const CBioReg &reg)
{
    QStringList names;
    for (const auto &item : reg.GetFieldsSettings().GetUserFields().m_Items)
        names.append(item.first);
    return names;
}

// The texts the user field's own drop-down list offers, in list order.
QStringList Offered(CBioReg &reg, const QString &fieldName)
{
    const CCmnRegUserFieldSet &set = reg.GetFieldsSettings().GetUserFields();
    const auto index = set.FindField(fieldName, Qt::CaseSensitive);
    CCmnRegFieldLookup *field = index < 0 ? nullptr : reg.GetLookupLists().FindField(set.m_Items.at(index).second.m_Id);
    CCmnRegLookupList *list = field ? field->PrivateList() : nullptr;
    if (!list)
        return {};
    list->m_List.Flush();
    QStringList texts;
    for (const CCmnStringTriple &triple : list->m_List.Items())
        texts.append(triple.m_Text);
    return texts;
}

const QString kIdSireDamName = QStringLiteral("0;1:1,3,;2:2,3,;3:3,3,;4:6,1,");
const QString kTextIds = QStringLiteral("0;1:1,1,;2:2,1,;3:3,1,;4:6,1,");

} // namespace

class TestBioRegImport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void importsRows_data();
    void importsRows();
    void storesValuesInFields();
    void offersTheKeptRowsValues_data();
    void offersTheKeptRowsValues();
    void limitsUserFields_data();
    void limitsUserFields();
    void parentLoopsStayDataAndWalksEnd();
    void cancelLeavesNoRecords_data();
    void cancelLeavesNoRecords();
    void refusesBeforeChangingAnything_data();
    void refusesBeforeChangingAnything();
    void reportsAReadError();
    void countsProgressPerMille();

private:
    CTestSettingsScope m_Settings;
};

void TestBioRegImport::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestBioRegImport::init()
{
    BioInitTermEditableTable();
    BioCreateTerminology();
    CBioTerminologySettings dogs;
    dogs.ApplySpeciesDefaults(BioSpeciesDogs);
    BioSetTerminology(dogs);
}

void TestBioRegImport::cleanup()
{
    BioDestroyTerminology();
}

void TestBioRegImport::importsRows_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QString>("animals");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("first of a duplicate ID stays") << QByteArray("1,,,Rex\n2,,,Bella\n1,,,Max\n") << kIdSireDamName
                                                   << false << "Rex/0// Bella/0//"
                                                   << QStringList{"Line 3, dog with duplicate ID (1), ignored"};
    QTest::newRow("duplicates of IDs met before the first one out of order")
        << QByteArray("1,,,A\n5,,,B\n3,,,C\n5,,,D\n1,,,E\n") << kIdSireDamName << false << "A/0// B/0// C/0//"
        << QStringList{"Line 4, dog with duplicate ID (5), ignored", "Line 5, dog with duplicate ID (1), ignored"};
    QTest::newRow("text IDs ignore letter case")
        << QByteArray("ab1,,,Rex\nAB1,,,Max\nab2,aB1,,Bella\n") << kTextIds << false << "Rex/0// Bella/0/Rex/"
        << QStringList{"Line 2, dog with duplicate ID (AB1), ignored"};
    QTest::newRow("an empty text parent is no parent whatever the null ID")
        << QByteArray("a,,0,Rex\nb,a,,Max\n,,,NoId\n") << kTextIds + ";nullid:0" << false << "Rex/0// Max/0/Rex/"
        << QStringList{"Line 3, dog with no ID, ignored"};
    QTest::newRow("case-sensitive text IDs") << QByteArray("ab1,,,Rex\nAB1,,,Max\n") << kTextIds + ";cs:1" << false
                                             << "Rex/0// Max/0//" << QStringList{};
    QTest::newRow("placeholders named by the first sire name, else Unknown in ID order")
        << QByteArray("ID,Sire,Dam,Name,Sire Name,Dam Name\n5,90,80,Rex,Odin,\n6,90,70,Max,Thor,\n")
        << kIdSireDamName + ";5:7,1,;6:8,1," << true
        << "Rex/0/Odin/Unknown-2 Max/0/Odin/Unknown-1 Odin/1// Unknown-2/2// Unknown-1/2//" << QStringList{};
    QTest::newRow("text placeholders are Unknown in text order, not as met; a dropped row's parent is none")
        << QByteArray("b,zz,yy,Rex\na,x1,y1,Max\nA,qq,,Again\n") << kTextIds << false
        << "Rex/0/Unknown-4/Unknown-3 Max/0/Unknown-1/Unknown-2 Unknown-4/1// Unknown-3/2// Unknown-1/1// "
           "Unknown-2/2//"
        << QStringList{"Line 3, dog with duplicate ID (A), ignored"};
    QTest::newRow("without a name column the ID names")
        << QByteArray("5,90,80\n") << QStringLiteral("0;1:1,3,;2:2,3,;3:3,3,") << false << "5/0/90/80 90/1// 80/2//"
        << QStringList{};
    QTest::newRow("a parent takes the sex of the role it is first met in")
        << QByteArray("1,7,8,A\n2,8,7,B\n") << kIdSireDamName << false << "A/0/Unknown-1/Unknown-2 B/0/Unknown-2/Unknown-1 "
           "Unknown-1/1// Unknown-2/2//" << QStringList{};
    QTest::newRow("wide ID range") << QByteArray("-9000000000000000000,,,Rex\n9000000000000000000,-9000000000000000000,,Max\n"
                                                 "9000000000000000000,,,Again\n")
                                   << kIdSireDamName << false << "Rex/0// Max/0/Rex/"
                                   << QStringList{"Line 3, dog with duplicate ID (9000000000000000000), ignored"};
    QTest::newRow("narrow ID range") << QByteArray("-9,,,Rex\n9,-9,,Max\n9,,,Again\n") << kIdSireDamName << false
                                     << "Rex/0// Max/0/Rex/" << QStringList{"Line 3, dog with duplicate ID (9), ignored"};
    QTest::newRow("narrow IDs out of order, below zero and beyond the rows' own")
        << QByteArray("3,-2,5,A\n-1,3,,B\n2,-2,-1,C\n") << kIdSireDamName << false
        << "A/0/Unknown-1/Unknown-2 B/0/A/ C/0/Unknown-1/B Unknown-1/1// Unknown-2/2//" << QStringList{};
    QTest::newRow("blank and comment lines count")
        << QByteArray("ID,Sire,Dam,Name\n\n# note\n1,,,Rex\n,,,NoId\n\n1,,,Max\n") << kIdSireDamName << true
        << "Rex/0//" << QStringList{"Line 5, dog with no ID, ignored", "Line 7, dog with duplicate ID (1), ignored"};
    QTest::newRow("a quoted name with a separator and a line break is one record")
        << QByteArray("1,,,\"Smith; \"\"Jones\"\"\nof Kent\"\n2,1,,Max\n2,,,Again\n") << kIdSireDamName << false
        << "Smith; \"Jones\"\nof Kent/0// Max/0/Smith; \"Jones\"\nof Kent/"
        << QStringList{"Line 4, dog with duplicate ID (2), ignored"};
    QTest::newRow("a cell that is no number is no parent")
        << QByteArray("1,x,,Rex\n2,x,y,Max\nz,1,,Bella\n-1,,,Gone\n3,-1,1,Ok\n") << kIdSireDamName + ";nullid:-1" << false
        << "Rex/0// Max/0// Ok/0//Rex"
        << QStringList{"Line 1, IDs that are not whole numbers were taken as no ID: x",
                       "Line 2, IDs that are not whole numbers were taken as no ID: x, y",
                       "Line 3, dog with no ID, ignored", "Line 4, dog with no ID, ignored"};
    QTest::newRow("a row with fewer fields has no ID") << QByteArray("Rex\n") << "0;1:6,1,;2:1,3,;3:2,3,;4:3,3,"
                                                       << false << "" << QStringList{"Line 1, dog with no ID, ignored"};
    QTest::newRow("sex words, empty ones never match")
        << QByteArray("1,,,A,m\n2,,,B,\n3,,,C,B\n4,,,D, dog \n") << kIdSireDamName + ";5:4,1,;male:DOG,M,;female:,B"
        << false << "A/1// B/0// C/2// D/1//" << QStringList{};
    QTest::newRow("only a header") << QByteArray("ID,Sire,Dam,Name\n") << kIdSireDamName << true << ""
                                   << QStringList{};
}

void TestBioRegImport::importsRows()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, columns);
    QFETCH(bool, header);
    QFETCH(QString, animals);
    QFETCH(QStringList, messages);
    CBioReg reg{BioTestDefaultFieldsSettings()};
    AddAnimal(reg, "Before", 1);
    const CImportRun run = Import(reg, file, Columns(columns), CommaFormat(header));
    QCOMPARE(run.m_Result, QString());
    QCOMPARE(run.m_Messages, messages);
    QCOMPARE(Animals(reg), animals);
    // The lists are rebuilt: every animal is filed.
    QCOMPARE(reg.IndexListForSex(CBioReg::AllSexes).Entries().size(), reg.GetRecordIds().size());
}

void TestBioRegImport::storesValuesInFields()
{
    CBioReg reg{BioTestDefaultFieldsSettings()};
    CBioImportCols cols = Columns("0;1:1,1,;2:2,1,;3:3,1,;4:5,2,;5:12,3,Count;6:12,4,Weight;7:12,2,Shown;"
                                  "8:12,1,Owner;9:12,1,Owner;10:12,1,;11:14,1,;12:15,1,;13:13,1,;14:9,2,;"
                                  "addidfield:1;addlinenumberfield:1;dateformat:dd/mm/yyyy");
    const CImportRun run = Import(reg, "\n a1 ,,,01/02/2020,7,2.5,03/04/2021,Smith & Jones <UK>,x,y,Ch,II,z,bad\n", cols);
    QCOMPARE(run.m_Result, QString());
    QCOMPARE(UserFieldNames(reg), (QStringList{"Count", "Input ID", "Input Line Number", "Owner", "Owner B", "Shown",
                                               "User1", "Weight"}));
    const CCmnRegFieldsSettings &settings = reg.GetFieldsSettings();
    const auto field = [&settings](const QString &name) {
        const CCmnRegUserFieldSet &set = settings.GetUserFields();
        return set.m_Items.at(set.FindField(name, Qt::CaseSensitive)).second;
    };
    QCOMPARE(field("Count").m_Def.m_Type, int(CmnRegFieldInteger));
    QCOMPARE(field("Weight").m_Def.m_Type, int(CmnRegFieldNumber));
    QCOMPARE(field("Shown").m_Def.m_Type, int(CmnRegFieldDate));
    QCOMPARE(field("Input ID").m_Def.m_Type, int(CmnRegFieldText));
    QCOMPARE(field("Count").m_Mask.Word(0), quint64(6));
    QCOMPARE(field("Input ID").m_Mask.Word(0), quint64(2));

    const CBioRegRecord *rex = reg.GetBioRecord(reg.GetRecordIds().first());
    QCOMPARE(rex->m_Name, QStringLiteral("A1"));
    QCOMPARE(rex->DateOfBirth(), CCmnDate::Parse("01/02/2020", "dd/mm/yyyy", 1));
    QVERIFY(rex->DateOfDeath().IsEmpty());
    QCOMPARE(rex->Title(), QStringLiteral("Ch"));
    QCOMPARE(rex->NameSuffix(), QStringLiteral("II"));
    QCOMPARE(rex->GetValue(field("Count").m_Id, CmnRegValueInteger).toInt(), 7);
    QCOMPARE(rex->GetValue(field("Weight").m_Id, CmnRegValueNumber).toDouble(), 2.5);
    QCOMPARE(rex->GetValue(field("Shown").m_Id, CmnRegValueDate).value<CCmnDate>(),
             CCmnDate::Parse("03/04/2021", "dd/mm/yyyy", 1));
    QCOMPARE(rex->GetValue(field("Owner").m_Id, CmnRegValueText).toString(), QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(rex->GetValue(field("Owner B").m_Id, CmnRegValueText).toString(), QStringLiteral("x"));
    QCOMPARE(rex->GetValue(field("User1").m_Id, CmnRegValueText).toString(), QStringLiteral("y"));
    QCOMPARE(rex->GetValue(field("Input ID").m_Id, CmnRegValueText).toString(), QStringLiteral("a1"));
    QCOMPARE(rex->GetValue(field("Input Line Number").m_Id, CmnRegValueInteger).toInt(), 2);
}

void TestBioRegImport::offersTheKeptRowsValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("every row kept") << QByteArray("1,,,A,x\n2,,,B,x\n3,,,C,w\n") << kIdSireDamName
                                    << QStringList{"w", "x"};
    QTest::newRow("not a duplicate's") << QByteArray("1,,,A,x\n2,,,B,y\n1,,,C,z\n") << kIdSireDamName
                                       << QStringList{"x", "y"};
    QTest::newRow("not a duplicate text ID's") << QByteArray("a,,,A,x\nA,,,B,y\n") << kTextIds << QStringList{"x"};
    QTest::newRow("not an ID-less row's") << QByteArray("1,,,A,x\n,,,B,y\n") << kIdSireDamName << QStringList{"x"};
}

void TestBioRegImport::offersTheKeptRowsValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, columns);
    QFETCH(QStringList, offered);
    CBioReg reg{BioTestDefaultFieldsSettings()};
    const CImportRun run = Import(reg, file, Columns(columns + ";5:12,1,Owner"));
    QCOMPARE(run.m_Result, QString());
    QCOMPARE(Offered(reg, "Owner"), offered);
}

void TestBioRegImport::limitsUserFields_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<QString>("extras");
    QTest::addColumn<int>("created");
    QTest::addColumn<QStringList>("messages");
    const QString lead = QStringLiteral("The number of user defined fields exceeded the maximum allowed with Orvanta;  ");
    const QString note = QStringLiteral(" Orvanta has a maximum of 200 user fields.");
    QTest::newRow("198 and both extras")
        << 198 << ";addidfield:1;addlinenumberfield:1" << 2 << QStringList{lead + "5 input columns were discarded." + note};
    QTest::newRow("199 and both extras")
        << 199 << ";addidfield:1;addlinenumberfield:1" << 1
        << QStringList{lead + "5 input columns were discarded." + note,
                       lead + "the \"Input Line Number\" field was not created." + note};
    QTest::newRow("196 without extras") << 196 << "" << 4
                                        << QStringList{lead + "1 input column was discarded." + note};
    QTest::newRow("100 without extras") << 100 << "" << 5 << QStringList{};
}

void TestBioRegImport::limitsUserFields()
{
    QFETCH(int, existing);
    QFETCH(QString, extras);
    QFETCH(int, created);
    QFETCH(QStringList, messages);
    CCmnRegFieldsSettings settings = BioTestDefaultFieldsSettings();
    CCmnRegUserFieldSet set;
    for (int i = 0; i < existing; ++i)
        set.AddField(QStringLiteral("Old %1").arg(i, 3, 10, QChar(u'0')), CCmnRegUserField(i + 1, CCmnRegFieldDef()));
    settings.SetUserFields(set);
    CBioReg reg{settings};
    reg.SetFieldsSettings(settings, false);
    const CImportRun run =
        Import(reg, "1,,,Rex,a,b,c,d,e\n", Columns(kIdSireDamName + ";5:12,1,;6:12,1,;7:12,1,;8:12,1,;9:12,1," + extras));
    QCOMPARE(run.m_Result, QString());
    QCOMPARE(run.m_Messages, messages);
    QCOMPARE(reg.GetFieldsSettings().GetUserFields().m_Items.size(), existing + created);
}

void TestBioRegImport::parentLoopsStayDataAndWalksEnd()
{
    CBioReg reg{BioTestDefaultFieldsSettings()};
    const CImportRun run = Import(reg, "1,1,,Self\n2,3,,A\n3,2,,B\n4,2,3,Child\n", Columns(kIdSireDamName));
    QCOMPARE(run.m_Result, QString());
    QCOMPARE(Animals(reg), QStringLiteral("Self/0/Self/ A/0/B/ B/0/A/ Child/0/A/B"));
    QVector<int> ids = reg.GetRecordIds();
    std::sort(ids.begin(), ids.end());
    double coefficient = 0;
    QVERIFY(!reg.OffspringInbreeding(ids.at(3), ids.at(2), coefficient));
    QVERIFY(!reg.CollectLoopRecords(ids.at(0), ids.at(1)).isEmpty());
    QVERIFY(reg.GetDescendants(ids.at(1), false).contains(ids.at(3)));
}

void TestBioRegImport::cancelLeavesNoRecords_data()
{
    QTest::addColumn<QString>("phase");
    QTest::newRow("scanning") << "Scanning file...";
    QTest::newRow("duplicates") << "Detecting duplicate IDs...";
    QTest::newRow("ID list") << "Building ID list...";
}

void TestBioRegImport::cancelLeavesNoRecords()
{
    QFETCH(QString, phase);
    CBioReg reg{BioTestDefaultFieldsSettings()};
    AddAnimal(reg, "Before", 1);
    QByteArray file;
    for (int i = 1; i <= 1200; ++i)
        file += QByteArray::number(i) + ",,,Dog" + QByteArray::number(i) + ",x\n";
    CScriptedProgress progress;
    progress.m_CancelIn = phase;
    const CImportRun run = Import(reg, file, Columns(kIdSireDamName + ";5:12,1,Owner"), CommaFormat(false), &progress);
    QCOMPARE(run.m_Result, QStringLiteral("Cancelled"));
    QCOMPARE(progress.m_Phases.last(), phase);
    QCOMPARE(reg.GetRecordIds().size(), 0);
    QCOMPARE(UserFieldNames(reg), QStringList{"Owner"});
    QCOMPARE(Offered(reg, "Owner"), QStringList());
}

void TestBioRegImport::refusesBeforeChangingAnything_data()
{
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("result");
    QTest::newRow("no sire ID column") << "0;1:1,3,;2:3,3," << "UTF-8"
                                       << "There is no 'Sire ID' ID column. This column is required.";
    QTest::newRow("unknown codec") << kIdSireDamName << "x-no-such-codec" << "unknown/invalid codec 'x-no-such-codec'";
}

void TestBioRegImport::refusesBeforeChangingAnything()
{
    QFETCH(QString, columns);
    QFETCH(QString, codec);
    QFETCH(QString, result);
    CBioReg reg{BioTestDefaultFieldsSettings()};
    AddAnimal(reg, "Before", 1);
    QBuffer buffer;
    buffer.setData("1,,,Rex\n");
    buffer.open(QIODevice::ReadOnly);
    QString warning;
    QStringList messages;
    QCOMPARE(reg.ImportDelimitedText(nullptr, warning, messages, CCmnRegFieldContextMask(),
                                     CCmnTextEncoding(codec, "LF", 0), CommaFormat(false), Columns(columns), &buffer,
                                     200, QString()),
             result);
    QCOMPARE(Animals(reg), QStringLiteral("Before/1//"));
}

void TestBioRegImport::reportsAReadError()
{
    CBioReg reg{BioTestDefaultFieldsSettings()};
    CFailDevice device(0);
    QByteArray file;
    for (int i = 1; i <= 20000; ++i)
        file += QByteArray::number(i) + ",,,Dog\n";
    device.setData(file);
    device.SetReadFailsAt(file.size() / 2);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QString warning;
    QStringList messages;
    const QString result = reg.ImportDelimitedText(nullptr, warning, messages, CCmnRegFieldContextMask(),
                                                   CCmnTextEncoding("UTF-8", "LF", 0), CommaFormat(false),
                                                   Columns(kIdSireDamName), &device, 200, QString());
    QVERIFY2(result.startsWith("read error"), qPrintable(result));
    QCOMPARE(reg.GetRecordIds().size(), 0);
}

void TestBioRegImport::countsProgressPerMille()
{
    CBioReg reg{BioTestDefaultFieldsSettings()};
    QByteArray file;
    for (int i = 1; i <= 3000; ++i)
        file += QByteArray::number(i) + ",,,Dog\n";
    CScriptedProgress progress;
    QCOMPARE(Import(reg, file, Columns(kIdSireDamName), CommaFormat(false), &progress).m_Result, QString());
    QCOMPARE(progress.m_Phases, (QStringList{"Scanning file...", "Detecting duplicate IDs...", "Building ID list...",
                                             "Sorting IDs..."}));
    QCOMPARE(progress.m_Maximums, (QList<int>{1000, 3000, 3000}));
    QCOMPARE(reg.GetRecordIds().size(), 3000);
}

QTEST_GUILESS_MAIN(TestBioRegImport)
#include "tst_bioregimport.moc"
