#include "../reg/bioregtesting.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacyimportparams.h"
#include "biolegacyregimport.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "cmnregfieldssettings.h"
#include "legacyrecordwriter.h"
#include "legacysamplefiles.h"

#include <QTest>

namespace {

struct SImport
{
    CBioLegacyDataImport_HvDoc document;
    CBioLegacyImportParams params;
    CBioReg reg {BioTestDefaultFieldsSettings()};
    QStringList messages;
};

void Load(SImport &import, const QByteArray &bytes)
{
    QCOMPARE(LoadAndDiscover(import.document, import.params, bytes), QString());
}

QString Run(SImport &import, CBioLegacyImportProgress *progress = nullptr)
{
    return BioRegImportLegacyData(import.reg, progress, &import.messages, import.document, import.params);
}

CBioLegacyImportField &Candidate(CBioLegacyImportParams &params, int kind, int id)
{
    for (CBioLegacyImportField &field : params.Fields(kind))
        if (field.m_Id == id)
            return field;
    qFatal("no candidate %d", id);
}

void Choose(CBioLegacyImportParams &params, const QList<QPair<int, int>> &chosen)
{
    for (QList<CBioLegacyImportField> &fields : params.m_Fields)
        for (CBioLegacyImportField &field : fields)
            field.SetSelected(false);
    for (const auto &[kind, id] : chosen)
        Candidate(params, kind, id).SetSelected(true);
}

CBioRegRecord *Named(const CBioReg &reg, const QString &name)
{
    for (int id : reg.GetRecordIds())
        if (reg.GetBioRecord(id)->m_Name == name)
            return reg.GetBioRecord(id);
    return nullptr;
}

int IdOf(const CBioReg &reg, const QString &name)
{
    for (int id : reg.GetRecordIds())
        if (reg.GetBioRecord(id)->m_Name == name)
            return id;
    return 0;
}

int UserField(const CBioReg &reg, const QString &name)
{
    const CCmnRegUserFieldSet &fields = reg.GetFieldsSettings().GetUserFields();
    const qint32 row = fields.FindField(name, Qt::CaseSensitive);
    return row < 0 ? 0 : fields.m_Items.at(row).second.m_Id;
}

QVariant ValueOf(const CBioReg &reg, const QString &record, const QString &field)
{
    const int id = UserField(reg, field);
    const CCmnRegFieldDef *def = reg.GetFieldsSettings().FindFieldDef(id);
    return def ? Named(reg, record)->GetValue(id, def->ValueKind()) : QVariant();
}

// Halvane dog animals that try every built-in field and the chosen kinds.
QByteArray HalvaneFile()
{
    CTestLegacyRecord rex;
    rex.texts = {{15, "Rex"}, {83, "Ch"}, {82, "Champion"}, {87, "II"}, {21, "C:\\Pics\\Rex {1}.jpg"},
                 {66, "{\\b}Labrador"}, {2, "Black"}};
    rex.booleans = {{17, 2}, {18, 1}};
    rex.dates = {{30, {2001, 2, 3}}, {31, {2012, 11, 30}}, {378, {0, 0, 0}}, {59, {2005, 6, 7}}};
    rex.currency = {{22, 1250 | (5 << 24)}};
    rex.integers = {{393, 7}};
    rex.references = {{25, 1}, {458, 2}, {24, 999}, {26, 1}, {27, 2}, {28, 77}};
    CTestLegacyRecord max;
    max.texts = {{15, "Max"}, {83, "Ch"}};
    max.booleans = {{17, 1}, {18, 2}};
    max.dates = {{30, {0, 0, 0}}};
    CTestLegacyRecord nameless;
    nameless.references = {{28, 2}};
    return LegacyTestFile("dog", 9,
                          {{1, {{94, "Mr"}, {95, "John"}, {96, "Smith & Jones <UK>"}}}, {2, {{96, "Ann Lee"}}},
                           {77, {{96, "Not An Animal"}}}},
                          {{5, rex}, {2, max}, {40, nameless}});
}

class CRecordingProgress : public CBioLegacyImportProgress
{
public:
    void NextPhase(const QString &text, int maximum) override { m_Phases.append(QStringLiteral("%1 %2").arg(text).arg(maximum)); }
    void SetProgress(int value) override { m_Progress = value; }
    bool WasCanceled() override
    {
        ++m_Asked;
        return m_Cancel;
    }

    QStringList m_Phases;
    int m_Progress = 0;
    int m_Asked = 0;
    bool m_Cancel = false;
};

} // namespace

class TestBioLegacyRegImport : public QObject
{
    Q_OBJECT
private slots:
    void convertsTheBuiltInFields();
    void convertsTheChosenFields();
    void joinsTheNamesOfReferencedContacts();
    void longTitlesReplaceShortOnesInHalvaneFiles();
    void dunmarraFilesUseTheirOwnFields();
    void linksParentsAndDropsLinksToNonAnimals();
    void keepsParentLoopsAndWalksStillEnd();
    void makesDuplicateFieldNamesUnique();
    void reportsProgressAndCancelChangesNothing();
};

void TestBioLegacyRegImport::convertsTheBuiltInFields()
{
    SImport import;
    Load(import, HalvaneFile());
    QCOMPARE(Run(import), QString());
    QCOMPARE(import.reg.GetRecordCount(), 3);
    const CBioRegRecord *rex = Named(import.reg, QStringLiteral("Rex"));
    const CBioRegRecord *max = Named(import.reg, QStringLiteral("Max"));
    const CBioRegRecord *nameless = Named(import.reg, QString());
    QVERIFY(rex && max && nameless);
    QCOMPARE(rex->m_Sex, 1);
    QCOMPARE(max->m_Sex, 2);
    QCOMPARE(nameless->m_Sex, 0);
    CCmnDate born;
    born.SetGregorianYmd(3, 2, 2001);
    QCOMPARE(rex->DateOfBirth(), born);
    QVERIFY(!rex->DateOfDeath().IsEmpty());
    QVERIFY(max->DateOfBirth().IsEmpty());
    QCOMPARE(rex->Title(), QStringLiteral("Ch"));
    QCOMPARE(rex->NameSuffix(), QStringLiteral("II"));
    // Paths are kept raw, with the older programs' backslashes made "/".
    QCOMPARE(rex->m_Photo.FilePath(), QStringLiteral("C:/Pics/Rex {1}.jpg"));
    CCmnPicture picture;
    picture.SetFilePath(rex->m_Photo.FilePath());
    QCOMPARE(rex->m_Photo, picture);
    QVERIFY(max->m_Photo.FilePath().isEmpty());
}

void TestBioLegacyRegImport::convertsTheChosenFields()
{
    SImport import;
    Load(import, HalvaneFile());
    Choose(import.params, {{BioLegacyImportText, 66},
                           {BioLegacyImportBoolean, 18},
                           {BioLegacyImportInteger, 393},
                           {BioLegacyImportCurrency, 22},
                           {BioLegacyImportDate, 378},
                           {BioLegacyImportDate, 59},
                           {BioLegacyImportReference, 26}});
    QCOMPARE(Run(import), QString());
    const CBioReg &reg = import.reg;
    QCOMPARE(ValueOf(reg, "Rex", "Breed"), QVariant(QStringLiteral("Labrador")));
    // A false flag is stored as false, not left out.
    QCOMPARE(ValueOf(reg, "Rex", "Status"), QVariant(false));
    QCOMPARE(ValueOf(reg, "Max", "Status"), QVariant(true));
    QCOMPARE(ValueOf(reg, "", "Status"), QVariant());
    QCOMPARE(ValueOf(reg, "Rex", "User Count 1"), QVariant(qint32(7)));
    QCOMPARE(ValueOf(reg, "Rex", "Sale Price"), QVariant(QStringLiteral("1250.05")));
    QCOMPARE(ValueOf(reg, "Rex", "User Date 1"), QVariant());
    CCmnDate tested;
    tested.SetGregorianYmd(7, 6, 2005);
    QCOMPARE(ValueOf(reg, "Rex", "Last Eye Test Date").value<CCmnDate>(), tested);
    // The usual vet gets its field and nothing in it.
    QVERIFY(UserField(reg, "Usual Vet") > 0);
    QCOMPARE(ValueOf(reg, "Rex", "Usual Vet"), QVariant());
    QCOMPARE(reg.GetFieldsSettings().GetUserFields().m_Items.size(), 7);
    QCOMPARE(reg.GetFieldsSettings().FindFieldDef(UserField(reg, "Status"))->m_Type, int(CmnRegFieldBoolean));
    QCOMPARE(reg.GetFieldsSettings().FindFieldDef(UserField(reg, "User Date 1"))->m_Type, int(CmnRegFieldDate));
    // Placed after the register's own fields, by group and order.
    QList<int> placed;
    for (const char *name : {"Breed", "Last Eye Test Date", "Usual Vet", "Sale Price", "Status", "User Date 1",
                             "User Count 1"})
        placed.append(UserField(reg, QLatin1String(name)));
    QCOMPARE(reg.GetFieldsSettings().GetFormFieldOrder().mid(reg.GetFieldsSettings().GetFormFieldOrder().size() - 7),
             placed);
    QVERIFY(!reg.GetFieldsSettings().IsRecordDetailsLayoutAutomatic());
}

void TestBioLegacyRegImport::joinsTheNamesOfReferencedContacts()
{
    SImport import;
    Load(import, HalvaneFile());
    Choose(import.params, {{BioLegacyImportReference, 25}, {BioLegacyImportReference, 24}});
    QCOMPARE(Run(import), QString());
    QCOMPARE(ValueOf(import.reg, "Rex", "Breeder"), QVariant(QStringLiteral("Mr John Smith & Jones <UK>, Ann Lee")));
    // Contact 999 does not exist: nothing, and no crash.
    QCOMPARE(ValueOf(import.reg, "Rex", "Owner"), QVariant());
    QCOMPARE(import.reg.GetFieldsSettings().FindFieldDef(UserField(import.reg, "Breeder"))->m_SharedListName,
             QStringLiteral("Breeders"));
}

void TestBioLegacyRegImport::longTitlesReplaceShortOnesInHalvaneFiles()
{
    SImport import;
    Load(import, HalvaneFile());
    import.params.m_UseLongTitles = 1;
    QCOMPARE(Run(import), QString());
    QCOMPARE(Named(import.reg, "Rex")->Title(), QStringLiteral("Champion"));
    QCOMPARE(Named(import.reg, "Max")->Title(), QString());
}

void TestBioLegacyRegImport::dunmarraFilesUseTheirOwnFields()
{
    CTestLegacyRecord lady;
    lady.texts = {{34, "Lady"}, {35, "Ch"}};
    lady.booleans = {{39, 1}};
    lady.references = {{44, 3}, {45, 8}};
    CTestLegacyRecord tramp;
    tramp.texts = {{34, "Tramp"}};
    tramp.booleans = {{39, 2}};
    SImport import;
    Load(import, LegacyTestFile("dmdog", 2, {{3, {{63, "Mrs"}, {64, "Jo"}, {65, "Dear"}}}}, {{4, lady}, {8, tramp}}));
    import.params.m_UseLongTitles = 1;
    QCOMPARE(Run(import), QString());
    const CBioRegRecord *ladyRecord = Named(import.reg, "Lady");
    QCOMPARE(ladyRecord->m_Sex, 2);
    QCOMPARE(ladyRecord->Title(), QStringLiteral("Ch"));
    QCOMPARE(ladyRecord->m_Sire, IdOf(import.reg, "Tramp"));
    QCOMPARE(ValueOf(import.reg, "Lady", "Breeder"), QVariant(QStringLiteral("Mrs Jo Dear")));
}

void TestBioLegacyRegImport::linksParentsAndDropsLinksToNonAnimals()
{
    SImport import;
    Load(import, HalvaneFile());
    QCOMPARE(Run(import), QString());
    CBioReg &reg = import.reg;
    const CBioRegRecord *rex = Named(reg, "Rex");
    QCOMPARE(rex->m_Sire, IdOf(reg, "Max"));
    // Record 77 of the file is a contact, not an animal.
    QCOMPARE(rex->m_Dam, 0);
    QCOMPARE(Named(reg, QString())->m_Dam, IdOf(reg, "Max"));
    QCOMPARE(import.messages.size(), 1);
    QVERIFY2(import.messages.first().contains(QLatin1String("Rex")), qPrintable(import.messages.first()));
    QVERIFY2(import.messages.first().contains(QLatin1String("77")), qPrintable(import.messages.first()));
    QCOMPARE(reg.GetOffspring(IdOf(reg, "Max")).size(), 2);
    QCOMPARE(reg.IndexListForSex(CBioReg::MaleSex).Entries().size(), 1);
}

void TestBioLegacyRegImport::keepsParentLoopsAndWalksStillEnd()
{
    CTestLegacyRecord a;
    a.texts = {{15, "Loop A"}};
    a.booleans = {{17, 2}};
    a.references = {{27, 11}, {28, 12}};
    CTestLegacyRecord b;
    b.texts = {{15, "Loop B"}};
    b.booleans = {{17, 2}};
    b.references = {{27, 10}};
    CTestLegacyRecord c;
    c.texts = {{15, "Loop C"}};
    c.booleans = {{17, 1}};
    c.references = {{28, 12}};
    SImport import;
    Load(import, LegacyTestFile("dog", 9, {}, {{10, a}, {11, b}, {12, c}}));
    QCOMPARE(Run(import), QString());
    const CBioReg &reg = import.reg;
    const int idA = IdOf(reg, "Loop A");
    const int idB = IdOf(reg, "Loop B");
    const int idC = IdOf(reg, "Loop C");
    QCOMPARE(reg.GetBioRecord(idA)->m_Sire, idB);
    QCOMPARE(reg.GetBioRecord(idB)->m_Sire, idA);
    QCOMPARE(reg.GetBioRecord(idC)->m_Dam, idC);
    QVERIFY(!reg.CollectLoopRecords(idA, idC).isEmpty());
    double coefficient = 0;
    QVERIFY(!reg.OffspringInbreeding(idA, idC, coefficient));
    QVERIFY(reg.GetDescendants(idA, false).contains(idB));
}

void TestBioLegacyRegImport::makesDuplicateFieldNamesUnique()
{
    SImport import;
    Load(import, HalvaneFile());
    Choose(import.params, {{BioLegacyImportText, 66}, {BioLegacyImportText, 2}});
    Candidate(import.params, BioLegacyImportText, 2).m_Descriptor.m_Name = QStringLiteral("Breed");
    QCOMPARE(Run(import), QString());
    // User Field 1 comes first in the list, so it keeps the name.
    QCOMPARE(ValueOf(import.reg, "Rex", "Breed"), QVariant(QStringLiteral("Black")));
    QCOMPARE(ValueOf(import.reg, "Rex", "Breed B"), QVariant(QStringLiteral("Labrador")));
}

void TestBioLegacyRegImport::reportsProgressAndCancelChangesNothing()
{
    QMap<int, CTestLegacyRecord> animals;
    for (int id = 1; id <= 1100; ++id) {
        CTestLegacyRecord record;
        record.texts = {{15, QByteArray::number(id)}};
        animals.insert(id, record);
    }
    SImport import;
    Load(import, LegacyTestFile("dog", 9, {}, animals));
    import.reg.AddNamedRecord(QStringLiteral("Kept"), true);
    const CCmnRegFieldsSettings before = import.reg.GetFieldsSettings();

    CRecordingProgress cancelling;
    cancelling.m_Cancel = true;
    QCOMPARE(Run(import, &cancelling), QStringLiteral("!"));
    QCOMPARE(cancelling.m_Asked, 1);
    QCOMPARE(import.reg.GetRecordCount(), 1);
    QVERIFY(Named(import.reg, "Kept"));
    QCOMPARE(import.reg.GetFieldsSettings().GetUserFields(), before.GetUserFields());

    CRecordingProgress progress;
    QCOMPARE(Run(import, &progress), QString());
    QCOMPARE(progress.m_Phases, QStringList {QStringLiteral("Scanning file... 1100")});
    QCOMPARE(progress.m_Progress, 1);
    QCOMPARE(import.reg.GetRecordCount(), 1100);
    QVERIFY(!Named(import.reg, "Kept"));
}

QTEST_GUILESS_MAIN(TestBioLegacyRegImport)
#include "tst_biolegacyregimport.moc"
