#include "../legacyimport/legacysamplefiles.h"
#include "../reg/bioregtesting.h"
#include "biolegacydataimportparamsdialog.h"
#include "biolegacyfileimport.h"
#include "biolegacyimportparams.h"
#include "cmncheckbox.h"
#include "cmnprogressdialog.h"
#include "cmnsystemlocale.h"
#include "legacyrecordwriter.h"
#include "testdialogrunnerscope.h"
#include "testsettingsscope.h"

#include <QBuffer>
#include <QSettings>
#include <QTest>

namespace {

const QString kPath = QStringLiteral("/kennel/dogs.rdf");

QString Import(const QByteArray &bytes, CBioReg &reg, QStringList &messages, const QString &path = kPath,
               CCmnProgressDialog *progress = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return BioImportLegacyFile(progress, &messages, path, &buffer, reg, nullptr);
}

// The builder's Halvane dog file: a litter of two by Max out of Bella, a sire that
// names a contact, and a breeder.
QByteArray DogFile(int extraAnimals = 0)
{
    CTestLegacyRecord max;
    max.texts = {{15, "Max"}, {66, "Labrador"}};
    max.booleans = {{17, 2}};
    CTestLegacyRecord bella;
    bella.texts = {{15, "Bella"}, {83, "Ch"}};
    bella.booleans = {{17, 1}};
    bella.references = {{27, 1}};
    CTestLegacyRecord pup;
    pup.texts = {{15, "Pup"}};
    pup.references = {{27, 3}, {28, 4}, {25, 1}};
    QMap<int, CTestLegacyRecord> animals = {{3, max}, {4, bella}, {5, pup}};
    for (int i = 0; i < extraAnimals; ++i) {
        CTestLegacyRecord extra;
        extra.texts = {{15, QByteArray::number(i)}};
        animals.insert(100 + i, extra);
    }
    return LegacyTestFile("dog", 9, {{1, {{96, "Smith & Jones <UK>"}}}}, animals);
}

int IdOf(const CBioReg &reg, const QString &name)
{
    for (int id : reg.GetRecordIds())
        if (reg.GetBioRecord(id)->m_Name == name)
            return id;
    return 0;
}

QStringList UserFieldNames(const CBioReg &reg)
{
    QStringList names;
    for (const auto &item : reg.GetFieldsSettings().GetUserFields().m_Items)
        names.append(item.first);
    return names;
}

QStringList StoredKeys()
{
    QSettings store;
    store.beginGroup(QStringLiteral("legacyimportsettings"));
    return store.allKeys();
}

} // namespace

class TestBioLegacyFileImport : public QObject
{
    Q_OBJECT
private slots:
    void acceptedOptionsImportTheFile();
    void cancelledOptionsImportNothing();
    void cancelledConversionChangesNothing();
    void unreadableFilesNameTheProduct_data();
    void unreadableFilesNameTheProduct();
};

void TestBioLegacyFileImport::acceptedOptionsImportTheFile()
{
    const CTestSettingsScope settings;
    CTestDialogRunnerScope runner([](QDialog &dialog) {
        auto &options = dynamic_cast<CBioLegacyDataImportParamsDialog &>(dialog);
        for (const CBioLegacyDataImportParamsDialog::CEntry &entry : options.Entries())
            if (entry.m_CheckBox->text() == QLatin1String("Owner"))
                entry.m_CheckBox->setChecked(false);
        return OrvAcceptDialog(dialog);
    });
    CBioReg reg(BioTestDefaultFieldsSettings());
    QStringList messages;
    QCOMPARE(Import(DogFile(), reg, messages), QString());
    QCOMPARE(runner.Titles(), QStringList {QStringLiteral("Halvane Import Options")});

    QCOMPARE(reg.GetRecordCount(), 3);
    const CBioRegRecord *pup = reg.GetBioRecord(IdOf(reg, "Pup"));
    QCOMPARE(pup->m_Sire, IdOf(reg, "Max"));
    QCOMPARE(pup->m_Dam, IdOf(reg, "Bella"));
    QCOMPARE(reg.GetBioRecord(IdOf(reg, "Bella"))->m_Sire, 0);
    QCOMPARE(reg.GetBioRecord(IdOf(reg, "Bella"))->Title(), QStringLiteral("Ch"));
    QCOMPARE(messages.size(), 1);
    // Preselected, holding data, or both; not the owner the user unticked.
    QCOMPARE(UserFieldNames(reg),
             (QStringList {"Breed", "Breed No.", "Breeder", CmnColourWord(), "Reg. No."}));
    const CCmnRegUserFieldSet &fields = reg.GetFieldsSettings().GetUserFields();
    const int breeder = fields.m_Items.at(fields.FindField("Breeder", Qt::CaseSensitive)).second.m_Id;
    QCOMPARE(pup->GetValue(breeder, 0), QVariant(QStringLiteral("Smith & Jones <UK>")));

    // Remembered for the path: the next import starts from this choice.
    QSettings store;
    const QString group = BioLegacyImportSettingsGroup(kPath);
    QCOMPARE(store.value(group + QStringLiteral("/reffields")).toString(), QStringLiteral("25"));
}

void TestBioLegacyFileImport::cancelledOptionsImportNothing()
{
    const CTestSettingsScope settings;
    const CTestDialogRunnerScope runner;
    CBioReg reg(BioTestDefaultFieldsSettings());
    AddAnimal(reg, QStringLiteral("Kept"), 1);
    QStringList messages;
    QCOMPARE(Import(DogFile(), reg, messages), QStringLiteral("Import cancelled"));
    QCOMPARE(reg.GetRecordCount(), 1);
    QCOMPARE(StoredKeys(), QStringList());
}

void TestBioLegacyFileImport::cancelledConversionChangesNothing()
{
    const CTestSettingsScope settings;
    const CTestDialogRunnerScope runner([](QDialog &dialog) { return OrvAcceptDialog(dialog); });
    CBioReg reg(BioTestDefaultFieldsSettings());
    AddAnimal(reg, QStringLiteral("Kept"), 1);
    CCmnProgressDialog progress;
    progress.cancel();
    QStringList messages;
    QCOMPARE(Import(DogFile(1000), reg, messages, kPath, &progress), QStringLiteral("!"));
    QCOMPARE(reg.GetRecordCount(), 1);
    QCOMPARE(UserFieldNames(reg), QStringList());
    QCOMPARE(StoredKeys(), QStringList());
}

void TestBioLegacyFileImport::unreadableFilesNameTheProduct_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("product");
    const QByteArray cut = DogFile().left(200);
    QTest::newRow("halvane, garbage") << "/kennel/dogs.rdf" << QByteArray("not a pedigree") << "Halvane (any version between 3.23c and 5.20)";
    QTest::newRow("halvane, cut short") << "/kennel/DOGS.BDB" << cut << "Halvane (any version between 3.23c and 5.20)";
    QTest::newRow("dunmarra") << "/kennel/cats.gpd" << QByteArray() << "Dunmarra (any version between 2.07a and 3.20)";
}

void TestBioLegacyFileImport::unreadableFilesNameTheProduct()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, product);
    const CTestSettingsScope settings;
    const CTestDialogRunnerScope runner;
    CBioReg reg(BioTestDefaultFieldsSettings());
    QStringList messages;
    QCOMPARE(Import(bytes, reg, messages, path),
             QStringLiteral("Unable to load file - invalid/unrecognized file format. Please check that the file is a "
                            "valid pedigree database created using %1.")
                 .arg(product));
    QCOMPARE(runner.Titles(), QStringList());
}

QTEST_MAIN(TestBioLegacyFileImport)
#include "tst_biolegacyfileimport.moc"
