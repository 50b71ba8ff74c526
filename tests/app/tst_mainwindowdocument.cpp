#include "../bio/legacyimport/legacysamplefiles.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnmappedfoldersstore.h"
#include "cmnmessageboxpresenter.h"
#include "cmnregfieldssettings.h"
#include "cmnreguserfieldset.h"
#include "cmnsystemlocale.h"
#include "nameditemstesting.h"
#include "document.h"
#include "documentstickystates.h"
#include "documentwidget.h"
#include "mainwindow.h"
#include "mainwindowtesting.h"
#include "programstartup.h"
#include "rendertesting.h"
#include "bioautomaticorcustomimportcolspage.h"
#include "cmncheckbox.h"
#include "cmnfilehiddensettings.h"
#include "cmnimportcsvwizard.h"
#include "cmntablewidget.h"
#include "legacyrecordwriter.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The window's document commands: new, open, save and close, the question before
// a changed document goes, and what the title and the recent list show.
class TestMainWindowDocument : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newDocumentStartsFromTheDefaults();
    void newDocumentTakesTheChosenFields();
    void closeQuestion_data();
    void closeQuestion();
    void failedSaveOnYesKeepsTheWindowOpen();
    void importedDocumentIsUntitledAndModified();
    void olderProgramsFileImports_data();
    void olderProgramsFileImports();
    void backupLeftBehindIsOnlyAWarning();
    void saveAsWarnsWhileSaveIsOffered();
    void openAsksAboutTheChangedDocument_data();
    void openAsksAboutTheChangedDocument();
    void openChoosesByExtension_data();
    void openChoosesByExtension();
    void openThroughAFolderMapping();
    void failuresNameTheFileAndKeepTheDocument();
    void openAfterAnInterruptedSaveNamesTheCopies();
    void newAddSaveCloseReopen();
    void sampleOpensAsAnExample();

private:
    QString PathOf(const QString &name) const { return m_Folder->filePath(name); }
    // A saved document of the window under the name, holding the animals.
    void SaveDocumentAs(CMainWindow &window, const QString &path, const QStringList &animals);

    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<QTemporaryDir> m_Folder;
};

namespace {

int AddAnimal(CBioReg &reg, const QString &name, int sex, int sire = 0, int dam = 0)
{
    const int id = reg.AddNamedRecord(name, false);
    CBioRegRecord *record = reg.GetBioRecord(id);
    record->m_Sex = sex;
    record->m_Sire = sire;
    record->m_Dam = dam;
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();
    return id;
}

QStringList Names(const CBioReg &reg)
{
    QStringList names;
    for (const int id : reg.GetRecordIds())
        names << reg.GetBioRecord(id)->m_Name;
    names.sort();
    return names;
}

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void TestMainWindowDocument::initTestCase()
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
}

void TestMainWindowDocument::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CreateProgramSettings();
    m_Folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Folder->isValid());
}

void TestMainWindowDocument::cleanup()
{
    m_Folder.reset();
    DestroyProgramSettings();
    m_Settings.reset();
}

void TestMainWindowDocument::SaveDocumentAs(CMainWindow &window, const QString &path, const QStringList &animals)
{
    QVERIFY(OrvNewDocument(window));
    for (const QString &name : animals)
        AddAnimal(*window.Document()->GetRegister(), name, 1);
    QVERIFY(window.SaveDocument(path, 0));
    QVERIFY(!window.Document()->IsModified());
}

void TestMainWindowDocument::newDocumentStartsFromTheDefaults()
{
    CMainWindow window;
    QVERIFY(OrvNewDocument(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta - New File"));
    QVERIFY(window.HasDocument());
    QCOMPARE(window.Document()->GetRegister()->GetRecordCount(), 0);
    CDocumentSettings shown;
    window.DocumentWidget()->GetSettings(shown);
    // The pedigree form settles its own settings once it is shown.
    const TCmnByteArrayHash shownBlocks = shown.ToHash();
    const TCmnByteArrayHash defaultBlocks = window.DefaultDocumentSettings().ToHash();
    for (const char *key : {kDocumentGeneralKey, kDocumentFieldsSettingsKey, kDocumentPrintParamsKey, kDocumentThemesKey})
        QCOMPARE(shownBlocks.value(QString::fromLatin1(key)), defaultBlocks.value(QString::fromLatin1(key)));
    // Not yet a file: only Save As can name it.
    QVERIFY(!window.SaveAction()->isEnabled());
    QVERIFY(window.SaveAsAction()->isEnabled());
    QVERIFY(window.ExportAction()->isEnabled());
    QVERIFY(!window.Document()->IsModified());
}

void TestMainWindowDocument::newDocumentTakesTheChosenFields()
{
    CMainWindow window;
    QVERIFY(OrvNewDocument(window, true));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta - New File"));
    // The set lists them by name.
    QStringList chosen{"Additional Titles", "Breeder", "Owner", "Notes", "Microchip", "Reg. No.", "Breed",
                       CmnColourWord()};
    chosen.sort(Qt::CaseInsensitive);
    QCOMPARE(OrvNamedListNames(window.DocumentWidget()->Settings().m_FieldsSettings.GetUserFields()), chosen);
    // The register works with them at once.
    QCOMPARE(OrvNamedListNames(window.Document()->GetRegister()->GetFieldsSettings().GetUserFields()), chosen);
    // Only this document has them: the next one is offered the choice again.
    QCOMPARE(OrvNamedListNames(window.DefaultDocumentSettings().m_FieldsSettings.GetUserFields()), QStringList());
    QVERIFY(!window.Document()->IsModified());
}

void TestMainWindowDocument::closeQuestion_data()
{
    QTest::addColumn<bool>("documentChanged");
    QTest::addColumn<bool>("settingsChanged");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("closed");

    const QString documentText =
        QStringLiteral("<p>The pedigree data file has changed.</p><p>Do you want to save the file?</p>");
    const QString settingsText = QStringLiteral("<p>The file settings have changed.</p><p>Do you want to save the file?</p>");
    QTest::newRow("unchanged: no question") << false << false << 0 << QString() << true;
    QTest::newRow("records changed, Cancel keeps it") << true << false << int(QMessageBox::Cancel) << documentText << false;
    QTest::newRow("settings changed, No") << false << true << int(QMessageBox::No) << settingsText << true;
    QTest::newRow("both changed: the records' question, Yes saves") << true << true << int(QMessageBox::Yes) << documentText << true;
}

void TestMainWindowDocument::closeQuestion()
{
    QFETCH(bool, documentChanged);
    QFETCH(bool, settingsChanged);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, closed);

    CMainWindow window;
    const QString path = PathOf(QStringLiteral("kennel.orv"));
    SaveDocumentAs(window, path, {QStringLiteral("Rex")});
    if (documentChanged) {
        AddAnimal(*window.Document()->GetRegister(), QStringLiteral("Smith & Jones <UK>"), 2);
        window.Document()->SetModified(true);
    }
    if (settingsChanged)
        window.DocumentWidget()->SetSettingsModified(true);
    window.DocumentWidget()->SelectKind(QStringLiteral("COVERSHEET"), false, true);
    CTestMessageBoxScope boxes;
    if (answer)
        boxes.Answer(answer);
    window.CloseDocument();

    QCOMPARE(boxes.Texts(), question.isEmpty() ? QStringList() : QStringList{question});
    if (!question.isEmpty())
        QCOMPARE(boxes.Requests().first().m_Title, QStringLiteral("Orvanta"));
    QCOMPARE(window.HasDocument(), !closed);
    if (!closed)
        return;
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta"));
    // Whatever became of the changes, the forms reopen as they were left.
    CDocumentStickyStates remembered;
    remembered.Exchange(true, QStringLiteral("kennel"));
    QCOMPARE(remembered.m_SelectedKind, QStringLiteral("COVERSHEET"));
    CMainWindow reader;
    QVERIFY(reader.OpenDocument(path, 0));
    const int expected = answer == int(QMessageBox::Yes) ? 2 : 1;
    QCOMPARE(reader.Document()->GetRegister()->GetRecordCount(), expected);
}

void TestMainWindowDocument::failedSaveOnYesKeepsTheWindowOpen()
{
    CMainWindow window;
    const QString path = PathOf(QStringLiteral("kennel.orv"));
    SaveDocumentAs(window, path, {QStringLiteral("Rex")});
    window.Document()->SetModified(true);
    QVERIFY(QDir(m_Folder->path()).mkdir(QStringLiteral("kennel.orv_1")));
    window.setWindowState(Qt::WindowNoState);
    window.show();
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Yes);
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(window.HasDocument());
    QVERIFY(window.Document()->IsModified());
    QCOMPARE(boxes.Texts().size(), 2);
    QVERIFY2(boxes.Texts().last().contains(QStringLiteral("Cannot open file for writing")), qPrintable(boxes.Texts().last()));
}

void TestMainWindowDocument::backupLeftBehindIsOnlyAWarning()
{
    CMainWindow window;
    const QString path = PathOf(QStringLiteral("kennel.orv"));
    SaveDocumentAs(window, path, {QStringLiteral("Rex")});
    CCmnDocumentFileWriter::TFileSteps steps = CCmnDocumentFileWriter::SystemFileSteps();
    steps.m_Remove = [](const QString &) { return false; };
    window.SetDocumentFileSteps(steps);
    AddAnimal(*window.Document()->GetRegister(), QStringLiteral("Bella"), 2);
    window.Document()->SetModified(true);
    window.DocumentWidget()->SetSettingsModified(true);

    CTestMessageBoxScope boxes;
    QVERIFY(window.SaveDocument(path, 0));
    QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("<p>Failed to delete file '%1'</p>").arg(Native(path + "_2"))});
    QCOMPARE(boxes.Requests().first().m_Icon, QMessageBox::Warning);
    QVERIFY(!window.Document()->IsModified());
    QVERIFY(!window.DocumentWidget()->IsSettingsModified());
    CMainWindow reader;
    QVERIFY(reader.OpenDocument(path, 0));
    QCOMPARE(Names(*reader.Document()->GetRegister()), (QStringList{"Bella", "Rex"}));
}

void TestMainWindowDocument::saveAsWarnsWhileSaveIsOffered()
{
    CMainWindow window;
    SaveDocumentAs(window, PathOf(QStringLiteral("kennel.orv")), {QStringLiteral("Rex")});
    const CTestFileChooserScope chooser{QString()};
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Cancel);
    window.SaveAsAction()->trigger();
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(boxes.Texts().first().startsWith(QStringLiteral("<p><b>Important Note!</b></p>")));
    QVERIFY(boxes.Texts().first().endsWith(
        QStringLiteral("<p>Only click OK if you sure you wish to proceed with 'Save As'.</p>")));
    QCOMPARE(boxes.Requests().first().m_Options.m_MessageId, 7);
    QCOMPARE(chooser.Requests().size(), 0);
}

void TestMainWindowDocument::importedDocumentIsUntitledAndModified()
{
    // A club's list from a spreadsheet saved on Windows: semicolons, cp1252.
    const QString path = PathOf(QStringLiteral("dogs.csv"));
    QFile text(path);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("ID;Name;Sire;Dam;Owner\r\n1;Rex;;;Smith & Jones <UK>\r\n2;M\xFCller;;;Brandt\r\n"
               "3;Bella;1;2;\r\n");
    text.close();
    // The user chose the encoding and the separator for this file before.
    CmnGetFileHiddenSettings()->SetValue(path, "textencoding", "Windows-1252,CRLF,1");
    CmnGetFileHiddenSettings()->SetValue(path, "csvformat", "\",0,;,#,1,1");
    CMainWindow window;
    // The file open before keeps settings of its own; the import does not take them.
    QVERIFY(OrvNewDocument(window));
    CDocumentSettings previous;
    window.DocumentWidget()->GetSettings(previous);
    previous.m_GeneralSettings.m_EmbedPhotos = !window.DefaultDocumentSettings().m_GeneralSettings.m_EmbedPhotos;
    window.DocumentWidget()->SetSettings(nullptr, previous);
    window.DocumentWidget()->SetSettingsModified(false);
    // The wizard as the user goes through it: Next to the columns, where the first
    // time the owner column is customised as "Breeder", then Finish.
    QList<bool> customizeTicked;
    const CTestDialogRunnerScope runner([&customizeTicked](QDialog &dialog) {
        auto &wizard = static_cast<CCmnImportCSVWizard &>(dialog);
        wizard.next();
        wizard.next();
        auto *page = dynamic_cast<CBioAutomaticOrCustomImportColsPage *>(wizard.currentPage());
        if (!page)
            return int(QDialog::Rejected);
        CBioAutomaticOrCustomImportColsPanel *panel = page->ChoicePanel();
        customizeTicked << panel->CheckBox()->isChecked();
        if (customizeTicked.size() == 1) {
            panel->CheckBox()->click();
            panel->Table()->item(2, 4)->setText(QStringLiteral("Breeder"));
        }
        wizard.button(QWizard::FinishButton)->click();
        return wizard.result();
    });
    CTestMessageBoxScope boxes;
    QVERIFY(window.OpenDocument(path, 0));
    QCOMPARE(boxes.Texts(), QStringList());
    CDocumentSettings imported;
    window.DocumentWidget()->GetSettings(imported);
    QCOMPARE(imported.m_GeneralSettings.m_EmbedPhotos,
             window.DefaultDocumentSettings().m_GeneralSettings.m_EmbedPhotos);
    const CBioReg &reg = *window.Document()->GetRegister();
    QCOMPARE(Names(reg), (QStringList{"Bella", u"M\u00FCller"_qs, "Rex"}));
    QCOMPARE(OrvNamedListNames(reg.GetFieldsSettings().GetUserFields()), QStringList{"Breeder"});
    QCOMPARE(window.Document()->FileName(), QString());
    QVERIFY(window.Document()->IsModified());
    QCOMPARE(window.MostRecentFile(), path);
    QCOMPARE(window.windowFilePath(), path);
    // Saving it needs a document name first.
    QVERIFY(!window.SaveAction()->isEnabled());
    QVERIFY(window.SaveAsAction()->isEnabled());

    // The next import of the file starts from the columns chosen for it.
    boxes.Answer(QMessageBox::No);
    QVERIFY(window.OpenDocument(path, 0));
    QCOMPARE(customizeTicked, (QList<bool>{false, true}));
    QCOMPARE(OrvNamedListNames(window.Document()->GetRegister()->GetFieldsSettings().GetUserFields()),
             QStringList{"Breeder"});
}

void TestMainWindowDocument::olderProgramsFileImports_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("message");

    QTest::newRow("options accepted") << true << true << QString();
    QTest::newRow("options cancelled") << false << true << "Import cancelled";
    QTest::newRow("unreadable") << true << false
                                << "Unable to load file - invalid/unrecognized file format. Please check that the "
                                   "file is a valid pedigree database created using Halvane (any version between "
                                   "3.23c and 5.20).";
}

void TestMainWindowDocument::olderProgramsFileImports()
{
    QFETCH(bool, accept);
    QFETCH(bool, readable);
    QFETCH(QString, message);

    CTestLegacyRecord max;
    max.texts = {{15, "Max"}};
    max.booleans = {{17, 2}};
    CTestLegacyRecord pup;
    pup.texts = {{15, "Smith & Jones <UK>"}};
    pup.references = {{27, 3}};
    const QString path = PathOf(QStringLiteral("DOGS.RDF"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(readable ? LegacyTestFile("dog", 9, {}, {{3, max}, {5, pup}}) : QByteArray("not a pedigree"));
    file.close();

    const CTestDialogRunnerScope runner([accept](QDialog &dialog) {
        return accept ? OrvAcceptDialog(dialog) : int(QDialog::Rejected);
    });
    CMainWindow window;
    QVERIFY(OrvNewDocument(window));
    const QSharedPointer<CDocument> before = window.Document();
    CTestMessageBoxScope boxes;
    QCOMPARE(window.OpenDocument(path, 0), message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(boxes.Texts().size(), 1);
        QVERIFY2(boxes.Texts().first().startsWith(QStringLiteral("<p>") + message + QStringLiteral("<br/>")),
                 qPrintable(boxes.Texts().first()));
        QVERIFY(boxes.Texts().first().contains(Native(path)));
        QCOMPARE(window.Document(), before);
        QCOMPARE(window.MostRecentFile(), QString());
        return;
    }
    const CBioReg &reg = *window.Document()->GetRegister();
    QCOMPARE(Names(reg), (QStringList{"Max", "Smith & Jones <UK>"}));
    for (const int id : reg.GetRecordIds())
        if (reg.GetBioRecord(id)->m_Name == QLatin1String("Smith & Jones <UK>"))
            QCOMPARE(reg.GetBioRecord(reg.GetBioRecord(id)->m_Sire)->m_Name, QStringLiteral("Max"));
    QCOMPARE(window.Document()->FileName(), QString());
    QVERIFY(window.Document()->IsModified());
    QCOMPARE(window.MostRecentFile(), path);
}

void TestMainWindowDocument::openAsksAboutTheChangedDocument_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("opened");

    QTest::newRow("asked, Cancel keeps the document") << 0 << 1 << false;
    // The import commands ask before their file chooser and then open with this flag.
    QTest::newRow("already asked") << int(CCmnMainWindowEx::OpenWithoutAsking) << 0 << true;
}

void TestMainWindowDocument::openAsksAboutTheChangedDocument()
{
    QFETCH(int, flags);
    QFETCH(int, questions);
    QFETCH(bool, opened);

    const QString other = PathOf(QStringLiteral("other.orv"));
    {
        CMainWindow writer;
        SaveDocumentAs(writer, other, {QStringLiteral("Bella")});
    }
    CMainWindow window;
    const QString path = PathOf(QStringLiteral("kennel.orv"));
    SaveDocumentAs(window, path, {QStringLiteral("Rex")});
    const QSharedPointer<CDocument> document = window.Document();
    document->SetModified(true);
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Cancel);
    QCOMPARE(window.OpenDocument(other, flags), opened);
    QCOMPARE(boxes.Texts().size(), questions);
    QCOMPARE(window.Document() == document, !opened);
    QCOMPARE(window.MostRecentFile(), opened ? other : path);
    QCOMPARE(Names(*window.Document()->GetRegister()),
             opened ? QStringList{QStringLiteral("Bella")} : QStringList{QStringLiteral("Rex")});
}

void TestMainWindowDocument::openChoosesByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asDocument");

    QTest::newRow("extension in capitals") << "DOGS.ORV" << true;
    QTest::newRow("a further extension") << "dogs.orv.bak" << false;
}

void TestMainWindowDocument::openChoosesByExtension()
{
    QFETCH(QString, name);
    QFETCH(bool, asDocument);

    const QString saved = PathOf(QStringLiteral("saved.orv"));
    {
        CMainWindow writer;
        SaveDocumentAs(writer, saved, {QStringLiteral("Rex"), QStringLiteral("Bella")});
    }
    const QString path = PathOf(name);
    QVERIFY(QFile::copy(saved, path));

    CMainWindow window;
    QVERIFY(OrvNewDocument(window));
    const QSharedPointer<CDocument> before = window.Document();
    // The import road runs the text wizard, here cancelled: nothing is said.
    const CTestDialogRunnerScope runner;
    CTestMessageBoxScope boxes;
    QCOMPARE(window.OpenDocument(path, 0), asDocument);
    QCOMPARE(runner.Titles().size(), asDocument ? 0 : 1);
    QCOMPARE(boxes.Texts(), QStringList());
    if (!asDocument) {
        QCOMPARE(window.Document(), before);
        return;
    }
    QCOMPARE(Names(*window.Document()->GetRegister()), (QStringList{"Bella", "Rex"}));
    QCOMPARE(window.Document()->FileName(), path);
    QCOMPARE(window.windowFilePath(), path);
    QCOMPARE(window.MostRecentFile(), path);
    QVERIFY(!window.Document()->IsModified());
    QVERIFY(window.SaveAction()->isEnabled());
}

void TestMainWindowDocument::openThroughAFolderMapping()
{
    const QString real = PathOf(QStringLiteral("a.b.orv"));
    {
        CMainWindow writer;
        SaveDocumentAs(writer, real, {QStringLiteral("Rex")});
    }
    CmnGetMappedFoldersStore()->AddMapping(QStringLiteral("/moved/Kennel"), m_Folder->path());
    const QString given = QStringLiteral("/moved/Kennel/a.b.orv");

    CMainWindow window;
    QVERIFY(window.OpenDocument(given, 0));
    QCOMPARE(window.Document()->FileName(), given);
    QCOMPARE(window.windowFilePath(), given);
    QCOMPARE(window.MostRecentFile(), given);

    // Saved where the file really is; the forms' states under the name up to its
    // first dot.
    AddAnimal(*window.Document()->GetRegister(), QStringLiteral("Bella"), 2);
    window.Document()->SetModified(true);
    window.DocumentWidget()->SelectKind(QStringLiteral("TRIALMATING"), false, true);
    QVERIFY(window.SaveDocument(given, 0));
    QCOMPARE(QDir(m_Folder->path()).entryList(QDir::Files), QStringList{"a.b.orv"});
    CDocumentStickyStates remembered;
    remembered.Exchange(true, QStringLiteral("a"));
    QCOMPARE(remembered.m_SelectedKind, QStringLiteral("TRIALMATING"));
    CMainWindow reader;
    QVERIFY(reader.OpenDocument(real, 0));
    QCOMPARE(Names(*reader.Document()->GetRegister()), (QStringList{"Bella", "Rex"}));
}

void TestMainWindowDocument::failuresNameTheFileAndKeepTheDocument()
{
    CmnGetMappedFoldersStore()->AddMapping(QStringLiteral("/moved/Kennel"), m_Folder->path());
    CMainWindow window;
    const QString path = PathOf(QStringLiteral("kennel.orv"));
    SaveDocumentAs(window, path, {QStringLiteral("Rex")});
    const QSharedPointer<CDocument> document = window.Document();
    const QByteArray bytes = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    CTestMessageBoxScope boxes;
    QVERIFY(!window.OpenDocument(QStringLiteral("/moved/Kennel/missing.orv"), 0));
    QFile damaged(PathOf(QStringLiteral("damaged.orv")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes.left(bytes.size() / 2));
    damaged.close();
    QVERIFY(!window.OpenDocument(QStringLiteral("/moved/Kennel/damaged.orv"), 0));
    // A temporary name that cannot be written: the save fails before any rename.
    QVERIFY(QDir(m_Folder->path()).mkdir(QStringLiteral("kennel.orv_1")));
    window.Document()->SetModified(true);
    QVERIFY(!window.SaveDocument(path, 0));

    const QStringList texts = boxes.Texts();
    QCOMPARE(texts.size(), 3);
    QVERIFY2(texts.at(0).contains(QStringLiteral("Unable to open file (%1 [mapped to %2])")
                                      .arg(Native("/moved/Kennel/missing.orv"), Native(PathOf("missing.orv")))),
             qPrintable(texts.at(0)));
    QVERIFY2(texts.at(1).contains(Native(PathOf("damaged.orv"))), qPrintable(texts.at(1)));
    QVERIFY2(texts.at(2).contains(QStringLiteral("Cannot open file for writing")), qPrintable(texts.at(2)));
    QVERIFY2(texts.at(2).contains(Native(PathOf("kennel.orv_1"))), qPrintable(texts.at(2)));
    QCOMPARE(window.Document(), document);
    QVERIFY(window.Document()->IsModified());
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
}

void TestMainWindowDocument::openAfterAnInterruptedSaveNamesTheCopies()
{
    // Without links the old file moves aside before the new one takes the name;
    // a crash in between leaves both copies and nothing under the name.
    const QString path = PathOf(QStringLiteral("kennel.orv"));
    CMainWindow window;
    SaveDocumentAs(window, path, {QStringLiteral("Rex")});
    QVERIFY(QFile::copy(path, path + QStringLiteral("_1")));
    QVERIFY(QFile::rename(path, path + QStringLiteral("_2")));
    window.CloseDocument();

    CTestMessageBoxScope boxes;
    QVERIFY(!window.OpenDocument(path, 0));
    QCOMPARE(boxes.Texts().size(), 1);
    const QString text = boxes.Texts().first();
    QVERIFY2(text.startsWith(QStringLiteral("<p>Unable to open file (%1)").arg(Native(path))), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("The previous version is kept as '%1'.").arg(Native(path + "_2"))),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("The version being saved is kept as '%1'.").arg(Native(path + "_1"))),
             qPrintable(text));
    QVERIFY(!window.HasDocument());
}

void TestMainWindowDocument::newAddSaveCloseReopen()
{
    CMainWindow window;
    window.setWindowState(Qt::WindowNoState);
    window.resize(1200, 850);
    window.show();
    // The breeder takes the offered fields, as most do.
    QVERIFY(OrvNewDocument(window, true));
    // Added as the record commands add them, so the forms and the document hear of it.
    CBioReg &reg = *window.Document()->GetRegister();
    const auto store = [&reg](const QString &name, int sex, int sire, int dam) {
        CBioRegRecord record(name, &reg);
        record.m_Sex = sex;
        record.m_Sire = sire;
        record.m_Dam = dam;
        return reg.StoreNewRecord(record);
    };
    const int sire = store(QStringLiteral("Smith & Jones <UK> Champion Brackenfield Midnight Rambler"), 1, 0, 0);
    const int dam = store(QStringLiteral("Lady of the Long Meadow and the Far Hills"), 2, 0, 0);
    // First by name, so the forms open on it.
    store(QStringLiteral("Ace of the Long Meadow"), 1, sire, dam);
    QVERIFY(window.Document()->IsModified());
    for (const QString &kind : {QStringLiteral("PEDIGREE"), QStringLiteral("COVERSHEET"), QStringLiteral("TRIALMATING")}) {
        window.DocumentWidget()->SelectKind(kind, false, true);
        QVERIFY(OrvKeepForReview(window.grab().toImage(), QStringLiteral("smoke-%1.png").arg(kind.toLower())));
    }

    const QString path = PathOf(QStringLiteral("kennel.orv"));
    {
        // Save on a new document asks for the name first.
        const CTestFileChooserScope chooser(path);
        CTestMessageBoxScope boxes;
        window.SaveAsAction()->trigger();
        QCOMPARE(chooser.Requests().size(), 1);
    }
    QCOMPARE(window.windowFilePath(), path);
    window.CloseAction()->trigger();
    QVERIFY(!window.HasDocument());

    window.RecentFileActions().first()->trigger();
    QVERIFY(window.HasDocument());
    QCOMPARE(Names(*window.Document()->GetRegister()),
             (QStringList{"Ace of the Long Meadow", "Lady of the Long Meadow and the Far Hills",
                          "Smith & Jones <UK> Champion Brackenfield Midnight Rambler"}));
    const CBioReg &reopened = *window.Document()->GetRegister();
    for (const int id : reopened.GetRecordIds()) {
        const CBioRegRecord *record = reopened.GetBioRecord(id);
        if (record->m_Name == QLatin1String("Ace of the Long Meadow")) {
            QCOMPARE(reopened.GetBioRecord(record->m_Sire)->m_Name.left(14), QStringLiteral("Smith & Jones "));
            QCOMPARE(reopened.GetBioRecord(record->m_Dam)->m_Sex, 2);
        }
    }
}

void TestMainWindowDocument::sampleOpensAsAnExample()
{
    const CTestDialogRunnerScope runner([](QDialog &dialog) { return OrvAcceptDialog(dialog); });
    CMainWindow window;
    window.SampleAction()->trigger();
    QCOMPARE(runner.Titles().size(), 1);
    QVERIFY(window.HasDocument());
    QVERIFY(window.Document()->IsExample());
    QVERIFY(window.Document()->GetRegister()->GetRecordCount() > 0);
    // Titled as an example, and kept out of the recent files.
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta - Example"));
    QCOMPARE(window.MostRecentFile(), QString());
}

QTEST_MAIN(TestMainWindowDocument)
#include "tst_mainwindowdocument.moc"
