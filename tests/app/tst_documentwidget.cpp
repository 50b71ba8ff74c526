#include "documentwidget.h"

#include "../bio/document/oldthemetesting.h"
#include "../bio/reg/bioregtesting.h"
#include "bioinbreedingsettings.h"
#include "bioreg.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregthemedforminterface.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnpagesetup.h"
#include "cmnrememberedvalues.h"
#include "cmnsystemsettings.h"
#include "cmnthemeset.h"
#include "document.h"
#include "ignoreaccentssetting.h"
#include "oldthemeset.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmainwindow.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

const QString kBreeder = QStringLiteral("Breeder");

CDocumentSettings SettingsWithBreederField()
{
    CDocumentSettings settings;
    CCmnRegUserFieldSet fields;
    fields.AddField(kBreeder, CCmnRegUserField(1, CCmnRegFieldDef()));
    settings.m_FieldsSettings.SetUserFields(fields);
    settings.RefreshBuiltInFields();
    return settings;
}

// The animal and its ancestors over the given generations, each named after
// its place in the chart (the subject 1, the parents of n at 2n and 2n + 1) and
// long enough to be cut in the chart's cells.
int AddWithAncestors(CBioReg &reg, const QString &name, int sex, int generations, int place = 1)
{
    int sire = 0;
    int dam = 0;
    if (generations > 1) {
        sire = AddWithAncestors(reg, QStringLiteral("Brackenfield Champion %1").arg(2 * place), 1, generations - 1,
                                2 * place);
        dam = AddWithAncestors(reg, QStringLiteral("Lady Gwendolyn of the Long Meadow %1").arg(2 * place + 1), 2,
                               generations - 1, 2 * place + 1);
    }
    return AddAnimal(reg, name, sex, sire, dam);
}

// A window with the document widget as its central widget, as the program has it.
struct CFixture
{
    CFixture()
        : m_Widget(new CDocumentWidget(&m_Window, {}))
    {
        m_Window.setCentralWidget(m_Widget);
    }

    QSharedPointer<CDocument> NewDocument(int animals = 0)
    {
        auto document = QSharedPointer<CDocument>::create(false);
        for (int i = 1; i <= animals; ++i)
            AddAnimal(*document->GetRegister(), QStringLiteral("Animal %1").arg(i), i % 2 ? 1 : 2);
        document->SetModified(false);
        return document;
    }

    void Install(const QSharedPointer<CDocument> &document, const CDocumentSettings &settings = CDocumentSettings(),
                 const CDocumentStickyStates &states = CDocumentStickyStates())
    {
        m_Widget->InstallDocument(nullptr, document, settings, states);
    }

    CBioRegThemedFormInterface &Controller() const { return *m_Widget->FormController(); }

    CTestMainWindow m_Window;
    CDocumentWidget *m_Widget;
};

QMimeData *FileUrls(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

} // namespace

class TestDocumentWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hostsTheThreeFormsThroughOneController();
    void installingShowsTheRememberedForm();
    void installingNoDocumentDisablesTheForms();
    void onlyTheDocumentsRegisterMarksItModified();
    void changingSettings_data();
    void changingSettings();
    void activatedFormIsRememberedForTheFile();
    void dropsOpenOneDocumentOnly_data();
    void dropsOpenOneDocumentOnly();
    void tableCommandsNeedADocument_data();
    void tableCommandsNeedADocument();
    void reportsFieldNamesThatClashWithTheTerminology();
    void rendersAFourGenerationPedigree();
    void rendersConvertedOlderThemes();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestDocumentWidget::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
    CmnGetAppDescriptor().m_DocumentExtensions = {QStringLiteral("orv")};
    CmnCreateSystemSettings();
    CmnCreateRememberedValues();
    CreateIgnoreAccentsSetting();
    BioCreateInbreedingSettings();
}

void TestDocumentWidget::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    BioCreateTerminology();
}

void TestDocumentWidget::cleanup()
{
    BioDestroyTerminology();
    m_Settings.reset();
}

void TestDocumentWidget::hostsTheThreeFormsThroughOneController()
{
    CFixture fixture;
    const QList<CCmnInterfaceKindRegistration> &kinds = fixture.m_Widget->Registrations();
    QCOMPARE(kinds.size(), 3);
    const QStringList expected{"Pedigree/PEDIGREE", "Cover Sheet/COVERSHEET", "Trial Mating/TRIALMATING"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(kinds.at(i).m_Label + QLatin1Char('/') + kinds.at(i).m_Kind, expected.at(i));
        QCOMPARE(kinds.at(i).m_InterfaceName, QStringLiteral("BIOREGTHEMEDFORMINTERFACE"));
    }
    QCOMPARE(fixture.m_Widget->Interfaces().size(), 1);
    QCOMPARE(fixture.Controller().objectName(), QStringLiteral("biothemedforminterface"));
    QCOMPARE(fixture.Controller().HelpPageName(), QStringLiteral("design_croppingpics.html"));
    QCOMPARE(fixture.m_Widget->HasDocument(), false);
    QCOMPARE(fixture.m_Widget->acceptDrops(), true);

    // The controller's report of a changed form setting reaches the window's flag.
    QCOMPARE(fixture.m_Widget->IsSettingsModified(), false);
    Q_EMIT fixture.Controller().SettingsModified();
    QCOMPARE(fixture.m_Widget->IsSettingsModified(), true);
}

void TestDocumentWidget::installingShowsTheRememberedForm()
{
    CFixture fixture;
    const QSharedPointer<CDocument> document = fixture.NewDocument(3);
    CDocumentSettings settings;
    settings.m_PedigreeSettings->m_Generations = 5;
    CDocumentStickyStates states;
    states.m_SelectedKind = QStringLiteral("COVERSHEET");
    states.m_CoverSheet->m_SubjectRecNo = 2;
    fixture.m_Widget->SetSettingsModified(true);

    fixture.Install(document, settings, states);

    QCOMPARE(fixture.m_Widget->HasDocument(), true);
    QCOMPARE(fixture.m_Widget->IsSettingsModified(), false);
    QCOMPARE(fixture.m_Widget->IsInterfacesEnabled(), true);
    QCOMPARE(fixture.Controller().CurrentKind(), QStringLiteral("COVERSHEET"));
    QCOMPARE(fixture.Controller().BioReg(), document->GetRegister());
    QCOMPARE(document->IsOpen(), true);
    QCOMPARE(document->IsModified(), false);
    // The forms work on the widget's own copies, which are handed over as they are.
    QCOMPARE(fixture.Controller().PedigreeSettings(), fixture.m_Widget->Settings().m_PedigreeSettings);
    QVERIFY(fixture.Controller().PedigreeSettings() != settings.m_PedigreeSettings);
    QCOMPARE(fixture.Controller().PedigreeSettings()->m_Generations, 5);
    QCOMPARE(fixture.Controller().CoverSheetStickyState(), fixture.m_Widget->StickyStates().m_CoverSheet);
    QCOMPARE(fixture.Controller().CoverSheetStickyState()->m_SubjectRecNo, 2);
    QCOMPARE(states.m_CoverSheet->m_SubjectRecNo, 2);

    CBioRegRecord added(QStringLiteral("Smith & Jones <UK>"), document->GetRegister().data());
    document->GetRegister()->StoreNewRecord(added);
    QCOMPARE(document->IsModified(), true);
}

void TestDocumentWidget::installingNoDocumentDisablesTheForms()
{
    CFixture fixture;
    const QSharedPointer<CDocument> document = fixture.NewDocument(2);
    fixture.Install(document);
    QCOMPARE(fixture.m_Widget->CurrentInterfaceName(), QStringLiteral("BIOREGTHEMEDFORMINTERFACE"));

    fixture.Install(nullptr);

    QCOMPARE(fixture.m_Widget->HasDocument(), false);
    QCOMPARE(fixture.m_Widget->IsInterfacesEnabled(), false);
    QCOMPARE(fixture.m_Widget->CurrentInterfaceName(), QString());
    QVERIFY(fixture.Controller().BioReg().isNull());
    // The register the window let go of no longer reaches the widget.
    AddAnimal(*document->GetRegister(), QStringLiteral("Late arrival"), 2);
    QCOMPARE(document->IsModified(), false);
}

void TestDocumentWidget::onlyTheDocumentsRegisterMarksItModified()
{
    CFixture fixture;
    const QSharedPointer<CDocument> document = fixture.NewDocument();
    fixture.Install(document);
    CBioReg foreign(BioTestDefaultFieldsSettings());
    QObject::connect(&foreign, &CCmnReg::RegModified, fixture.m_Widget, &CDocumentWidget::Slot_RegModified);
    AddAnimal(foreign, QStringLiteral("Stranger"), 1);
    fixture.m_Widget->Slot_RegModified(nullptr);
    QCOMPARE(document->IsModified(), false);
    fixture.m_Widget->Slot_RegModified(document->GetRegister().data());
    QCOMPARE(document->IsModified(), true);
}

void TestDocumentWidget::changingSettings_data()
{
    QTest::addColumn<bool>("keepBreederField");
    QTest::addColumn<bool>("settingsModified");
    QTest::addColumn<QString>("breederValue");
    QTest::newRow("equal settings") << true << false << QStringLiteral("Smith & Jones <UK>");
    QTest::newRow("field removed") << false << true << QString();
}

void TestDocumentWidget::changingSettings()
{
    QFETCH(bool, keepBreederField);
    QFETCH(bool, settingsModified);
    QFETCH(QString, breederValue);
    CFixture fixture;
    const QSharedPointer<CDocument> document = fixture.NewDocument();
    const CDocumentSettings withField = SettingsWithBreederField();
    fixture.Install(document, withField);
    const int id = AddAnimal(*document->GetRegister(), QStringLiteral("Rex"), 1);
    ReplaceWith(*document->GetRegister(), id,
                [](CBioRegRecord &record) { record.SetValue(1, 0, QStringLiteral("Smith & Jones <UK>")); });
    // The forms are made to forget their settings; a change of settings hands
    // the widget's back in any case.
    fixture.Controller().ResetComponentSettings();

    CDocumentSettings changed;
    fixture.m_Widget->GetSettings(changed);
    if (!keepBreederField) {
        changed.m_FieldsSettings.SetUserFields(CCmnRegUserFieldSet());
        changed.RefreshBuiltInFields();
    }
    fixture.m_Widget->SetSettings(nullptr, changed);

    QCOMPARE(fixture.m_Widget->IsSettingsModified(), settingsModified);
    QCOMPARE(document->GetRegister()->GetBioRecord(id)->GetValue(1, 0).toString(), breederValue);
    QCOMPARE(fixture.Controller().PedigreeSettings(), fixture.m_Widget->Settings().m_PedigreeSettings);
    QCOMPARE(fixture.m_Widget->IsInterfacesEnabled(), true);
}

void TestDocumentWidget::activatedFormIsRememberedForTheFile()
{
    CFixture fixture;
    fixture.Install(fixture.NewDocument(2));
    QCOMPARE(fixture.m_Widget->StickyStates().m_SelectedKind, QStringLiteral("PEDIGREE"));
    QVERIFY(fixture.m_Widget->Selector());
    fixture.m_Widget->Selector()->setCurrentIndex(1);
    QCOMPARE(fixture.Controller().CurrentKind(), QStringLiteral("COVERSHEET"));
    QCOMPARE(fixture.m_Widget->StickyStates().m_SelectedKind, QStringLiteral("COVERSHEET"));

    CDocumentStickyStates states = fixture.m_Widget->StickyStates();
    states.Exchange(false, QStringLiteral("Smith & Jones <UK> kennel"));
    QCOMPARE(CmnGetRememberedValues()->Value(QStringLiteral("Smith & Jones <UK> kennel_formselect")).toString(),
             QStringLiteral("COVERSHEET"));
}

void TestDocumentWidget::dropsOpenOneDocumentOnly_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("opened");
    QTest::newRow("one document") << QStringList{"/breeders/Smith & Jones <UK>.orv"}
                                  << "/breeders/Smith & Jones <UK>.orv";
    QTest::newRow("delimited text") << QStringList{"/breeders/dogs.csv"} << QString();
    QTest::newRow("two documents") << QStringList{"/a.orv", "/b.orv"} << QString();
}

void TestDocumentWidget::dropsOpenOneDocumentOnly()
{
    QFETCH(QStringList, paths);
    QFETCH(QString, opened);
    CFixture fixture;
    QSignalSpy dropped(fixture.m_Widget, &CDocumentWidget::SignalFileNameDropped);
    const std::unique_ptr<QMimeData> data(FileUrls(paths));

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QCoreApplication::sendEvent(fixture.m_Widget, &enter);
    QCOMPARE(enter.isAccepted(), !opened.isEmpty());

    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(fixture.m_Widget, &drop);
    QCOMPARE(dropped.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty())
        QCOMPARE(dropped.constFirst().constFirst().toString(), opened);
}

void TestDocumentWidget::tableCommandsNeedADocument_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("choosers");
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("export") << 0 << 1 << QStringList();
    QTest::newRow("print") << 1 << 0 << QStringList{"Print Data - Select Columns"};
    QTest::newRow("print preview") << 2 << 0 << QStringList{"Print Preview Data - Select Columns"};
}

void TestDocumentWidget::tableCommandsNeedADocument()
{
    QFETCH(int, command);
    QFETCH(int, choosers);
    QFETCH(QStringList, dialogs);
    CFixture fixture;
    CTestMessageBoxScope boxes;
    CTestFileChooserScope chooser{QString()};
    CTestDialogRunnerScope runner;
    const auto run = [&] {
        switch (command) {
        case 0:
            fixture.m_Widget->ExportData();
            break;
        case 1:
            fixture.m_Widget->PrintData();
            break;
        default:
            fixture.m_Widget->PrintPreviewData();
            break;
        }
    };

    run();
    QCOMPARE(chooser.Requests().size(), 0);
    QCOMPARE(runner.Titles(), QStringList());

    fixture.Install(fixture.NewDocument(2));
    run();
    QCOMPARE(chooser.Requests().size(), choosers);
    QCOMPARE(runner.Titles(), dialogs);
    QCOMPARE(boxes.Requests().size(), 0);
    if (choosers) {
        QCOMPARE(chooser.Requests().constFirst().m_Parent, fixture.m_Widget);
        QVERIFY(chooser.Requests().constFirst().m_Filter.contains(QStringLiteral("PostScript files (*.ps)")));
        QVERIFY(chooser.Requests().constFirst().m_Filter.contains(QStringLiteral("XML files [for Excel] (*.xml)")));
    }
}

void TestDocumentWidget::reportsFieldNamesThatClashWithTheTerminology()
{
    CFixture fixture;
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Ok);
    boxes.Answer(QMessageBox::Ok);
    fixture.m_Widget->ApplyAppSettings(false);
    QCOMPARE(boxes.Requests().size(), 0);
    fixture.m_Widget->ApplyAppSettings(true);
    QCOMPARE(boxes.Requests().size(), 0);

    BioTestUseWords({{kBioTermDam, QStringLiteral("Stud mare")}});
    fixture.m_Widget->ApplyAppSettings(true);
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(boxes.Texts().constFirst().contains(QStringLiteral("'Sire' and 'Dam'")));

    fixture.Install(fixture.NewDocument(1));
    fixture.m_Widget->ApplyAppSettings(true);
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(fixture.m_Widget->IsInterfacesEnabled(), true);
}

void TestDocumentWidget::rendersAFourGenerationPedigree()
{
    CFixture fixture;
    const QSharedPointer<CDocument> document = fixture.NewDocument();
    const int subject = AddWithAncestors(*document->GetRegister(), QStringLiteral("Smith & Jones <UK>"), 1, 4);
    QCOMPARE(document->GetRegister()->GetRecordCount(), 15);
    CDocumentStickyStates states;
    states.m_SelectedKind = QStringLiteral("PEDIGREE");
    states.m_Pedigree->m_SubjectRecNo = subject;
    fixture.Install(document, CDocumentSettings(), states);
    QCOMPARE(fixture.Controller().PedigreeStickyState()->m_SubjectRecNo, subject);
    QVERIFY(OrvRenderForReview(fixture.m_Window, QSize(1400, 900), QStringLiteral("documentwidget-pedigree.png")));
}

// A chart designed in an earlier release looks as it did there, not like a
// new document's.
void TestDocumentWidget::rendersConvertedOlderThemes()
{
    CTestOldTheme older;
    older.entries = {OldThemeLogoEntry(),
                     OldThemeDataEntry(QStringLiteral("BIO-REGRECORD-LEFTHEADERORNAMENT-DATA"),
                                       QStringLiteral("Smith & Jones <UK> Kennels")),
                     OldThemeDataEntry(QStringLiteral("BIO-REGRECORDANIPED-TITLE-DATA"),
                                       QStringLiteral("{S 120}Bred by Smith & Jones <UK>{/S}\n[#Name]"))};
    CTestOldThemeSet set;
    set.current = older;
    CDocumentSettings converted;
    QVERIFY(converted.FromHash({{QStringLiteral("THEMES"), WriteTestOldThemeSet(set)}}));

    QImage pictures[2];
    for (int i = 0; i < 2; ++i) {
        CFixture fixture;
        const QSharedPointer<CDocument> document = fixture.NewDocument();
        const int subject = AddWithAncestors(*document->GetRegister(), QStringLiteral("Smith & Jones <UK>"), 1, 4);
        CDocumentStickyStates states;
        states.m_Pedigree->m_SubjectRecNo = subject;
        fixture.Install(document, i ? converted : CDocumentSettings(), states);
        fixture.m_Window.resize(1400, 900);
        fixture.m_Window.show();
        pictures[i] = fixture.m_Window.grab().toImage();
        QVERIFY(OrvKeepForReview(pictures[i], i ? QStringLiteral("documentwidget-converted.png")
                                                : QStringLiteral("documentwidget-default.png")));
    }
    QVERIFY(pictures[0] != pictures[1]);
}

QTEST_MAIN(TestDocumentWidget)
#include "tst_documentwidget.moc"
