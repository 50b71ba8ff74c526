#include "bioregthemedforminterface.h"

#include "bioformviewtesting.h"
#include "bioregcheckdialog.h"
#include "bioregcoversheetsettings.h"
#include "bioregancestrypanel.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpedigree.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "bioregrecordgeneraltab.h"
#include "bioregrecordtabdialog.h"
#include "bioregtrialmating.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnmessagesdialog.h"
#include "cmnpushbutton.h"
#include "cmnradiobutton.h"
#include "cmnregindexlistmodel.h"
#include "cmnregindexlistpanel.h"
#include "cmnsystemsettings.h"
#include "testdialogrunnerscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QAction>
#include <QListView>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>

#include <memory>

namespace {

const QString kCoverSheet = kBioFormViewCoverSheet;
const QString kPedigree = kBioFormViewPedigree;
const QString kTrialMating = kBioFormViewTrialMating;
using CFixture = CBioFormViewFixture;
using V = CBioRegThemedFormInterface;

// Selects the record's row as a click would.
void UserSelects(CCmnRegIndexListPanel &list, int recordId)
{
    for (int row = 0; row < list.Model()->rowCount(); ++row) {
        if (list.Model()->RecordIdAtRow(row) == recordId) {
            list.View()->selectionModel()->select(list.Model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
    QFAIL("no such row");
}

QString TextAsShown(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// The show flag each check box switches.
bool Flag(const V &view, V::ECheckBox which)
{
    switch (which) {
    case V::CoverSheetHasPic:
        return view.CoverSheetSettings()->m_ShowPicture;
    case V::PedigreeHasTitle:
        return view.PedigreeSettings()->m_ShowTitleBox;
    case V::PedigreeHasDetails:
        return view.PedigreeSettings()->m_ShowDetailsBox;
    case V::PedigreeHasPic:
        return view.PedigreeSettings()->m_ShowPictureBox;
    case V::TrialMatingHasTitle:
        return view.TrialMatingSettings()->m_ShowTitleBox;
    case V::TrialMatingHasSirePic:
        return view.TrialMatingSettings()->m_ShowSirePictureBox;
    case V::TrialMatingHasSireDetails:
        return view.TrialMatingSettings()->m_ShowSireDetailsBox;
    case V::TrialMatingHasDamPic:
        return view.TrialMatingSettings()->m_ShowDamPictureBox;
    case V::TrialMatingHasDamDetails:
        return view.TrialMatingSettings()->m_ShowDamDetailsBox;
    case V::CheckBoxCount:
        break;
    }
    return false;
}

} // namespace

class TestBioRegSidePanelSlots : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void listsCountTheirAnimals();
    void selectingADamMakesHerTheTrialDam();
    void findBoxMovesThePedigree();
    void doubleClickOpensTheSelectedRecord_data();
    void doubleClickOpensTheSelectedRecord();
    void generationsChoice();
    void untickingTitleRebuildsWithoutIt();
    void eachCheckBoxSwitchesItsOwnBox_data();
    void eachCheckBoxSwitchesItsOwnBox();
    void styleAndHighlightChoices();
    void highlightChoiceMarksTheChartInPlace();
    void slotsNeedTheirFormAndNoBlock();
    void newAnimalIsPresetAndRemembered_data();
    void newAnimalIsPresetAndRemembered();
    void deleteAsksAboutTheSubjectByName();
    void checkReportsWhatItFound_data();
    void checkReportsWhatItFound();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestBioRegSidePanelSlots::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
    CmnInitFramework(descriptor);
    CmnCreateSystemSettings();
}

void TestBioRegSidePanelSlots::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    BioCreateTerminology();
}

void TestBioRegSidePanelSlots::cleanup()
{
    m_Settings.reset();
}

void TestBioRegSidePanelSlots::listsCountTheirAnimals()
{
    CFixture fixture(5);
    V *view = fixture.View();
    QCOMPARE(view->PedigreeAllRecords().CountLabel()->text(), QStringLiteral("5 animals"));
    QCOMPARE(view->TrialMatingSires().CountLabel()->text(), QStringLiteral("3 sires"));
    QCOMPARE(view->TrialMatingDams().CountLabel()->text(), QStringLiteral("2 dams"));
    AddAnimal(*fixture.m_Reg, QStringLiteral("Newcomer"), 2);
    QCOMPARE(view->CoverSheetAllRecords().CountLabel()->text(), QStringLiteral("6 animals"));
    QCOMPARE(view->TrialMatingDams().CountLabel()->text(), QStringLiteral("3 dams"));
}

void TestBioRegSidePanelSlots::selectingADamMakesHerTheTrialDam()
{
    CFixture fixture(6);
    V *view = fixture.View();
    fixture.Show(kTrialMating);
    const qint32 sire = view->TrialMatingStickyState()->m_SireRecNo;
    UserSelects(view->TrialMatingDams(), 6);
    QCOMPARE(view->TrialMatingStickyState()->m_DamRecNo, 6);
    QCOMPARE(view->TrialMatingStickyState()->m_SireRecNo, sire);
    QCOMPARE(view->TrialMatingDams().GetCurrentRecordId(), 6);
}

void TestBioRegSidePanelSlots::findBoxMovesThePedigree()
{
    CFixture fixture;
    CBioReg &reg = *fixture.m_Reg;
    AddAnimal(reg, QStringLiteral("Abbot"), 1);
    const int bramble = AddAnimal(reg, QStringLiteral("Bramble"), 2);
    AddAnimal(reg, QStringLiteral("Brown"), 1);
    const int cedar = AddAnimal(reg, QStringLiteral("Cedar"), 1);
    V *view = fixture.View();
    fixture.Show(kPedigree);
    view->PedigreeAllRecords().FindBox()->setText(QStringLiteral("ce"));
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, cedar);
    view->PedigreeAllRecords().FindBox()->setText(QStringLiteral("Br"));
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, bramble);
    QCOMPARE(view->Pedigree()->SubjectRecNo(), bramble);
    view->PedigreeAllRecords().FindBox()->clear();
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, bramble);
    QCOMPARE(view->PedigreeAllRecords().GetCurrentRecordId(), bramble);
}

void TestBioRegSidePanelSlots::doubleClickOpensTheSelectedRecord_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("dams");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("title");
    QTest::newRow("nothing selected") << kTrialMating << true << 0 << QString();
    QTest::newRow("dam") << kTrialMating << true << 4 << QStringLiteral("Dam Details");
    QTest::newRow("sire") << kTrialMating << false << 5 << QStringLiteral("Sire Details");
    QTest::newRow("pedigree") << kPedigree << false << 3 << QStringLiteral("Animal Details");
}

// The selected row counts, not the clicked index; the record window is cancelled.
void TestBioRegSidePanelSlots::doubleClickOpensTheSelectedRecord()
{
    QFETCH(QString, kind);
    QFETCH(bool, dams);
    QFETCH(int, selected);
    QFETCH(QString, title);
    CFixture fixture(6);
    V *view = fixture.View();
    fixture.Show(kind);
    CCmnRegIndexListPanel &list =
        kind == kPedigree ? view->PedigreeAllRecords() : dams ? view->TrialMatingDams() : view->TrialMatingSires();
    if (selected) {
        UserSelects(list, selected);
    } else {
        // Quietly, or the list would take the remembered record back.
        const CCmnSlotBlocker blocker(view);
        list.View()->selectionModel()->clearSelection();
    }
    const qint32 damBefore = view->TrialMatingStickyState()->m_DamRecNo;
    CTestDialogRunnerScope windows;
    emit list.View()->doubleClicked(list.Model()->index(0, 0));
    QCOMPARE(windows.Titles(), title.isEmpty() ? QStringList() : QStringList{title});
    if (kind == kTrialMating)
        QCOMPARE(view->TrialMatingStickyState()->m_DamRecNo, dams && selected ? selected : damBefore);
}

void TestBioRegSidePanelSlots::generationsChoice()
{
    CFixture fixture(3);
    V *view = fixture.View();
    view->PedigreeSettings()->m_Generations = 4;
    fixture.Show(kPedigree);
    view->DesignModeCheckBox()->setChecked(true);
    QSignalSpy modified(view, &CCmnThemedFormInterface::SettingsModified);
    const auto form = view->Pedigree();
    // The item already shown, as a re-chosen item reaches the slot.
    view->Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_Gens(
        view->GenerationsCombo()->findData(4));
    QCOMPARE(modified.count(), 0);
    QCOMPARE(view->Pedigree(), form);

    view->GenerationsCombo()->setCurrentIndex(view->GenerationsCombo()->findData(6));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(view->PedigreeSettings()->m_Generations, 6);
    QVERIFY(view->Pedigree() != form);
    QVERIFY(!view->ButtonByRole(QStringLiteral("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties5"))->isHidden());
    // An index without an item gives one generation.
    view->Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_Gens(-1);
    QCOMPARE(view->PedigreeSettings()->m_Generations, 1);
    QCOMPARE(view->GenerationsCombo()->currentText(), QStringLiteral("1"));
}

void TestBioRegSidePanelSlots::untickingTitleRebuildsWithoutIt()
{
    CFixture fixture(3);
    V *view = fixture.View();
    fixture.Show(kPedigree);
    QVERIFY(view->Pedigree()->TitleBoxId() != 0);
    QSignalSpy modified(view, &CCmnThemedFormInterface::SettingsModified);
    view->CheckBox(V::PedigreeHasTitle)->setChecked(false);
    QCOMPARE(modified.count(), 1);
    QVERIFY(!view->PedigreeSettings()->m_ShowTitleBox);
    QCOMPARE(view->Pedigree()->TitleBoxId(), 0);
    view->CheckBox(V::PedigreeHasTitle)->setChecked(true);
    QCOMPARE(modified.count(), 2);
    QVERIFY(view->Pedigree()->TitleBoxId() != 0);
}

void TestBioRegSidePanelSlots::eachCheckBoxSwitchesItsOwnBox_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("which");
    QTest::newRow("cover photo") << kCoverSheet << int(V::CoverSheetHasPic);
    QTest::newRow("pedigree details") << kPedigree << int(V::PedigreeHasDetails);
    QTest::newRow("pedigree photo") << kPedigree << int(V::PedigreeHasPic);
    QTest::newRow("trial title") << kTrialMating << int(V::TrialMatingHasTitle);
    QTest::newRow("sire photo") << kTrialMating << int(V::TrialMatingHasSirePic);
    QTest::newRow("sire details") << kTrialMating << int(V::TrialMatingHasSireDetails);
    QTest::newRow("dam photo") << kTrialMating << int(V::TrialMatingHasDamPic);
    QTest::newRow("dam details") << kTrialMating << int(V::TrialMatingHasDamDetails);
}

void TestBioRegSidePanelSlots::eachCheckBoxSwitchesItsOwnBox()
{
    QFETCH(QString, kind);
    QFETCH(int, which);
    CFixture fixture(3);
    V *view = fixture.View();
    fixture.Show(kind);
    QList<bool> before;
    for (int box = 0; box < V::CheckBoxCount; ++box)
        before << Flag(*view, V::ECheckBox(box));
    QSignalSpy modified(view, &CCmnThemedFormInterface::SettingsModified);
    view->CheckBox(V::ECheckBox(which))->click();
    QCOMPARE(modified.count(), 1);
    for (int box = 0; box < V::CheckBoxCount; ++box)
        QCOMPARE(Flag(*view, V::ECheckBox(box)), box == which ? !before.at(box) : before.at(box));
    QCOMPARE(view->CheckBox(V::ECheckBox(which))->isChecked(), !before.at(which));
}

void TestBioRegSidePanelSlots::styleAndHighlightChoices()
{
    CFixture fixture(3);
    V *view = fixture.View();
    QSignalSpy modified(view, &CCmnThemedFormInterface::SettingsModified);
    fixture.Show(kCoverSheet);
    view->CoverSheetStyleCombo()->setCurrentIndex(0);
    QCOMPARE(view->CoverSheetSettings()->m_FoldStyle, 0);
    QCOMPARE(modified.count(), 1);

    fixture.Show(kTrialMating);
    const auto form = view->TrialMating();
    view->AncestorHighlightCombo()->setCurrentIndex(2);
    QCOMPARE(view->TrialMatingStickyState()->m_HighlightMode, 2);
    QCOMPARE(view->PedigreeStickyState()->m_HighlightMode, 0);
    // A remembered state, not a setting: refreshed in place, nothing to save.
    QCOMPARE(modified.count(), 1);
    QCOMPARE(view->TrialMating(), form);
    const QList<qint32> ids{BioAncestorHighlightChangeId(), BioPedigreeSubjectChangeId(),
                            BioCoverSheetSubjectChangeId(), BioTrialMatingParentChangeId(1),
                            BioTrialMatingParentChangeId(2)};
    QCOMPARE(QSet<qint32>(ids.begin(), ids.end()).size(), 5);
}

void TestBioRegSidePanelSlots::highlightChoiceMarksTheChartInPlace()
{
    // Rex sires both of Puppy's parents: he appears twice in Puppy's chart.
    CFixture fixture;
    const int rex = AddAnimal(*fixture.m_Reg, QStringLiteral("Rex"), 1);
    const int son = AddAnimal(*fixture.m_Reg, QStringLiteral("Son"), 1, rex);
    const int daughter = AddAnimal(*fixture.m_Reg, QStringLiteral("Daughter"), 2, rex);
    fixture.View()->PedigreeStickyState()->m_SubjectRecNo =
        AddAnimal(*fixture.m_Reg, QStringLiteral("Puppy"), 1, son, daughter);
    fixture.Show(kPedigree);
    V *view = fixture.View();
    const auto form = view->Pedigree();
    const CBioRegAncestryPanel &panel = *form->Panels().first().m_Panel;
    QCOMPARE(panel.HighlightColours().size(), 0);

    view->AncestorHighlightCombo()->setCurrentIndex(1);
    QCOMPARE(panel.HighlightColours().keys(), QList<qint32>{rex});
    QCOMPARE(view->Pedigree(), form);

    view->AncestorHighlightCombo()->setCurrentIndex(0);
    QCOMPARE(panel.HighlightColours().size(), 0);
}

void TestBioRegSidePanelSlots::slotsNeedTheirFormAndNoBlock()
{
    CFixture fixture(3);
    V *view = fixture.View();
    fixture.Show(kCoverSheet);
    CTestDialogRunnerScope windows;
    QSignalSpy modified(view, &CCmnThemedFormInterface::SettingsModified);
    view->ActionByRole(QStringLiteral("Pedigree_NewRecord"))->trigger();
    view->Slot_stateChanged_CheckBox_Pedigree_HasTitle(0);
    view->Slot_triggered_Pedigree_TitleBoxProperties();
    {
        const CCmnSlotBlocker blocker(view);
        view->Slot_triggered_CoverSheet_NewRecord();
        view->Slot_triggered_CoverSheet_TitleBoxProperties();
    }
    QCOMPARE(windows.Titles(), QStringList());
    QCOMPARE(modified.count(), 0);
    QVERIFY(view->PedigreeSettings()->m_ShowTitleBox);
    // Unblocked and with its form, the same command runs.
    view->Slot_triggered_CoverSheet_TitleBoxProperties();
    QCOMPARE(windows.Titles(), QStringList{QStringLiteral("Title Settings")});
}

void TestBioRegSidePanelSlots::newAnimalIsPresetAndRemembered_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("sex");
    QTest::newRow("pedigree") << kPedigree << QStringLiteral("Pedigree_NewRecord") << 0;
    QTest::newRow("cover sheet") << kCoverSheet << QStringLiteral("CoverSheet_NewRecord") << 0;
    QTest::newRow("sire") << kTrialMating << QStringLiteral("TrialMating_NewSireRecord") << 1;
    QTest::newRow("dam") << kTrialMating << QStringLiteral("TrialMating_NewDamRecord") << 2;
}

void TestBioRegSidePanelSlots::newAnimalIsPresetAndRemembered()
{
    QFETCH(QString, kind);
    QFETCH(QString, role);
    QFETCH(int, sex);
    CFixture fixture(4);
    V *view = fixture.View();
    fixture.Show(kind);
    const auto remembered = [view, &kind, sex] {
        if (kind == kPedigree)
            return view->PedigreeStickyState()->m_SubjectRecNo;
        if (kind == kCoverSheet)
            return view->CoverSheetStickyState()->m_SubjectRecNo;
        return sex == 1 ? view->TrialMatingStickyState()->m_SireRecNo : view->TrialMatingStickyState()->m_DamRecNo;
    };
    const qint32 before = remembered();
    CTestMessageBoxScope boxes;
    int shownSex = -1;
    bool sexFixed = false;
    bool accept = false;
    CTestDialogRunnerScope windows([&](QDialog &dialog) {
        auto *window = qobject_cast<CBioRegRecordTabDialog *>(&dialog);
        if (!window)
            return int(QDialog::Rejected);
        window->Prepare();
        CCmnComboBox *sexes = window->GeneralTab()->SexComboBox();
        shownSex = sexes->currentData().toInt();
        sexFixed = !sexes->isEnabled();
        // A known sex, so that no question about it comes up.
        if (!sexFixed)
            sexes->setCurrentIndex(sexes->findData(1));
        window->GeneralTab()->NameEdit()->setText(QStringLiteral("Smith & Jones <UK>"));
        if (accept)
            window->accept();
        else
            window->reject();
        return window->result();
    });
    // Cancelled: nothing added, nothing remembered.
    view->ActionByRole(role)->trigger();
    QCOMPARE(fixture.m_Reg->GetRecordCount(), 4);
    QCOMPARE(remembered(), before);

    accept = true;
    view->ActionByRole(role)->trigger();
    QCOMPARE(fixture.m_Reg->GetRecordCount(), 5);
    QCOMPARE(shownSex, sex);
    QCOMPARE(sexFixed, sex != 0);
    QCOMPARE(remembered(), 5);
    QCOMPARE(fixture.m_Reg->GetBioRecord(5)->GetName(), QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(boxes.Requests().size(), 0);
}

void TestBioRegSidePanelSlots::deleteAsksAboutTheSubjectByName()
{
    CFixture fixture(2);
    const int bob = AddAnimal(*fixture.m_Reg, QStringLiteral("Bob & <Sons>"), 1);
    V *view = fixture.View();
    fixture.Show(kPedigree);
    view->SetPedigreeSubject(bob);
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    view->ActionByRole(QStringLiteral("Pedigree_DeleteRecord"))->trigger();
    QCOMPARE(fixture.m_Reg->GetRecordCount(), 3);
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &asked = boxes.Requests().first();
    QCOMPARE(asked.m_Title, QStringLiteral("Delete Animal"));
    QCOMPARE(TextAsShown(asked.m_Text),
             QStringLiteral("Are you sure you want to permanently delete the animal named 'Bob & <Sons>' from your "
                            "data file?"));
    QCOMPARE(asked.m_Options.m_MessageId, 0);

    boxes.Answer(QMessageBox::Yes);
    view->ActionByRole(QStringLiteral("Pedigree_DeleteRecord"))->trigger();
    QCOMPARE(fixture.m_Reg->GetRecordCount(), 2);
    // The list's choice takes its place.
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, view->PedigreeAllRecords().GetCurrentRecordId());
    QVERIFY(view->PedigreeStickyState()->m_SubjectRecNo >= 1);

    // No subject: nothing is asked, even when triggered while disabled.
    view->PedigreeStickyState()->m_SubjectRecNo = 0;
    view->Slot_triggered_Pedigree_DeleteRecord();
    QCOMPARE(boxes.Requests().size(), 2);
}

void TestBioRegSidePanelSlots::checkReportsWhatItFound_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("faults");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("message");
    QTest::newRow("clean pedigree") << kPedigree << false << true << QString() << QStringLiteral("No errors found.");
    QTest::newRow("three findings") << kPedigree << true << true << QStringLiteral("3 issue(s) found:") << QString();
    QTest::newRow("cancelled") << kPedigree << true << false << QString() << QString();
    QTest::newRow("trial mating") << kTrialMating << false << true << QString()
                                  << QStringLiteral("No errors found.");
}

void TestBioRegSidePanelSlots::checkReportsWhatItFound()
{
    QFETCH(QString, kind);
    QFETCH(bool, faults);
    QFETCH(bool, accept);
    QFETCH(QString, header);
    QFETCH(QString, message);
    CFixture fixture;
    CBioReg &reg = *fixture.m_Reg;
    // Three sires in a line, each recorded as female.
    int above = AddAnimal(reg, QStringLiteral("G3"), faults ? 2 : 1);
    for (const char *name : {"G2", "G1"})
        above = AddAnimal(reg, QString::fromLatin1(name), faults ? 2 : 1, above);
    const int subject = AddAnimal(reg, QStringLiteral("Subject"), 1, above);
    V *view = fixture.View();
    fixture.Show(kind);
    view->SetPedigreeSubject(subject);
    CTestMessageBoxScope boxes;
    QString scope;
    QString shownHeader;
    QString findingsTitle;
    CTestDialogRunnerScope windows([&](QDialog &dialog) {
        if (auto *choices = qobject_cast<CBioRegCheckDialog *>(&dialog)) {
            scope = choices->WithinFormRadio()->text();
            return accept ? OrvAcceptDialog(dialog) : int(QDialog::Rejected);
        }
        if (auto *findings = qobject_cast<CCmnMessagesDialog *>(&dialog)) {
            shownHeader = findings->Header();
            findingsTitle = findings->windowTitle();
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });
    view->ActionByRole(kind == kPedigree ? QStringLiteral("Pedigree_CheckRecord")
                                         : QStringLiteral("TrialMating_CheckRecord"))
        ->trigger();
    QVERIFY2(scope.endsWith(kind == kPedigree ? QStringLiteral("this pedigree") : QStringLiteral("this trial mating")),
             qPrintable(scope));
    QCOMPARE(shownHeader, header);
    if (!header.isEmpty())
        QCOMPARE(findingsTitle, QStringLiteral("Error Check"));
    QCOMPARE(boxes.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(boxes.Requests().first().m_Title, QStringLiteral("Error Check"));
}

QTEST_MAIN(TestBioRegSidePanelSlots)
#include "tst_bioregsidepanelslots.moc"
