#include "bioregthemedforminterface.h"

#include "bioformviewtesting.h"

#include "../reg/bioregtesting.h"
#include "biodefaulttheme.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregcoversheet.h"
#include "bioregcoversheetsettings.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpedigree.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregtrialmating.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "bioregthemedformwithancestrypanels.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "bioregthemedformwithancestrypanelsstickystate.h"
#include "cmninterfacemenu.h"
#include "cmninterfacetoolbarentry.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmnregindexlistmodel.h"
#include "cmnslotblocker.h"
#include "cmnformboxevent.h"
#include "cmnframework.h"
#include "cmngraphicsscene.h"
#include "cmninterfacehostwidget.h"
#include "cmnregindexlistpanel.h"
#include "cmnscenewidget.h"
#include "cmnsplitter.h"
#include "cmnstackedwidget.h"
#include "cmncombobox.h"
#include "cmnpushbutton.h"
#include "cmnwidget.h"
#include <QLabel>
#include <QLayout>
#include "cmnsystemsettings.h"
#include "cmnthemeset.h"
#include "rendertesting.h"
#include "testfilechooserscope.h"
#include "testmenuscope.h"
#include "testmessageboxscope.h"
#include "testpdftools.h"
#include "testurlopenerscope.h"
#include "testsettingsscope.h"

#include <QGraphicsRectItem>
#include <QPainter>
#include <QSignalSpy>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

#include <memory>

namespace {

const QString kCoverSheet = kBioFormViewCoverSheet;
const QString kPedigree = kBioFormViewPedigree;
const QString kTrialMating = kBioFormViewTrialMating;
using CFixture = CBioFormViewFixture;

// What a tool tip shows, read as Qt reads it.
QString TextAsShown(const QString &toolTip)
{
    return Qt::mightBeRichText(toolTip) ? QTextDocumentFragment::fromHtml(toolTip).toPlainText() : toolTip;
}

// The subject, its parents "Lady Gwendolyn" and the sire named, and two more
// generations above them; the subject's id.
int AddFourGenerations(CBioReg &reg, const QString &subject, const QString &sire)
{
    QList<int> generation;
    for (int i = 0; i < 8; ++i)
        generation << AddAnimal(reg, QStringLiteral("Great-grandparent %1").arg(i + 1), i % 2 ? 2 : 1);
    for (int size : {4, 2}) {
        QList<int> children;
        for (int i = 0; i < size; ++i)
            children << AddAnimal(reg, size == 4 ? QStringLiteral("Grandparent %1 of the Long Meadow").arg(i + 1)
                                                 : (i ? QStringLiteral("Lady Gwendolyn") : sire),
                                  i % 2 ? 2 : 1, generation.at(2 * i), generation.at(2 * i + 1));
        generation = children;
    }
    return AddAnimal(reg, subject, 1, generation.at(0), generation.at(1));
}

bool Shown(const QWidget *widget)
{
    return !widget->isHidden();
}

// Every box settings button, whatever its kind.
QStringList SettingsRoles()
{
    QStringList roles;
    for (const char *role :
         {"CoverSheet_TitleBoxProperties", "CoverSheet_ReverseBoxProperties", "CoverSheet_FlapBoxProperties",
          "CoverSheet_PicBoxProperties", "ThemedFormWithAncestryPanels_PanelProperties",
          "ThemedFormWithAncestryPanels_CellDefaultProperties", "ThemedFormWithAncestryPanels_SpecificGensProperties",
          "Pedigree_TitleBoxProperties", "Pedigree_DetailsBoxProperties", "Pedigree_PicBoxProperties",
          "TrialMating_TitleBoxProperties", "TrialMating_SirePicBoxProperties", "TrialMating_SireDetailsBoxProperties",
          "TrialMating_DamPicBoxProperties", "TrialMating_DamDetailsBoxProperties"})
        roles << QString::fromLatin1(role);
    for (int generation = 0; generation < 6; ++generation)
        roles << QStringLiteral("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties%1").arg(generation);
    return roles;
}

} // namespace

class TestBioRegThemedFormInterface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void supportsExactlyTheThreeKinds();
    void settingsAndStatesAreReplacedByClass();
    void newSettingsBecomeCurrentAtTheNextActivation();
    void resetsMakeNewObjectsInOrder();
    void setRegisterPointsTheLists();
    void setterWithStoredValueReports();
    void deletingSubjectAndSireSyncsOnce();
    void recordChangedInsideCommandWaitsForItsEnd();
    void emptyRegisterMakesEveryRecordNone();
    void screenPopulationMakesFormCurrent_data();
    void screenPopulationMakesFormCurrent();
    void printPopulationKeepsItsFormWithItsScene();
    void rememberedRecordsAreValidatedBeforeBuilding();
    void titleHints_data();
    void titleHints();
    void rightPressIsIgnoredAndHandled();
    void rootContextMenuFallsThroughUnlessBlocked();
    void pagesAndSplitterState();
    void sidePanelOptions();
    void commandsByRole_data();
    void commandsByRole();
    void generationButtonsFollowTheChart();
    void designOffHidesEveryBoxSettingsButton();
    void controlsShowTheCurrentFormsValues();
    void recordCommandsFollowTheRemembered_data();
    void recordCommandsFollowTheRemembered();
    void textsFollowTheTerminology();
    void toolBarAndRecordMenusPerKind();
    void switchesBetweenTheThreeForms();
    void exportsAFourGenerationPedigreeAsPdf();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestBioRegThemedFormInterface::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
    CmnInitFramework(descriptor);
    CmnCreateSystemSettings();
}

void TestBioRegThemedFormInterface::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    BioCreateTerminology();
    CmnGetSystemSettings()->SetDontAskAgainResult(201, 0);
}

void TestBioRegThemedFormInterface::cleanup()
{
    m_Settings.reset();
}

void TestBioRegThemedFormInterface::supportsExactlyTheThreeKinds()
{
    CFixture fixture;
    for (const QString &kind : {kCoverSheet, kPedigree, kTrialMating})
        QVERIFY(fixture.View()->SupportsKind(kind));
    for (const char *kind : {"", "pedigree", "LITTER", "PEDIGREE "})
        QVERIFY(!fixture.View()->SupportsKind(QString::fromLatin1(kind)));
}

void TestBioRegThemedFormInterface::settingsAndStatesAreReplacedByClass()
{
    CFixture fixture;
    CBioRegThemedFormInterface *view = fixture.View();
    auto coverSheet = QSharedPointer<CBioRegCoverSheetSettings>::create();
    auto trialMatingState = QSharedPointer<CBioRegTrialMatingStickyState>::create();
    const auto pedigreeSettings = view->PedigreeSettings();
    const auto pedigreeState = view->PedigreeStickyState();
    view->SetComponentSettings(coverSheet);
    view->SetStickyState(trialMatingState);
    // Foreign objects are ignored.
    view->SetComponentSettings(QSharedPointer<CCmnComponentSettings>::create());
    view->SetStickyState(QSharedPointer<CCmnComponentStickyState>::create());
    QCOMPARE(view->CoverSheetSettings(), coverSheet);
    QCOMPARE(view->TrialMatingStickyState(), trialMatingState);
    QCOMPARE(view->PedigreeSettings(), pedigreeSettings);
    QCOMPARE(view->PedigreeStickyState(), pedigreeState);
}

void TestBioRegThemedFormInterface::newSettingsBecomeCurrentAtTheNextActivation()
{
    CFixture fixture(4);
    fixture.Show(kPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    const auto before = view->CurrentSettings();
    QCOMPARE(before, view->PedigreeSettings());
    auto replacement = QSharedPointer<CBioRegPedigreeSettings>::create();
    view->SetComponentSettings(replacement);
    QCOMPARE(view->CurrentSettings(), before);
    view->SelectKindSettings(QStringLiteral("LITTER"));
    QCOMPARE(view->CurrentSettings(), before);
    QVERIFY(view->ActivateKind(kPedigree, QStringLiteral("Pedigree")));
    QCOMPARE(view->CurrentSettings(), replacement);
    QCOMPARE(view->CurrentStickyState(), view->PedigreeStickyState());
}

void TestBioRegThemedFormInterface::resetsMakeNewObjectsInOrder()
{
    CFixture fixture;
    CBioRegThemedFormInterface *view = fixture.View();
    view->ResetComponentSettings();
    view->ResetStickyStates();
    // Created later means a higher address is not guaranteed; the order shows in
    // the fresh defaults and the distinct objects.
    QCOMPARE(view->CoverSheetStickyState()->m_SubjectRecNo, -1);
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, -1);
    QCOMPARE(view->TrialMatingStickyState()->m_SireRecNo, -1);
    QCOMPARE(view->TrialMatingStickyState()->m_DamRecNo, -1);
    const auto settings = view->PedigreeSettings();
    view->ResetComponentSettings();
    QVERIFY(view->PedigreeSettings() != settings);
}

void TestBioRegThemedFormInterface::setRegisterPointsTheLists()
{
    CFixture fixture(5);
    CBioRegThemedFormInterface *view = fixture.View();
    QVERIFY(view->HasData());
    QCOMPARE(view->CoverSheetAllRecords().Model()->rowCount(), 5);
    QCOMPARE(view->PedigreeAllRecords().Model()->rowCount(), 5);
    QCOMPARE(view->TrialMatingSires().Model()->rowCount(), 3);
    QCOMPARE(view->TrialMatingDams().Model()->rowCount(), 2);
    view->SetRegister({});
    QVERIFY(!view->HasData());
    QCOMPARE(view->PedigreeAllRecords().Model()->rowCount(), 0);
}

void TestBioRegThemedFormInterface::setterWithStoredValueReports()
{
    CFixture fixture(4);
    fixture.Show(kPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    const qint32 subject = view->PedigreeStickyState()->m_SubjectRecNo;
    QVERIFY(subject > 0);
    const auto form = view->Pedigree();
    QVERIFY(form);
    const auto drawn = [&fixture] {
        QImage image(700, 500, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        fixture.View()->ScreenScene()->render(&painter);
        return image;
    };
    // Renamed behind the view's back: only the reported change redraws it.
    ReplaceWith(*fixture.m_Reg, subject, [](CBioRegRecord &record) { record.m_Name = QStringLiteral("Renamed"); });
    const QImage before = drawn();
    view->SetPedigreeSubject(subject);
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, subject);
    QCOMPARE(view->PedigreeAllRecords().GetCurrentRecordId(), subject);
    QVERIFY(drawn() != before);
    // The change ids are distinct and positive.
    const QList<qint32> ids{BioCoverSheetSubjectChangeId(), BioPedigreeSubjectChangeId(),
                            BioTrialMatingParentChangeId(1), BioTrialMatingParentChangeId(2)};
    for (qint32 id : ids) {
        QVERIFY(id > 0);
        QCOMPARE(ids.count(id), 1);
    }
    QCOMPARE(BioTrialMatingParentChangeId(3), 0);
}

void TestBioRegThemedFormInterface::deletingSubjectAndSireSyncsOnce()
{
    CFixture fixture(6);
    fixture.Show(kPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    const qint32 sire = 3;
    view->SetPedigreeSubject(sire);
    view->SetTrialMatingParent(1, sire);
    QCOMPARE(view->TrialMatingSires().GetCurrentRecordId(), sire);
    int selections = 0;
    QObject::connect(view->PedigreeAllRecords().View()->selectionModel(), &QItemSelectionModel::selectionChanged,
                     view, [&selections](const QItemSelection &selected) {
                         // Removing the row only drops its selection.
                         if (!selected.isEmpty())
                             ++selections;
                     });

    QVERIFY(fixture.m_Reg->DeleteRecordAndNotify(sire));

    const qint32 pedigreeChoice = view->PedigreeAllRecords().GetCurrentRecordId();
    const qint32 sireChoice = view->TrialMatingSires().GetCurrentRecordId();
    QVERIFY(pedigreeChoice > 0);
    QVERIFY(sireChoice > 0);
    QVERIFY(pedigreeChoice != sire);
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, pedigreeChoice);
    QCOMPARE(view->TrialMatingStickyState()->m_SireRecNo, sireChoice);
    QCOMPARE(selections, 1);
    QCOMPARE(view->SlotBlockCount(), 0);
}

void TestBioRegThemedFormInterface::recordChangedInsideCommandWaitsForItsEnd()
{
    CFixture fixture(4);
    fixture.Show(kPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    view->PedigreeStickyState()->m_SubjectRecNo = 2;
    {
        const CCmnSlotBlocker command(view);
        view->HandleRegRecordNotification(fixture.m_Reg.data(), 2, CCmnReg::RecordChanged);
        QVERIFY(view->PedigreeAllRecords().GetCurrentRecordId() != 2);
    }
    view->HandleRegRecordNotification(fixture.m_Reg.data(), 2, CCmnReg::RecordChanged);
    QCOMPARE(view->PedigreeAllRecords().GetCurrentRecordId(), 2);
}

void TestBioRegThemedFormInterface::emptyRegisterMakesEveryRecordNone()
{
    CFixture fixture;
    fixture.View()->SyncRecordListsWithStickyStates();
    QCOMPARE(fixture.View()->CoverSheetStickyState()->m_SubjectRecNo, 0);
    QCOMPARE(fixture.View()->PedigreeStickyState()->m_SubjectRecNo, 0);
    QCOMPARE(fixture.View()->TrialMatingStickyState()->m_SireRecNo, 0);
    QCOMPARE(fixture.View()->TrialMatingStickyState()->m_DamRecNo, 0);
}

void TestBioRegThemedFormInterface::screenPopulationMakesFormCurrent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("contentName");
    QTest::addColumn<int>("page");
    QTest::newRow("cover sheet") << kCoverSheet << QStringLiteral("Cover Sheet") << 1;
    QTest::newRow("pedigree") << kPedigree << QStringLiteral("Pedigree") << 2;
    QTest::newRow("trial mating") << kTrialMating << QStringLiteral("Trial Mating") << 3;
}

void TestBioRegThemedFormInterface::screenPopulationMakesFormCurrent()
{
    QFETCH(QString, kind);
    QFETCH(QString, contentName);
    QFETCH(int, page);
    CFixture fixture(30);
    fixture.Show(kind);
    CBioRegThemedFormInterface *view = fixture.View();
    QVERIFY(view->BioForm());
    QCOMPARE(view->CurrentForm(), view->BioForm().staticCast<CCmnThemedForm>());
    QCOMPARE(view->CoverSheet().isNull(), kind != kCoverSheet);
    QCOMPARE(view->Pedigree().isNull(), kind != kPedigree);
    QCOMPARE(view->TrialMating().isNull(), kind != kTrialMating);
    QCOMPARE(view->FormWithAncestryPanels().isNull(), kind == kCoverSheet);
    // Page 0 is the empty page.
    QCOMPARE(view->PageStack()->currentIndex(), page);
    QCOMPARE(view->SceneWidget()->ContentName(), contentName);
    QCOMPARE(view->SceneWidget()->ExportNoticeId(), 206);
    QVERIFY(view->SceneWidget()->ExportNotice().startsWith(
        QStringLiteral("<p><b>IMPORTANT! - please read!</b></p>")));
}

void TestBioRegThemedFormInterface::printPopulationKeepsItsFormWithItsScene()
{
    CFixture fixture(8);
    fixture.Show(kPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    view->DesignModeCheckBox()->setChecked(true);
    const auto screenForm = view->Pedigree();
    QVERIFY(screenForm);
    QVERIFY(screenForm->DesignMode());

    auto scene = std::make_unique<CCmnGraphicsScene>(nullptr);
    auto *page = new QGraphicsRectItem(view->SceneWidget()->GetPageRect());
    scene->addItem(page);
    view->PopulateScene(view->SceneWidget(), scene.get(), CmnSceneContextPrint, page);

    QCOMPARE(view->Pedigree(), screenForm);
    QVERIFY(screenForm->DesignMode());
    QVERIFY(!scene->items().isEmpty());
    QImage image(200, 140, QImage::Format_ARGB32);
    QPainter painter(&image);
    scene->render(&painter);
    painter.end();
    // Dropping the scene drops its form with it; AddressSanitizer watches both.
    scene.reset();
}

void TestBioRegThemedFormInterface::rememberedRecordsAreValidatedBeforeBuilding()
{
    CFixture fixture(4);
    CBioRegThemedFormInterface *view = fixture.View();
    // Another document's animals: ids this register does not have.
    view->PedigreeStickyState()->m_SubjectRecNo = 99;
    view->TrialMatingStickyState()->m_SireRecNo = 98;
    fixture.Show(kPedigree);
    QVERIFY(view->PedigreeStickyState()->m_SubjectRecNo > 0);
    QVERIFY(view->PedigreeStickyState()->m_SubjectRecNo <= 4);
    QVERIFY(view->TrialMatingStickyState()->m_SireRecNo > 0);
    QVERIFY(view->TrialMatingStickyState()->m_SireRecNo <= 4);
}

void TestBioRegThemedFormInterface::titleHints_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("coverSheet");
    QTest::addColumn<QString>("pedigree");
    QTest::newRow("nothing remembered") << 0 << QStringLiteral("Click to start a new cover sheet")
                                        << QStringLiteral("Click to start a new pedigree");
    QTest::newRow("select") << int(QMessageBox::Yes) << QStringLiteral("Click to select a %1")
                            << QStringLiteral("Click to select a %1");
    QTest::newRow("add") << int(QMessageBox::No) << QStringLiteral("Click to add a new %1")
                         << QStringLiteral("Click to add a new %1");
    QTest::newRow("other answer") << int(QMessageBox::Ok) << QStringLiteral("Click to start a new cover sheet")
                                  << QStringLiteral("Click to start a new pedigree");
}

void TestBioRegThemedFormInterface::titleHints()
{
    QFETCH(int, answer);
    QFETCH(QString, coverSheet);
    QFETCH(QString, pedigree);
    CFixture fixture;
    BioTestUseWords({{0, QStringLiteral("Dog")}});
    coverSheet.replace(QStringLiteral("%1"), QStringLiteral("dog"));
    pedigree.replace(QStringLiteral("%1"), QStringLiteral("dog"));
    CmnGetSystemSettings()->SetDontAskAgainResult(201, answer);
    QCOMPARE(fixture.View()->GetCoverSheetTitleHint(), coverSheet);
    QCOMPARE(fixture.View()->GetPedigreeTitleHint(), pedigree);
    QCOMPARE(fixture.View()->GetTrialMatingTitleHint(), QStringLiteral("Click to start a new trial mating"));
}

void TestBioRegThemedFormInterface::rightPressIsIgnoredAndHandled()
{
    CFixture fixture(3);
    fixture.Show(kPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::RightButton);
    press.accept();
    CCmnFormBoxEvent event;
    event.m_Kind = CCmnFormBoxEvent::MousePress;
    event.m_BoxId = view->Pedigree()->TitleBoxId();
    event.m_MouseEvent = &press;
    QVERIFY(view->HandleBoxEvent(&event));
    QVERIFY(!press.isAccepted());
    QCOMPARE(view->SlotBlockCount(), 0);
}

void TestBioRegThemedFormInterface::rootContextMenuFallsThroughUnlessBlocked()
{
    CFixture fixture(3);
    fixture.Show(kPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    QGraphicsSceneContextMenuEvent context(QEvent::GraphicsSceneContextMenu);
    CCmnFormBoxEvent event;
    event.m_Kind = CCmnFormBoxEvent::ContextMenu;
    event.m_BoxId = view->Pedigree()->RootId();
    event.m_ContextEvent = &context;
    CTestMenuScope menus;
    QVERIFY(view->HandleBoxEvent(&event));
    QCOMPARE(menus.Runs().size(), 1);
    QVERIFY(!menus.LastEntries().isEmpty());
    {
        const CCmnSlotBlocker command(view);
        QVERIFY(!view->HandleBoxEvent(&event));
    }
    QCOMPARE(menus.Runs().size(), 1);
}

void TestBioRegThemedFormInterface::pagesAndSplitterState()
{
    QByteArray saved;
    {
        CFixture fixture(4);
        CBioRegThemedFormInterface *view = fixture.View();
        // The empty page, then cover sheet, pedigree, trial mating.
        QCOMPARE(view->PageStack()->count(), 4);
        QCOMPARE(view->PageStack()->widget(3), view->TrialMatingSplitter());
        QCOMPARE(view->TrialMatingSplitter()->orientation(), Qt::Vertical);
        QCOMPARE(view->TrialMatingSplitter()->count(), 2);
        view->TrialMatingSplitter()->resize(100, 400);
        view->TrialMatingSplitter()->setSizes({100, 300});
        saved = view->TrialMatingSplitter()->saveState();
    }
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("biothemedforminterface/trialmatingsplitterstate")).toByteArray(), saved);
    CFixture again;
    QCOMPARE(again.View()->TrialMatingSplitter()->saveState(), saved);
}

void TestBioRegThemedFormInterface::sidePanelOptions()
{
    CFixture fixture;
    CBioRegThemedFormInterface *view = fixture.View();
    auto items = [](const QComboBox *combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    };
    QCOMPARE(items(view->GenerationsCombo()), (QStringList{"1", "2", "3", "4", "5", "6"}));
    QCOMPARE(view->GenerationsCombo()->itemData(5).toInt(), 6);
    QCOMPARE(items(view->AncestorHighlightCombo()),
             (QStringList{"No Highlight", "Highlight Repeat Ancestors", "Highlight Common Ancestors"}));
    QCOMPARE(items(view->CoverSheetStyleCombo()), (QStringList{"Unfolded", "1 Fold", "2 Folds"}));
    // Before the first text update.
    QWidget parent;
    CBioRegThemedFormInterface fresh(QString(), &parent);
    QCOMPARE(fresh.CheckBox(CBioRegThemedFormInterface::TrialMatingHasSirePic)->text(), QStringLiteral("Sire Photo"));
    QCOMPARE(fresh.CheckBox(CBioRegThemedFormInterface::TrialMatingHasSirePic)->toolTip(),
             QStringLiteral("Hide or show the sire's photo"));
    QCOMPARE(view->CheckBox(CBioRegThemedFormInterface::TrialMatingHasSirePic)->text(),
             QStringLiteral("Sire's Photo"));
    QCOMPARE(view->CheckBox(CBioRegThemedFormInterface::PedigreeHasTitle)->toolTip(),
             QStringLiteral("Hide or show the pedigree Title Box"));
    const QList<QLabel *> labels = view->RightSidePanel()->findChildren<QLabel *>();
    QStringList labelTexts;
    for (const QLabel *label : labels)
        labelTexts << label->text();
    for (const char *text : {"Style: ", "Ancestor Generations: ", "Ancestor Highlight: "})
        QVERIFY2(labelTexts.contains(QString::fromLatin1(text)), text);
}

void TestBioRegThemedFormInterface::commandsByRole_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasButton");
    const auto row = [](const char *role, const char *text, bool hasButton) {
        QTest::newRow(role) << QString::fromLatin1(role) << QString::fromLatin1(text) << hasButton;
    };
    row("CoverSheet_TitleBoxProperties", "Title Settings...", true);
    row("CoverSheet_ReverseBoxProperties", "Reverse (Back Page) Settings...", true);
    row("CoverSheet_FlapBoxProperties", "Inside Flap Settings...", true);
    row("CoverSheet_NewRecord", "", true);
    row("CoverSheet_CheckRecord", "", false);
    row("ThemedFormWithAncestryPanels_CellDefaultProperties", "Ancestor Cell Settings - Defaults...", true);
    row("ThemedFormWithAncestryPanels_SpecificGensProperties", "!", true);
    row("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties0", "!", true);
    row("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties5", "!", true);
    row("Pedigree_DetailsBoxProperties", "Details Settings...", true);
    row("Pedigree_CheckRecord", "", false);
    row("TrialMating_SirePicBoxProperties", "Sire Photo...", true);
    row("TrialMating_DamDetailsBoxProperties", "Dam Details Settings...", true);
    row("TrialMating_NewDamRecord", "", true);
    row("TrialMating_CheckRecord", "", false);
}

// Before any text update: the construction texts, the button bound to its action.
void TestBioRegThemedFormInterface::commandsByRole()
{
    QFETCH(QString, role);
    QFETCH(QString, text);
    QFETCH(bool, hasButton);
    QWidget parent;
    CBioRegThemedFormInterface view(QString(), &parent);
    QAction *action = view.ActionByRole(role);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->parent(), &parent);
    CCmnPushButton *button = view.ButtonByRole(role);
    QCOMPARE(button != nullptr, hasButton);
    if (button)
        QCOMPARE(button->Action(), action);
    QVERIFY(!view.ActionByRole(QStringLiteral("Slot_triggered_") + role));
}

void TestBioRegThemedFormInterface::generationButtonsFollowTheChart()
{
    CFixture fixture(3);
    CBioRegThemedFormInterface *view = fixture.View();
    view->PedigreeSettings()->m_Generations = 4;
    fixture.Show(kPedigree);
    view->DesignModeCheckBox()->setChecked(true);
    const auto role = [](int generation) {
        return QStringLiteral("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties%1").arg(generation);
    };
    QCOMPARE(view->ActionByRole(QStringLiteral("ThemedFormWithAncestryPanels_SpecificGensProperties"))->text(),
             QStringLiteral("Ancestor Cell Settings - 4G Specific..."));
    for (int generation = 0; generation < 4; ++generation) {
        QCOMPARE(view->ActionByRole(role(generation))->text(),
                 QStringLiteral("Ancestor Cell Settings - G%1/4 Specific...").arg(generation + 1));
        QVERIFY(Shown(view->ButtonByRole(role(generation))));
    }
    QVERIFY(!Shown(view->ButtonByRole(role(4))));
    QVERIFY(!Shown(view->ButtonByRole(role(5))));
    QVERIFY(Shown(view->ButtonByRole(QStringLiteral("ThemedFormWithAncestryPanels_SpecificGensProperties"))));

    // The trial mating's own chart names them after its own generations.
    view->TrialMatingSettings()->m_Generations = 6;
    fixture.Show(kTrialMating);
    QCOMPARE(view->ActionByRole(role(5))->text(), QStringLiteral("Ancestor Cell Settings - G6/6 Specific..."));
    QVERIFY(Shown(view->ButtonByRole(role(5))));
}

void TestBioRegThemedFormInterface::designOffHidesEveryBoxSettingsButton()
{
    CFixture fixture(3);
    CBioRegThemedFormInterface *view = fixture.View();
    view->TrialMatingSettings()->m_ShowSirePictureBox = true;
    for (const QString &kind : {kCoverSheet, kPedigree, kTrialMating}) {
        fixture.Show(kind);
        view->DesignModeCheckBox()->setChecked(true);
        int shown = 0;
        for (const QString &role : SettingsRoles())
            shown += Shown(view->ButtonByRole(role));
        QVERIFY2(shown > 0, qPrintable(kind));
        // The cover sheet's reverse and flap whatever the fold style.
        QCOMPARE(Shown(view->ButtonByRole(QStringLiteral("CoverSheet_FlapBoxProperties"))), kind == kCoverSheet);
        QCOMPARE(Shown(view->ButtonByRole(QStringLiteral("TrialMating_SirePicBoxProperties"))), kind == kTrialMating);
        QVERIFY(!Shown(view->ButtonByRole(QStringLiteral("TrialMating_DamPicBoxProperties"))));
        view->DesignModeCheckBox()->setChecked(false);
        for (const QString &role : SettingsRoles())
            QVERIFY2(!Shown(view->ButtonByRole(role)), qPrintable(kind + QLatin1Char(' ') + role));
    }
}

// One pair of combos serves both charts: each shows its own chart's values, and
// setting them there runs no command.
void TestBioRegThemedFormInterface::controlsShowTheCurrentFormsValues()
{
    CFixture fixture(3);
    CBioRegThemedFormInterface *view = fixture.View();
    view->PedigreeSettings()->m_Generations = 5;
    view->PedigreeSettings()->m_ShowDetailsBox = false;
    view->TrialMatingSettings()->m_Generations = 3;
    view->TrialMatingStickyState()->m_HighlightMode = 2;
    view->CoverSheetSettings()->m_FoldStyle = 2;
    QSignalSpy modified(view, &CCmnThemedFormInterface::SettingsModified);

    fixture.Show(kPedigree);
    QCOMPARE(view->GenerationsCombo()->currentText(), QStringLiteral("5"));
    QCOMPARE(view->AncestorHighlightCombo()->currentIndex(), 0);
    QVERIFY(Shown(view->GenerationsCombo()));
    QVERIFY(!Shown(view->CoverSheetStyleCombo()));
    QVERIFY(view->CheckBox(CBioRegThemedFormInterface::PedigreeHasTitle)->isChecked());
    QVERIFY(!view->CheckBox(CBioRegThemedFormInterface::PedigreeHasDetails)->isChecked());
    QVERIFY(!Shown(view->CheckBox(CBioRegThemedFormInterface::TrialMatingHasTitle)));

    fixture.Show(kTrialMating);
    QCOMPARE(view->GenerationsCombo()->currentText(), QStringLiteral("3"));
    QCOMPARE(view->AncestorHighlightCombo()->currentIndex(), 2);
    QVERIFY(Shown(view->AncestorHighlightCombo()));
    QVERIFY(Shown(view->CheckBox(CBioRegThemedFormInterface::TrialMatingHasDamDetails)));
    QVERIFY(!Shown(view->CheckBox(CBioRegThemedFormInterface::PedigreeHasTitle)));

    fixture.Show(kCoverSheet);
    QCOMPARE(view->CoverSheetStyleCombo()->currentIndex(), 2);
    QVERIFY(Shown(view->CoverSheetStyleCombo()));
    QVERIFY(!Shown(view->GenerationsCombo()));
    QVERIFY(view->CheckBox(CBioRegThemedFormInterface::CoverSheetHasPic)->isChecked());

    QCOMPARE(modified.count(), 0);
    QCOMPARE(view->PedigreeSettings()->m_Generations, 5);
}

void TestBioRegThemedFormInterface::recordCommandsFollowTheRemembered_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("animals");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("new pedigree document") << kPedigree << 0 << QStringList{"Pedigree_NewRecord"}
                                           << QStringList{"Pedigree_DeleteRecord", "Pedigree_CheckRecord",
                                                          "CoverSheet_NewRecord", "TrialMating_NewSireRecord"};
    QTest::newRow("pedigree with subject")
        << kPedigree << 2 << QStringList{"Pedigree_NewRecord", "Pedigree_DeleteRecord", "Pedigree_CheckRecord"}
        << QStringList{"CoverSheet_DeleteRecord"};
    QTest::newRow("new cover sheet document") << kCoverSheet << 0 << QStringList{"CoverSheet_NewRecord"}
                                              << QStringList{"CoverSheet_DeleteRecord", "CoverSheet_CheckRecord"};
    QTest::newRow("empty trial mating")
        << kTrialMating << 0
        << QStringList{"TrialMating_NewSireRecord", "TrialMating_NewDamRecord", "TrialMating_CheckRecord"}
        << QStringList{"Pedigree_NewRecord"};
}

void TestBioRegThemedFormInterface::recordCommandsFollowTheRemembered()
{
    QFETCH(QString, kind);
    QFETCH(int, animals);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);
    CFixture fixture(animals);
    fixture.Show(kind);
    for (const QString &role : enabled)
        QVERIFY2(fixture.View()->ActionByRole(role)->isEnabled(), qPrintable(role));
    for (const QString &role : disabled)
        QVERIFY2(!fixture.View()->ActionByRole(role)->isEnabled(), qPrintable(role));
    // The top bar's button follows its action (each row enables a New first).
    QVERIFY(fixture.View()->ButtonByRole(enabled.first())->isEnabled());
}

void TestBioRegThemedFormInterface::textsFollowTheTerminology()
{
    GetBioTerminology()->ApplySpeciesDefaults(BioSpeciesDogs);
    CFixture fixture;
    CBioRegThemedFormInterface *view = fixture.View();
    const auto text = [view](const char *role) { return view->ActionByRole(QString::fromLatin1(role))->text(); };
    const auto tip = [view](const char *role) { return view->ActionByRole(QString::fromLatin1(role))->toolTip(); };
    QCOMPARE(text("Pedigree_NewRecord"), QStringLiteral("New Dog..."));
    QCOMPARE(text("CoverSheet_DeleteRecord"), QStringLiteral("Delete Dog..."));
    QCOMPARE(tip("Pedigree_NewRecord"),
             QStringLiteral("Add a new dog (one that you have not previously added to your data file)"));
    QCOMPARE(view->ButtonByRole(QStringLiteral("Pedigree_NewRecord"))->toolTip(), tip("Pedigree_NewRecord"));
    QCOMPARE(tip("Pedigree_DeleteRecord"), QStringLiteral("Permanently delete the displayed dog from your data file"));
    QCOMPARE(text("TrialMating_CheckRecord"), QStringLiteral("Check For Errors..."));
    QCOMPARE(tip("TrialMating_CheckRecord"), QStringLiteral("Check the sire and dam for data inconsistencies"));
    QCOMPARE(text("TrialMating_NewDamRecord"), QStringLiteral("New Dam..."));
    QCOMPARE(text("TrialMating_SirePicBoxProperties"), QStringLiteral("Sire Photo Settings..."));
    QCOMPARE(text("Pedigree_PicBoxProperties"), QStringLiteral("Photo Settings..."));
    QCOMPARE(view->CheckBox(CBioRegThemedFormInterface::TrialMatingHasDamPic)->text(), QStringLiteral("Dam's Photo"));
    QCOMPARE(view->CheckBox(CBioRegThemedFormInterface::CoverSheetHasPic)->toolTip(),
             QStringLiteral("Display the dog's photo within the cover sheet"));
    QCOMPARE(view->CheckBox(CBioRegThemedFormInterface::PedigreeHasPic)->text(), QStringLiteral("Photo"));

    // A word of the user's own is shown as typed: no mnemonic, no markup.
    GetBioTerminology()->SetWord(BioTermAnimal, false, QStringLiteral("Bob & <Sons>"), false);
    fixture.m_Host.UpdateTexts();
    QCOMPARE(text("Pedigree_NewRecord"), QStringLiteral("New Bob && <Sons>..."));
    QCOMPARE(view->CheckBox(CBioRegThemedFormInterface::CoverSheetHasPic)->text(),
             QStringLiteral("Bob && <Sons>'s Photo"));
    QCOMPARE(TextAsShown(tip("Pedigree_NewRecord")),
             QStringLiteral("Add a new bob & <sons> (one that you have not previously added to your data file)"));
    GetBioTerminology()->SetWord(BioTermDam, false, QStringLiteral("<b>Queen</b>"), false);
    fixture.m_Host.UpdateTexts();
    QCOMPARE(TextAsShown(tip("TrialMating_CheckRecord")),
             QStringLiteral("Check the sire and <b>queen</b> for data inconsistencies"));
}

void TestBioRegThemedFormInterface::toolBarAndRecordMenusPerKind()
{
    CFixture fixture;
    CBioRegThemedFormInterface *view = fixture.View();
    const QList<CCmnInterfaceToolBarEntry> entries = view->GetToolBarEntries();
    QVERIFY(entries.size() > 3);
    const QList<QPair<QString, QStringList>> bars{
        {kCoverSheet, {"CoverSheet_NewRecord", "CoverSheet_DeleteRecord"}},
        {kPedigree, {"Pedigree_NewRecord", "Pedigree_DeleteRecord"}},
        {kTrialMating, {"TrialMating_NewSireRecord", "TrialMating_NewDamRecord"}},
    };
    for (int i = 0; i < 3; ++i) {
        const CCmnInterfaceToolBarEntry &entry = entries.at(entries.size() - 3 + i);
        QCOMPARE(entry.m_Kinds, QSet<QString>{bars.at(i).first});
        QVERIFY(!entry.m_RightAligned);
        QLayout *layout = entry.m_Widget->layout();
        QCOMPARE(layout->contentsMargins(), QMargins());
        QCOMPARE(layout->itemAt(0)->widget(), view->ButtonByRole(bars.at(i).second.at(0)));
        QCOMPARE(layout->itemAt(1)->widget(), view->ButtonByRole(bars.at(i).second.at(1)));
        // Only the trial mating's pair is followed by a stretch.
        QCOMPARE(layout->count(), i == 2 ? 3 : 2);
        delete entry.m_Widget;
    }
    for (int i = 0; i < entries.size() - 3; ++i)
        delete entries.at(i).m_Widget;

    const QList<CCmnInterfaceMenu> menus = view->GetMenus();
    QVERIFY(menus.size() > 3);
    const QList<QPair<QString, QStringList>> records{
        {kCoverSheet, {"CoverSheet_NewRecord", "CoverSheet_DeleteRecord", "CoverSheet_CheckRecord"}},
        {kPedigree, {"Pedigree_NewRecord", "Pedigree_DeleteRecord", "Pedigree_CheckRecord"}},
        {kTrialMating, {"TrialMating_NewSireRecord", "TrialMating_NewDamRecord", "TrialMating_CheckRecord"}},
    };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(menus.at(i).m_MenuName, QStringLiteral("Record"));
        QCOMPARE(menus.at(i).m_Kinds, QSet<QString>{records.at(i).first});
        QStringList roles;
        for (const CCmnMenuEntry &entry : menus.at(i).m_Entries)
            roles << entry.m_Action->objectName();
        QCOMPARE(roles, records.at(i).second);
    }
    QCOMPARE(menus.at(3).m_MenuName, QStringLiteral("View"));
}

// The whole view as a breeder sees it, for a look at the picture.
void TestBioRegThemedFormInterface::switchesBetweenTheThreeForms()
{
    CFixture fixture(30);
    AddAnimal(*fixture.m_Reg, QStringLiteral("Smith & Jones <UK> Brackenfield Champion of the Northern Fells"), 1);
    fixture.m_Host.resize(1400, 900);
    for (const QString &kind : {kTrialMating, kCoverSheet, kPedigree}) {
        fixture.Show(kind);
        QCOMPARE(fixture.View()->CurrentKind(), kind);
        QVERIFY(fixture.View()->BioForm());
    }
    fixture.View()->SetPedigreeSubject(31);
    QCOMPARE(fixture.View()->PedigreeAllRecords().GetCurrentRecordId(), 31);

    // A breeder's four generations in design mode, each form for a look (a
    // file per kind when ORV_RENDER_PNG names a path).
    const int subject = AddFourGenerations(*fixture.m_Reg, QStringLiteral("Smith & Jones <UK>"),
                                           QStringLiteral("Bob & <Sons> Brackenfield Champion of the Northern Fells"));
    CBioRegThemedFormInterface *view = fixture.View();
    view->SetPedigreeSubject(subject);
    view->SetCoverSheetSubject(subject);
    view->SetTrialMatingParent(1, subject);
    view->SetTrialMatingParent(2, subject - 1);
    view->TrialMatingSettings()->m_ShowSireDetailsBox = true;
    const QString path = qEnvironmentVariable("ORV_RENDER_PNG");
    for (const QString &kind : {kPedigree, kCoverSheet, kTrialMating}) {
        fixture.Show(kind);
        view->DesignModeCheckBox()->setChecked(true);
        QCOMPARE(view->BioForm()->Settings(), view->CurrentSettings());
        if (!path.isEmpty())
            QVERIFY(fixture.m_Host.grab().save(QString(path).replace(QStringLiteral(".png"),
                                                                     QLatin1Char('-') + kind.toLower() + ".png")));
    }
    QCOMPARE(view->TrialMatingSires().GetCurrentRecordId(), subject);
}

// A breeder's chart as it leaves the program: the export notice first, the
// product's name suggested, one A4 landscape page holding the names.
void TestBioRegThemedFormInterface::exportsAFourGenerationPedigreeAsPdf()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    CFixture fixture;
    const int subject = AddFourGenerations(*fixture.m_Reg, QStringLiteral("Brackenfield Midnight Rambler"),
                                           QStringLiteral("Smith & Jones <UK>"));
    fixture.m_Host.resize(1400, 900);
    fixture.Show(kPedigree);
    fixture.View()->SetPedigreeSubject(subject);

    QTemporaryDir folder;
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Ok);
    boxes.Answer(QMessageBox::No);
    CTestUrlOpenerScope opener;
    QList<CCmnFileChooserRequest> requests;
    qsizetype boxesBeforeChoosing = -1;
    const QString chosen = folder.filePath(QStringLiteral("Smith & Jones <UK>.pdf"));
    const TCmnFileChooser previous = CmnSetFileChooser([&](const CCmnFileChooserRequest &request) {
        requests << request;
        boxesBeforeChoosing = boxes.Requests().size();
        return chosen;
    });
    fixture.View()->SceneWidget()->ActionButton(CCmnSceneWidget::PdfButton)->click();
    CmnSetFileChooser(previous);

    QCOMPARE(boxesBeforeChoosing, 1);
    QCOMPARE(boxes.Requests().constFirst().m_Options.m_MessageId, 206);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.constFirst().m_Folder, QStringLiteral("OrvantaPedigree.pdf"));
    QCOMPARE(OrvPdfInfoField(chosen, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(OrvPdfInfoField(chosen, QStringLiteral("Page size")), QStringLiteral("842 x 595 pts (A4)"));
    QCOMPARE(OrvPdfInfoField(chosen, QStringLiteral("Creator")), QStringLiteral("Orvanta Pedigree"));
    const QImage page = OrvRenderPdfPage(chosen, 100, OrvReviewFilePath(QStringLiteral("pedigree-export.png")));
    QCOMPARE(page.size(), QSize(1170, 827));
}

QTEST_MAIN(TestBioRegThemedFormInterface)
#include "tst_bioregthemedforminterface.moc"
