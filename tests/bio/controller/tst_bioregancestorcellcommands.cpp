#include "bioregthemedforminterface.h"

#include "bioformviewtesting.h"
#include "bioregancestrypanel.h"
#include "bioregpedigree.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "bioregthemedformwithancestrypanels.h"
#include "bioregtrialmating.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmnformbox.h"
#include "cmnframework.h"
#include "cmngraphicsscene.h"
#include "cmnmessageboxbutton.h"
#include "cmnregindexlistpanel.h"
#include "cmnsystemsettings.h"
#include "rendertesting.h"
#include "testmenuscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QAction>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QTest>

#include <memory>

namespace {

constexpr qint32 kPress = CCmnFormBoxEvent::MousePress;
constexpr qint32 kMenu = CCmnFormBoxEvent::ContextMenu;

const QString kLoopRefusal =
    QStringLiteral("Sorry, this record cannot be used because it would cause an ancestor to be descended from itself.");

// The nth cell, from the top, of the chart on the side in the generation.
qint32 CellBox(const CBioRegThemedFormWithAncestryPanels &form, qint32 generation, qint32 which, int nth = 0)
{
    const CBioRegAncestryPanel &panel = *form.Panels().first().m_Panel;
    for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(panel.Generations()); ++p) {
        if (panel.Cell(p)->m_Generation == generation && panel.Cell(p)->m_Sex == which && nth-- == 0)
            return panel.Cell(p)->m_BoxId;
    }
    return 0;
}

// Rex, his daughter Bella (dam unknown), her son Puppy, and Max, a male of
// another line; Bella's pedigree is shown.
struct CFamily
{
    CFamily()
    {
        m_Rex = AddAnimal(*m_Fixture.m_Reg, QStringLiteral("Rex"), 1);
        m_Bella = AddAnimal(*m_Fixture.m_Reg, QStringLiteral("Bella"), 2, m_Rex);
        m_Puppy = AddAnimal(*m_Fixture.m_Reg, QStringLiteral("Puppy"), 1, 0, m_Bella);
        m_Max = AddAnimal(*m_Fixture.m_Reg, QStringLiteral("Max of Smith & Jones <UK> Long Meadow"), 1);
    }
    CBioRegThemedFormInterface *View() const { return m_Fixture.View(); }
    void ShowPedigreeOf(int subject)
    {
        View()->PedigreeStickyState()->m_SubjectRecNo = subject;
        m_Fixture.Show(kBioFormViewPedigree);
    }
    const CBioRegRecord &Record(int id) const { return *m_Fixture.m_Reg->GetBioRecord(id); }
    // The settings commands every cell menu ends with, from the generation's.
    QStringList CellSettings(int generation) const
    {
        QStringList texts;
        for (const QString &role : {QStringLiteral("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties%1")
                                        .arg(generation),
                                    QStringLiteral("ThemedFormWithAncestryPanels_SpecificGensProperties"),
                                    QStringLiteral("ThemedFormWithAncestryPanels_CellDefaultProperties"),
                                    QStringLiteral("ThemedFormWithAncestryPanels_PanelProperties")})
            texts.append(View()->ActionByRole(role)->text());
        return texts;
    }

    CBioFormViewFixture m_Fixture;
    int m_Rex = 0;
    int m_Bella = 0;
    int m_Puppy = 0;
    int m_Max = 0;
};

} // namespace

class TestBioRegAncestorCellCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void ancestorMenuOffersItsCommands_data();
    void ancestorMenuOffersItsCommands();
    void emptyCellOffersSelectUnlessAllAreRelated_data();
    void emptyCellOffersSelectUnlessAllAreRelated();
    void cellWithoutChildOffersSettingsOnly();
    void ancestorPressAsksWhatToDo_data();
    void ancestorPressAsksWhatToDo();
    void onlyCandidateBeingTheChildAddsAtOnce_data();
    void onlyCandidateBeingTheChildAddsAtOnce();
    void selectRefusesDescendantsAndSetsTheChoice();
    void newParentRefusesTheChildsOffspring();
    void rootParentIsReplacedThroughItsCell();
    void removeAsksThenOffersDeletion_data();
    void removeAsksThenOffersDeletion();
    void displayShowsTheAncestorsPedigree();
    void chartBoxesOpenCellSettings();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestBioRegAncestorCellCommands::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
    CmnInitFramework(descriptor);
    CmnCreateSystemSettings();
}

void TestBioRegAncestorCellCommands::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    BioCreateTerminology();
    BioTestUseWords({{kBioTermAnimal, QStringLiteral("Dog")}, {kBioTermSire, QStringLiteral("Sire")},
                     {kBioTermDam, QStringLiteral("Dam")}});
    CmnGetSystemSettings()->SetDontAskAgainResult(205, 0);
    CmnGetSystemSettings()->SetDontAskAgainResult(202, 0);
}

void TestBioRegAncestorCellCommands::cleanup()
{
    m_Settings.reset();
}

void TestBioRegAncestorCellCommands::ancestorMenuOffersItsCommands_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    const QString sep = CTestMenuScope::Separator();
    QTest::newRow("pedigree") << kBioFormViewPedigree << "Rex"
                              << QStringList{"Edit Sire - Rex...", "Display Pedigree Of Sire - Rex", sep,
                                             "Select Different (Existing) Sire...", "New Sire...",
                                             "Remove Sire - Rex...", sep};
    // "&&" shows as the one "&" typed and marks no mnemonic.
    QTest::newRow("name as typed") << kBioFormViewPedigree << "Bob & <Sons>"
                                   << QStringList{"Edit Sire - Bob && <Sons>...",
                                                  "Display Pedigree Of Sire - Bob && <Sons>", sep,
                                                  "Select Different (Existing) Sire...", "New Sire...",
                                                  "Remove Sire - Bob && <Sons>...", sep};
    // The trial mating's sire is replaced, never removed, and has no pedigree of its own here.
    QTest::newRow("trial mating's sire") << kBioFormViewTrialMating << "Rex"
                                         << QStringList{"Edit Sire - Rex...", sep,
                                                        "Select Different (Existing) Sire...", "New Sire...", sep};
}

void TestBioRegAncestorCellCommands::ancestorMenuOffersItsCommands()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    CFamily family;
    ReplaceWith(*family.m_Fixture.m_Reg, family.m_Rex, [&name](CBioRegRecord &record) { record.m_Name = name; });
    family.View()->TrialMatingStickyState()->m_SireRecNo = family.m_Rex;
    family.ShowPedigreeOf(family.m_Bella);
    family.m_Fixture.Show(kind);
    CTestMenuScope menus;
    CBioFormViewBoxEvent event(kMenu, CellBox(*family.View()->FormWithAncestryPanels(), 0, 1));

    QVERIFY(family.View()->HandleBoxEvent(event.Get()));

    const QStringList shown = menus.LastEntries();
    QCOMPARE(shown.mid(0, entries.size()), entries);
    QCOMPARE(shown.mid(entries.size(), 4), family.CellSettings(0));
    // No header settings: the form's own entries follow.
    QCOMPARE(shown.at(entries.size() + 4), CTestMenuScope::Separator());
}

void TestBioRegAncestorCellCommands::emptyCellOffersSelectUnlessAllAreRelated_data()
{
    QTest::addColumn<bool>("othersExist");
    QTest::newRow("others exist") << true;
    QTest::newRow("all related") << false;
}

void TestBioRegAncestorCellCommands::emptyCellOffersSelectUnlessAllAreRelated()
{
    QFETCH(bool, othersExist);
    CBioFormViewFixture fixture;
    const int bella = AddAnimal(*fixture.m_Reg, QStringLiteral("Bella"), 2);
    AddAnimal(*fixture.m_Reg, QStringLiteral("Puppy"), 1, 0, bella);
    if (othersExist)
        AddAnimal(*fixture.m_Reg, QStringLiteral("Maud"), 2);
    fixture.View()->PedigreeStickyState()->m_SubjectRecNo = bella;
    fixture.Show(kBioFormViewPedigree);
    CTestMenuScope menus;
    CBioFormViewBoxEvent event(kMenu, CellBox(*fixture.View()->Pedigree(), 0, 2));

    QVERIFY(fixture.View()->HandleBoxEvent(event.Get()));

    QStringList expected{"New Dam...", CTestMenuScope::Separator()};
    if (othersExist)
        expected.prepend(QStringLiteral("Select Dam..."));
    QCOMPARE(menus.LastEntries().mid(0, expected.size()), expected);
}

void TestBioRegAncestorCellCommands::cellWithoutChildOffersSettingsOnly()
{
    CFamily family;
    family.ShowPedigreeOf(family.m_Bella);
    CBioRegThemedFormInterface *view = family.View();
    // Above Bella's unknown dam.
    const qint32 cell = CellBox(*view->Pedigree(), 1, 1, 1);
    qint32 childId = -1;
    QVERIFY(view->Pedigree()->FindAncestryCell(cell, &childId, nullptr, nullptr, nullptr, nullptr));
    QCOMPARE(childId, 0);
    CTestMenuScope menus;
    CTestMessageBoxScope messages;
    CBioFormViewWindows windows;
    CBioFormViewBoxEvent menu(kMenu, cell);
    CBioFormViewBoxEvent press(kPress, cell);

    QVERIFY(view->HandleBoxEvent(menu.Get()));
    QVERIFY(!view->HandleAncestryCellEvent(press.Get(), view->Pedigree()->ContentId(), 0, 1, 1));

    QCOMPARE(menus.LastEntries().mid(0, 4), family.CellSettings(1));
    QCOMPARE(messages.Requests().size(), 0);
    QCOMPARE(windows.m_Shown.size(), 0);
}

void TestBioRegAncestorCellCommands::ancestorPressAsksWhatToDo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("pedigree") << kBioFormViewPedigree
                              << QStringList{"Edit", "Select", "Add New", "Remove", "Cancel"}
                              << "<br/>- or <b>Remove</b> the sire?";
    QTest::newRow("trial mating's sire") << kBioFormViewTrialMating
                                         << QStringList{"Edit", "Select", "Add New", "Cancel"}
                                         << "<br/>- <b>Add</b> a completely <b>New</b> sire?";
}

void TestBioRegAncestorCellCommands::ancestorPressAsksWhatToDo()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, buttons);
    QFETCH(QString, lastLine);
    CFamily family;
    ReplaceWith(*family.m_Fixture.m_Reg, family.m_Rex,
                [](CBioRegRecord &record) { record.m_Name = QStringLiteral("Bob & <Sons>"); });
    family.View()->TrialMatingStickyState()->m_SireRecNo = family.m_Rex;
    family.ShowPedigreeOf(family.m_Bella);
    family.m_Fixture.Show(kind);
    CTestMessageBoxScope messages;
    messages.Answer(QMessageBox::Cancel);
    CBioFormViewWindows windows;
    CBioFormViewBoxEvent press(kPress, CellBox(*family.View()->FormWithAncestryPanels(), 0, 1), QPoint(40, 30));

    QVERIFY(family.View()->HandleBoxEvent(press.Get()));

    QCOMPARE(messages.Requests().size(), 1);
    const CCmnMessageBoxRequest &question = messages.Requests().first();
    QCOMPARE(question.m_Title, QStringLiteral("Set Sire"));
    QVERIFY2(question.m_Text.startsWith(QStringLiteral("<p>Sire: <b>Bob &amp; &lt;Sons&gt;</b></p>Do you want to:")),
             qPrintable(question.m_Text));
    QVERIFY2(question.m_Text.endsWith(lastLine), qPrintable(question.m_Text));
    QCOMPARE(BioFormViewButtonTexts(question), buttons);
    QCOMPARE(question.m_Options.m_Position, QPoint(40, 30));
    QCOMPARE(question.m_Options.m_MessageId, 0);
    // Cancelled: nothing opened, nothing changed.
    QCOMPARE(windows.m_Shown.size(), 0);
    QCOMPARE(family.Record(family.m_Bella).m_Sire, family.m_Rex);
}

void TestBioRegAncestorCellCommands::onlyCandidateBeingTheChildAddsAtOnce_data()
{
    QTest::addColumn<int>("childSex");
    QTest::addColumn<int>("otherSex");
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("title");
    QTest::newRow("sire of a male, the other female") << 1 << 2 << 1 << "New Sire";
    // A child of unknown sex is the one animal not recorded male: no dam to choose.
    QTest::newRow("dam of an unknown, the other male") << 0 << 1 << 2 << "New Dam";
}

void TestBioRegAncestorCellCommands::onlyCandidateBeingTheChildAddsAtOnce()
{
    QFETCH(int, childSex);
    QFETCH(int, otherSex);
    QFETCH(int, which);
    QFETCH(QString, title);
    CBioFormViewFixture fixture;
    const int child = AddAnimal(*fixture.m_Reg, QStringLiteral("Max"), childSex);
    AddAnimal(*fixture.m_Reg, QStringLiteral("Maud"), otherSex);
    fixture.View()->PedigreeStickyState()->m_SubjectRecNo = child;
    fixture.Show(kBioFormViewPedigree);
    CTestMessageBoxScope messages;
    CBioFormViewWindows windows;
    windows.Type(QStringLiteral("Duke"));
    CBioFormViewBoxEvent press(kPress, CellBox(*fixture.View()->Pedigree(), 0, which));

    QVERIFY(fixture.View()->HandleBoxEvent(press.Get()));

    QCOMPARE(messages.Requests().size(), 0);
    QCOMPARE(windows.m_Shown.size(), 1);
    QCOMPARE(windows.m_Shown.first().m_Title, title);
    QCOMPARE(windows.m_Shown.first().m_Sex, which);
    const CBioRegRecord *record = fixture.m_Reg->GetBioRecord(child);
    QCOMPARE(fixture.m_Reg->RecordDisplayName(which == 1 ? record->m_Sire : record->m_Dam), QStringLiteral("Duke"));
}

void TestBioRegAncestorCellCommands::selectRefusesDescendantsAndSetsTheChoice()
{
    CFamily family;
    family.ShowPedigreeOf(family.m_Bella);
    CBioRegThemedFormInterface *view = family.View();
    CTestMessageBoxScope messages;
    messages.AnswerWithText(QStringLiteral("Select"));
    messages.Answer(QMessageBox::Ok);
    messages.AnswerWithText(QStringLiteral("Select"));
    CBioFormViewWindows windows;
    windows.Choose(family.m_Puppy);
    windows.Choose(family.m_Max);
    CBioFormViewBoxEvent press(kPress, CellBox(*view->Pedigree(), 0, 1));

    QVERIFY(view->HandleBoxEvent(press.Get()));

    QVERIFY2(messages.Texts().at(1).contains(kLoopRefusal), qPrintable(messages.Texts().at(1)));
    QCOMPARE(windows.m_Shown.first().m_Title, QStringLiteral("Select Sire"));
    QCOMPARE(windows.m_Shown.first().m_Current, family.m_Rex);
    QCOMPARE(windows.m_Shown.first().m_SexFilter, 1);
    QCOMPARE(family.Record(family.m_Bella).m_Sire, family.m_Rex);

    QVERIFY(view->HandleBoxEvent(press.Get()));

    QCOMPARE(family.Record(family.m_Bella).m_Sire, family.m_Max);
    // The chart follows the register: Max is in the sire's cell.
    const QSharedPointer<CBioRegPedigree> pedigree = view->Pedigree();
    QVERIFY(pedigree->GetBox(CellBox(*pedigree, 0, 1))->Text().contains(QStringLiteral("Max")));
    if (!OrvReviewFilePath(QStringLiteral("cell-select.png")).isEmpty()) {
        const QRectF page = view->ScreenScene()->sceneRect();
        QImage image(page.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        view->ScreenScene()->render(&painter);
        painter.end();
        QVERIFY(OrvKeepForReview(image.scaledToWidth(1200, Qt::SmoothTransformation),
                                 QStringLiteral("cell-select.png")));
    }
}

void TestBioRegAncestorCellCommands::newParentRefusesTheChildsOffspring()
{
    CFamily family;
    // Bella's dam is unknown; "Puppy" names her own son. Bella is the only
    // animal not recorded as male, so the new dam is asked for at once.
    family.ShowPedigreeOf(family.m_Bella);
    CBioRegThemedFormInterface *view = family.View();
    CTestMessageBoxScope messages;
    messages.AnswerWithText(QStringLiteral("Use Matching Dog Above As Dam"));
    messages.Answer(QMessageBox::Ok);
    messages.Answer(QMessageBox::Cancel);
    CBioFormViewWindows windows;
    windows.Type(QStringLiteral("Puppy"));
    CBioFormViewBoxEvent press(kPress, CellBox(*view->Pedigree(), 0, 2));

    QVERIFY(view->HandleBoxEvent(press.Get()));

    QCOMPARE(messages.Texts().size(), 3);
    QVERIFY2(messages.Texts().at(1).contains(kLoopRefusal), qPrintable(messages.Texts().at(1)));
    QCOMPARE(messages.PendingAnswers(), 0);
    QCOMPARE(family.Record(family.m_Bella).m_Dam, 0);
    QCOMPARE(family.m_Fixture.m_Reg->GetRecordCount(), 4);
}

void TestBioRegAncestorCellCommands::rootParentIsReplacedThroughItsCell()
{
    CFamily family;
    family.View()->TrialMatingStickyState()->m_SireRecNo = family.m_Rex;
    family.m_Fixture.Show(kBioFormViewTrialMating);
    CBioRegThemedFormInterface *view = family.View();
    CTestMenuScope menus;
    menus.Choose(QStringLiteral("Select Different (Existing) Sire..."));
    CBioFormViewWindows windows;
    windows.Choose(family.m_Max);
    CBioFormViewBoxEvent event(kMenu, CellBox(*view->TrialMating(), 0, 1));

    QVERIFY(view->HandleBoxEvent(event.Get()));

    // Nobody's descendant is refused: the root is no animal.
    QCOMPARE(windows.m_Shown.first().m_SexFilter, 1);
    QCOMPARE(view->TrialMatingStickyState()->m_SireRecNo, family.m_Max);
    QCOMPARE(view->TrialMatingSires().GetCurrentRecordId(), family.m_Max);
}

void TestBioRegAncestorCellCommands::removeAsksThenOffersDeletion_data()
{
    QTest::addColumn<bool>("okRemembered");
    QTest::addColumn<bool>("removeAnswer");
    QTest::addColumn<QStringList>("questions");
    const QString remove = QStringLiteral("<p>Do you want to remove the sire 'Rex' of 'Bella'?</p>");
    QTest::newRow("OK, then keep the record") << false << true << QStringList{remove, "deletion"};
    QTest::newRow("OK remembered") << true << true << QStringList{"deletion"};
    QTest::newRow("Cancel") << false << false << QStringList{remove};
}

void TestBioRegAncestorCellCommands::removeAsksThenOffersDeletion()
{
    QFETCH(bool, okRemembered);
    QFETCH(bool, removeAnswer);
    QFETCH(QStringList, questions);
    if (okRemembered)
        CmnGetSystemSettings()->SetDontAskAgainResult(205, QMessageBox::Ok);
    CFamily family;
    family.ShowPedigreeOf(family.m_Bella);
    CBioRegThemedFormInterface *view = family.View();
    CTestMenuScope menus;
    menus.Choose(QStringLiteral("Remove Sire - Rex..."));
    CTestMessageBoxScope messages;
    if (!okRemembered)
        messages.Answer(removeAnswer ? QMessageBox::Ok : QMessageBox::Cancel);
    messages.Answer(QMessageBox::No);
    CBioFormViewBoxEvent event(kMenu, CellBox(*view->Pedigree(), 0, 1), QPoint(70, 80));

    QVERIFY(view->HandleBoxEvent(event.Get()));

    QStringList asked;
    for (const CCmnMessageBoxRequest &request : messages.Requests()) {
        if (request.m_Options.m_MessageId == 202) {
            QCOMPARE(request.m_Title, QStringLiteral("Remove Sire"));
            QVERIFY2(request.m_Text.contains(QStringLiteral("Sire removed.")), qPrintable(request.m_Text));
            QVERIFY2(request.m_Text.contains(
                         QStringLiteral("permanently delete the dog named 'Rex' from your data file?")),
                     qPrintable(request.m_Text));
            asked.append(QStringLiteral("deletion"));
        } else {
            QCOMPARE(request.m_Options.m_MessageId, 205);
            QCOMPARE(request.m_Title, QStringLiteral("Remove Sire"));
            QCOMPARE(request.m_Options.m_Position, QPoint(70, 80));
            QVERIFY(request.m_Options.m_InformativeText.contains(
                QStringLiteral("Note that when you remove a sire, this does not delete the record")));
            asked.append(request.m_Text);
        }
    }
    QCOMPARE(asked, questions);
    // No to the deletion: Rex stays in the file, unlinked.
    QCOMPARE(family.Record(family.m_Bella).m_Sire, removeAnswer ? 0 : family.m_Rex);
    QVERIFY(family.m_Fixture.m_Reg->GetBioRecord(family.m_Rex));
}

void TestBioRegAncestorCellCommands::displayShowsTheAncestorsPedigree()
{
    CFamily family;
    family.ShowPedigreeOf(family.m_Bella);
    CBioRegThemedFormInterface *view = family.View();
    CTestMenuScope menus;
    menus.Choose(QStringLiteral("Display Pedigree Of Sire - Rex"));
    CBioFormViewBoxEvent event(kMenu, CellBox(*view->Pedigree(), 0, 1));

    QVERIFY(view->HandleBoxEvent(event.Get()));

    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, family.m_Rex);
    QCOMPARE(view->PedigreeAllRecords().GetCurrentRecordId(), family.m_Rex);
}

void TestBioRegAncestorCellCommands::chartBoxesOpenCellSettings()
{
    CFamily family;
    family.ShowPedigreeOf(family.m_Bella);
    CBioRegThemedFormInterface *view = family.View();
    const QSharedPointer<CBioRegPedigree> pedigree = view->Pedigree();
    const qint32 panel = pedigree->Panels().first().m_BoxId;
    qint32 column = 0;
    for (qint32 id = 1; id < 400 && !column; ++id) {
        qint32 generation = -1;
        if (pedigree->FindGenerationBox(id, &generation, nullptr) && generation == 1)
            column = id;
    }
    QVERIFY(column > 0);
    CTestDialogRunnerScope dialogs;
    CTestMenuScope menus;
    CBioFormViewBoxEvent columnPress(kPress, column);
    CBioFormViewBoxEvent panelPress(kPress, panel);
    CBioFormViewBoxEvent columnMenu(kMenu, column);
    CBioFormViewBoxEvent panelMenu(kMenu, panel);

    QVERIFY(view->HandleBoxEvent(columnPress.Get()));
    QVERIFY(view->HandleBoxEvent(panelPress.Get()));
    QVERIFY(view->HandleBoxEvent(columnMenu.Get()));
    QVERIFY(view->HandleBoxEvent(panelMenu.Get()));

    QCOMPARE(dialogs.Titles(), (QStringList{"Ancestor Cell Settings - G2/4 Specific",
                                            "Ancestor Cell Settings - Default"}));
    QCOMPARE(menus.Runs().at(0).m_Entries.mid(0, 4), family.CellSettings(1));
    QCOMPARE(menus.Runs().at(1).m_Entries.mid(0, 3), family.CellSettings(1).mid(1));
}

QTEST_MAIN(TestBioRegAncestorCellCommands)
#include "tst_bioregancestorcellcommands.moc"
