#include "bioreg.h"
#include "cmnregfieldssettings.h"
#include "document.h"
#include "documentsettings.h"
#include "../legacyimport/legacysamplefiles.h"
#include "legacyrecordwriter.h"
#include "testdialogrunnerscope.h"
#include "testsettingsscope.h"

#include <QBuffer>
#include <QTest>

// A file that is no document goes to one of two imports by its extension; only
// a finished import hands its fields to the settings the document is shown with.
class TestDocumentImport : public QObject
{
    Q_OBJECT
private slots:
    void extensionChoosesTheImport_data();
    void extensionChoosesTheImport();
    void legacyImportHandsOverItsFields();
};

namespace {

QString Import(CDocument &document, CDocumentSettings &settings, const QString &path, const QByteArray &bytes)
{
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    QString warning;
    QStringList messages;
    return document.ImportFile(nullptr, warning, messages, path, &file, settings, nullptr);
}

} // namespace

void TestDocumentImport::extensionChoosesTheImport_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");

    const QString unreadable = QStringLiteral(
        "Unable to load file - invalid/unrecognized file format. Please check that the file is a valid pedigree "
        "database created using %1.");
    QTest::newRow("Halvane, capital letters")
        << "/kennel/DOGS.BDB" << unreadable.arg("Halvane (any version between 3.23c and 5.20)");
    QTest::newRow("Dunmarra") << "/kennel/cats.cpd" << unreadable.arg("Dunmarra (any version between 2.07a and 3.20)");
    // The wizard is cancelled: "!" and nothing to say.
    QTest::newRow("text") << "/kennel/dogs.csv" << "!";
    QTest::newRow("no extension") << "/kennel/dogs" << "!";
    QTest::newRow("document name with a further extension") << "/kennel/dogs.orv.bak" << "!";
}

void TestDocumentImport::extensionChoosesTheImport()
{
    QFETCH(QString, path);
    QFETCH(QString, result);

    const CTestSettingsScope store;
    const CTestDialogRunnerScope runner;
    CDocument document(false);
    CDocumentSettings settings;
    const CDocumentSettings before = settings;
    QCOMPARE(Import(document, settings, path, "Name;Sire;Dam\nRex;;\n"), result);
    // The text import runs its wizard; an unreadable older file shows nothing.
    QCOMPARE(runner.Titles().size(), result == QLatin1String("!") ? 1 : 0);
    QCOMPARE(document.GetRegister()->GetRecordCount(), 0);
    QVERIFY(settings == before);
}

void TestDocumentImport::legacyImportHandsOverItsFields()
{
    const CTestSettingsScope store;
    const CTestDialogRunnerScope runner([](QDialog &dialog) { return OrvAcceptDialog(dialog); });
    CTestLegacyRecord max;
    max.texts = {{15, "Max"}, {66, "Labrador"}};
    max.booleans = {{17, 2}};
    CTestLegacyRecord pup;
    pup.texts = {{15, "Pup"}};
    pup.references = {{27, 3}, {25, 1}};
    const QByteArray file = LegacyTestFile("dog", 9, {{1, {{96, "Smith & Jones <UK>"}}}}, {{3, max}, {5, pup}});

    CDocument document(false);
    CDocumentSettings settings;
    QCOMPARE(Import(document, settings, QStringLiteral("/kennel/dogs.rdf"), file), QString());
    QCOMPARE(runner.Titles(), QStringList{"Halvane Import Options"});
    QCOMPARE(document.GetRegister()->GetRecordCount(), 2);
    const CCmnRegFieldsSettings &fields = document.GetRegister()->GetFieldsSettings();
    QVERIFY(fields.GetUserFields().FindField(QStringLiteral("Breeder"), Qt::CaseSensitive) >= 0);
    CCmnRegFieldsSettings taken = settings.m_FieldsSettings;
    CCmnRegFieldsSettings registered = fields;
    QVERIFY(taken == registered);
}

QTEST_MAIN(TestDocumentImport)
#include "tst_documentimport.moc"
