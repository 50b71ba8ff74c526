#include "bioregthemedforminterface.h"

#include "bioformviewtesting.h"
#include "bioregcoversheet.h"
#include "bioregcoversheetsettings.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpedigree.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "bioregtrialmating.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmnformbox.h"
#include "cmnframework.h"
#include "cmngeometrykeeper.h"
#include "cmnmessageboxbutton.h"
#include "cmnregindexlistpanel.h"
#include "cmnsystemsettings.h"
#include "testmenuscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "themedformtesting.h"

#include <QAction>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

constexpr qint32 kPress = CCmnFormBoxEvent::MousePress;
constexpr qint32 kMenu = CCmnFormBoxEvent::ContextMenu;

// The entries of a menu before the form's settings entries at its end.
QStringList OwnPart(QStringList entries, qsizetype count)
{
    return entries.mid(0, count);
}

} // namespace

class TestBioRegRecordBoxCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void coverSheetMenusWithoutSubject_data();
    void coverSheetMenusWithoutSubject();
    void pressesWithoutAnimalAreNotHandled_data();
    void pressesWithoutAnimalAreNotHandled();
    void photoEntrySaysWhetherThePhotoLoads_data();
    void photoEntrySaysWhetherThePhotoLoads();
    void mirroredEntryFollowsItsCommand();
    void namesReachMenusAsTyped();
    void chosenEditOpensTheAnimalWhereTheMenuWas();
    void flapPressOpensItsSettingsAtThePress();
    void menuCommandsRunAsFromTheSidePanel();
    void rememberedSelectOpensTheSelectionAtOnce();
    void tickedAnswerChangesThePlaceholder();
    void emptyRegisterAddsWithoutAsking();
    void cancelledNewFormChangesNothing();
    void trialTitlePressSetsAParent();
    void trialTitleAddsADamPresetFemale();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestBioRegRecordBoxCommands::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
    CmnInitFramework(descriptor);
    CmnCreateSystemSettings();
}

void TestBioRegRecordBoxCommands::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    BioCreateTerminology();
    BioTestUseWords({{kBioTermAnimal, QStringLiteral("Dog")}, {kBioTermSire, QStringLiteral("Sire")},
                     {kBioTermDam, QStringLiteral("Dam")}});
    CmnGetSystemSettings()->SetDontAskAgainResult(201, 0);
}

void TestBioRegRecordBoxCommands::cleanup()
{
    m_Settings.reset();
}

void TestBioRegRecordBoxCommands::coverSheetMenusWithoutSubject_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("settings");
    QTest::newRow("title") << "title" << "Title Settings...";
    QTest::newRow("reverse") << "reverse" << "Reverse (Back Page) Settings...";
    QTest::newRow("flap") << "flap" << "Inside Flap Settings...";
}

void TestBioRegRecordBoxCommands::coverSheetMenusWithoutSubject()
{
    QFETCH(QString, box);
    QFETCH(QString, settings);
    CBioFormViewFixture fixture;
    fixture.View()->CoverSheetSettings()->m_FoldStyle = 2;
    fixture.Show(kBioFormViewCoverSheet);
    const QSharedPointer<CBioRegCoverSheet> coverSheet = fixture.View()->CoverSheet();
    const qint32 id = box == "title" ? coverSheet->TitleId() : box == "reverse" ? coverSheet->ReverseId()
                                                                                : coverSheet->FlapId();
    CTestMenuScope menus;
    CBioFormViewBoxEvent event(kMenu, id);

    QVERIFY(fixture.View()->HandleBoxEvent(event.Get()));

    const QString sep = CTestMenuScope::Separator();
    QCOMPARE(OwnPart(menus.LastEntries(), 7),
             (QStringList{"New Dog...", sep, "Delete This Dog...", sep, "Check This Dog...", sep, settings}));
    QCOMPARE(menus.LastEntries().last(),
             fixture.View()->PropsAction(CCmnThemedFormInterface::PropsDefault)->text());
}

void TestBioRegRecordBoxCommands::pressesWithoutAnimalAreNotHandled_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("box");
    QTest::newRow("cover flap") << kBioFormViewCoverSheet << "flap";
    QTest::newRow("cover reverse") << kBioFormViewCoverSheet << "reverse";
    QTest::newRow("cover photo") << kBioFormViewCoverSheet << "photo";
    QTest::newRow("pedigree details") << kBioFormViewPedigree << "details";
    QTest::newRow("pedigree photo") << kBioFormViewPedigree << "photo";
    QTest::newRow("sire details") << kBioFormViewTrialMating << "sire details";
    QTest::newRow("dam photo") << kBioFormViewTrialMating << "dam photo";
}

void TestBioRegRecordBoxCommands::pressesWithoutAnimalAreNotHandled()
{
    QFETCH(QString, kind);
    QFETCH(QString, box);
    CBioFormViewFixture fixture;
    fixture.View()->CoverSheetSettings()->m_FoldStyle = 2;
    fixture.ShowEveryTrialMatingBox();
    fixture.Show(kind);
    CBioRegThemedFormInterface *view = fixture.View();
    qint32 id = 0;
    bool (CBioRegThemedFormInterface::*handler)(CCmnFormBoxEvent *) = nullptr;
    if (kind == kBioFormViewCoverSheet) {
        const auto &form = view->CoverSheet();
        id = box == "flap" ? form->FlapId() : box == "reverse" ? form->ReverseId() : form->PictureId();
        handler = box == "flap"      ? &CBioRegThemedFormInterface::HandleCoverSheetFlapBoxEvent
                  : box == "reverse" ? &CBioRegThemedFormInterface::HandleCoverSheetReverseBoxEvent
                                     : &CBioRegThemedFormInterface::HandleCoverSheetPicBoxEvent;
    } else if (kind == kBioFormViewPedigree) {
        id = box == "details" ? view->Pedigree()->DetailsBoxId() : view->Pedigree()->PictureBoxId();
        handler = box == "details" ? &CBioRegThemedFormInterface::HandlePedigreeDetailsBoxEvent
                                   : &CBioRegThemedFormInterface::HandlePedigreePicBoxEvent;
    } else {
        id = box == "sire details" ? view->TrialMating()->SireDetailsBoxId() : view->TrialMating()->DamPictureBoxId();
        handler = box == "sire details" ? &CBioRegThemedFormInterface::HandleTrialMatingSireDetailsBoxEvent
                                        : &CBioRegThemedFormInterface::HandleTrialMatingDamPicBoxEvent;
    }
    QVERIFY(id > 0);
    CTestMenuScope menus;
    CBioFormViewWindows windows;
    CTestMessageBoxScope messages;
    CBioFormViewBoxEvent press(kPress, id);
    // Neither a press nor a menu request.
    CBioFormViewBoxEvent other(kMenu, id);
    other.Get()->m_Kind = 2;

    QVERIFY(!(view->*handler)(press.Get()));
    QVERIFY(!(view->*handler)(other.Get()));

    QCOMPARE(windows.m_Shown.size(), 0);
    QCOMPARE(messages.Requests().size(), 0);
    QCOMPARE(menus.Runs().size(), 0);
}

void TestBioRegRecordBoxCommands::photoEntrySaysWhetherThePhotoLoads_data()
{
    QTest::addColumn<QString>("photo");
    QTest::addColumn<QString>("entry");
    QTest::newRow("none") << "" << "Set Photo For Rex...";
    QTest::newRow("unreadable") << "not an image" << "Set Photo For Rex...";
    QTest::newRow("loads") << "png" << "Update Photo For Rex...";
}

void TestBioRegRecordBoxCommands::photoEntrySaysWhetherThePhotoLoads()
{
    QFETCH(QString, photo);
    QFETCH(QString, entry);
    CBioFormViewFixture fixture;
    const int rex = AddAnimal(*fixture.m_Reg, QStringLiteral("Rex"), 1);
    ReplaceWith(*fixture.m_Reg, rex, [&photo](CBioRegRecord &record) {
        if (photo == "png") {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::red);
            record.m_Photo = OrvTestPicture(image);
        } else if (!photo.isEmpty()) {
            record.m_Photo.SetImageBytes(photo.toLatin1());
        }
    });
    fixture.Show(kBioFormViewPedigree);
    CTestMenuScope menus;
    CBioFormViewBoxEvent event(kMenu, fixture.View()->Pedigree()->PictureBoxId());

    QVERIFY(fixture.View()->HandleBoxEvent(event.Get()));

    const QString sep = CTestMenuScope::Separator();
    QCOMPARE(OwnPart(menus.LastEntries(), 7),
             (QStringList{entry, fixture.View()->ActionByRole("Pedigree_NewRecord")->text(),
                          fixture.View()->ActionByRole("Pedigree_DeleteRecord")->text(), sep,
                          fixture.View()->ActionByRole("Pedigree_CheckRecord")->text(), sep,
                          fixture.View()->ActionByRole("Pedigree_PicBoxProperties")->text()}));
}

void TestBioRegRecordBoxCommands::mirroredEntryFollowsItsCommand()
{
    CBioFormViewFixture fixture(2);
    fixture.Show(kBioFormViewCoverSheet);
    fixture.View()->ActionByRole("CoverSheet_DeleteRecord")->setEnabled(false);
    QStringList enabled;
    const TCmnMenuRunner previous = CmnSetMenuRunner([&enabled](CCmnMenu &menu, const std::optional<QPoint> &) {
        for (const QAction *action : menu.actions()) {
            if (!action->isSeparator() && action->isEnabled())
                enabled.append(action->text());
        }
        return static_cast<QAction *>(nullptr);
    });
    CBioFormViewBoxEvent event(kMenu, fixture.View()->CoverSheet()->TitleId());

    QVERIFY(fixture.View()->HandleBoxEvent(event.Get()));
    CmnSetMenuRunner(previous);

    QVERIFY(enabled.contains(QStringLiteral("New Dog...")));
    QVERIFY(!enabled.contains(QStringLiteral("Delete This Dog...")));
}

void TestBioRegRecordBoxCommands::namesReachMenusAsTyped()
{
    CBioFormViewFixture fixture;
    const int bob = AddAnimal(*fixture.m_Reg, QStringLiteral("Bob & <Sons>"), 1);
    const int dam = AddAnimal(*fixture.m_Reg, QStringLiteral("\"Lady\" O'Hara"), 2);
    fixture.View()->TrialMatingStickyState()->m_SireRecNo = bob;
    fixture.View()->TrialMatingStickyState()->m_DamRecNo = dam;
    fixture.ShowEveryTrialMatingBox();
    fixture.Show(kBioFormViewTrialMating);
    CTestMenuScope menus;
    CBioFormViewBoxEvent title(kMenu, fixture.View()->TrialMating()->TitleBoxId());
    CBioFormViewBoxEvent photo(kMenu, fixture.View()->TrialMating()->SirePictureBoxId());

    QVERIFY(fixture.View()->HandleBoxEvent(title.Get()));
    QVERIFY(fixture.View()->HandleBoxEvent(photo.Get()));

    // "&&" shows as one "&" and marks no mnemonic.
    const QString sep = CTestMenuScope::Separator();
    QCOMPARE(OwnPart(menus.Runs().at(0).m_Entries, 9),
             (QStringList{"Edit Sire - Bob && <Sons>...", "New Sire...", sep, "Edit Dam - \"Lady\" O'Hara...",
                          "New Dam...", sep, "Check For Errors...", sep, "Title Settings..."}));
    QCOMPARE(menus.Runs().at(1).m_Entries.first(), QStringLiteral("Set Photo For Sire - Bob && <Sons>..."));
}

void TestBioRegRecordBoxCommands::chosenEditOpensTheAnimalWhereTheMenuWas()
{
    CBioFormViewFixture fixture;
    const int rex = AddAnimal(*fixture.m_Reg, QStringLiteral("Rex"), 1);
    fixture.View()->PedigreeStickyState()->m_SubjectRecNo = rex;
    fixture.Show(kBioFormViewPedigree);
    CTestMenuScope menus;
    menus.Choose(QStringLiteral("Edit Rex..."));
    menus.Choose(QStringLiteral("Set Photo For Rex..."));
    CBioFormViewWindows windows;
    CBioFormViewBoxEvent details(kMenu, fixture.View()->Pedigree()->DetailsBoxId());
    CBioFormViewBoxEvent photo(kMenu, fixture.View()->Pedigree()->PictureBoxId());

    QVERIFY(fixture.View()->HandleBoxEvent(details.Get()));
    QVERIFY(fixture.View()->HandleBoxEvent(photo.Get()));

    QCOMPARE(windows.m_Shown.size(), 2);
    QCOMPARE(windows.m_Shown.at(0).m_Title, QStringLiteral("Dog Details"));
    QCOMPARE(windows.m_Shown.at(0).m_Tab, QStringLiteral("General"));
    QCOMPARE(windows.m_Shown.at(1).m_Tab, QStringLiteral("Photo"));
    QCOMPARE(fixture.m_Reg->GetBioRecord(rex)->m_Name, QStringLiteral("Rex"));
}

void TestBioRegRecordBoxCommands::flapPressOpensItsSettingsAtThePress()
{
    CBioFormViewFixture fixture(2);
    fixture.View()->CoverSheetSettings()->m_FoldStyle = 2;
    fixture.Show(kBioFormViewCoverSheet);
    CTestDialogRunnerScope dialogs;
    CBioFormViewBoxEvent press(kPress, fixture.View()->CoverSheet()->FlapId());

    QVERIFY(fixture.View()->HandleBoxEvent(press.Get()));

    QCOMPARE(dialogs.Titles(), QStringList{QStringLiteral("Inside Flap Settings")});
}

void TestBioRegRecordBoxCommands::menuCommandsRunAsFromTheSidePanel()
{
    CBioFormViewFixture fixture(2);
    fixture.Show(kBioFormViewPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    const qint32 title = view->Pedigree()->TitleBoxId();
    CTestMenuScope menus;
    menus.Choose(QStringLiteral("Title Settings..."));
    menus.Choose(QStringLiteral("New Dog..."));
    const QPoint position(260, 180);
    bool placed = false;
    QStringList titles;
    CBioFormViewWindows windows;
    windows.Type(QStringLiteral("Smith & Jones <UK>"), 1);
    {
        // The settings dialog stands where the menu was.
        CTestDialogRunnerScope dialogs([&](QDialog &dialog) {
            const QRect geometry = dialog.geometry();
            CCmnGeometryKeeper().SetAnchor(CCmnGeometryKeeper::AnchorCentre, position).Restore(&dialog);
            placed = dialog.geometry() == geometry;
            return int(QDialog::Rejected);
        });
        CBioFormViewBoxEvent settings(kMenu, title, position);
        QVERIFY(view->HandleBoxEvent(settings.Get()));
        titles = dialogs.Titles();
    }
    CBioFormViewBoxEvent newDog(kMenu, title, position);

    QVERIFY(view->HandleBoxEvent(newDog.Get()));

    QCOMPARE(titles, QStringList{QStringLiteral("Title Settings")});
    QVERIFY(placed);
    QCOMPARE(windows.m_Shown.size(), 1);
    QCOMPARE(windows.m_Shown.first().m_Title, QStringLiteral("New Dog"));
    const int added = view->PedigreeStickyState()->m_SubjectRecNo;
    QCOMPARE(fixture.m_Reg->RecordDisplayName(added), QStringLiteral("Smith & Jones <UK>"));
    // The list follows once the menu's command is done.
    QCOMPARE(view->PedigreeAllRecords().GetCurrentRecordId(), added);
}

void TestBioRegRecordBoxCommands::rememberedSelectOpensTheSelectionAtOnce()
{
    CmnGetSystemSettings()->SetDontAskAgainResult(201, QMessageBox::Yes);
    CBioFormViewFixture fixture(3);
    fixture.Show(kBioFormViewPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    // Behind the lists' back: they would show their first animal at once.
    view->PedigreeStickyState()->m_SubjectRecNo = 0;
    const QSharedPointer<CBioRegPedigree> pedigree = view->Pedigree();
    QCOMPARE(pedigree->GetBox(pedigree->TitleBoxId())->ToolTip(), QStringLiteral("Click to select a dog"));
    CTestMessageBoxScope messages;
    CBioFormViewWindows windows;
    windows.Choose(3);
    CBioFormViewBoxEvent press(kPress, pedigree->TitleBoxId());

    QVERIFY(view->HandleBoxEvent(press.Get()));

    QCOMPARE(messages.Requests().size(), 0);
    QCOMPARE(windows.m_Shown.size(), 1);
    QCOMPARE(windows.m_Shown.first().m_Title, QStringLiteral("Select Dog"));
    QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, 3);
    // The list follows once the press is handled.
    QCOMPARE(view->PedigreeAllRecords().GetCurrentRecordId(), 3);
}

void TestBioRegRecordBoxCommands::tickedAnswerChangesThePlaceholder()
{
    CBioFormViewFixture fixture(3);
    fixture.Show(kBioFormViewCoverSheet);
    CBioRegThemedFormInterface *view = fixture.View();
    view->CoverSheetStickyState()->m_SubjectRecNo = 0;
    const QSharedPointer<CBioRegCoverSheet> coverSheet = view->CoverSheet();
    QCOMPARE(coverSheet->GetBox(coverSheet->TitleId())->ToolTip(), QStringLiteral("Click to start a new cover sheet"));
    CTestMessageBoxScope messages;
    messages.AnswerWithText(QStringLiteral("Add New Dog"), true);
    CBioFormViewWindows windows;
    windows.Type(QStringLiteral("Smith & Jones <UK>"), 1);
    CBioFormViewBoxEvent press(kPress, coverSheet->TitleId(), QPoint(150, 90));

    QVERIFY(view->HandleBoxEvent(press.Get()));

    QCOMPARE(messages.Requests().size(), 1);
    const CCmnMessageBoxRequest &question = messages.Requests().first();
    QCOMPARE(question.m_Title, QStringLiteral("New Cover Sheet"));
    QCOMPARE(question.m_Text, QStringLiteral("Do you want to select the cover sheet for an existing dog in your file, "
                                             "or do you want to add a new dog?"));
    QCOMPARE(question.m_Options.m_MessageId, 201);
    QCOMPARE(question.m_Options.m_Position, QPoint(150, 90));
    QCOMPARE(BioFormViewButtonTexts(question).mid(0, 2), (QStringList{"Select Existing Dog", "Add New Dog"}));
    QCOMPARE(coverSheet->GetBox(coverSheet->TitleId())->ToolTip(), QStringLiteral("Click to add a new dog"));
    QCOMPARE(windows.m_Shown.first().m_Title, QStringLiteral("New Dog"));
    QCOMPARE(fixture.m_Reg->RecordDisplayName(view->CoverSheetStickyState()->m_SubjectRecNo),
             QStringLiteral("Smith & Jones <UK>"));
    // The pedigree's question shares the remembered answer.
    fixture.Show(kBioFormViewPedigree);
    view->PedigreeStickyState()->m_SubjectRecNo = 0;
    windows.Type(QStringLiteral("Second"), 2);
    CBioFormViewBoxEvent pedigreePress(kPress, view->Pedigree()->TitleBoxId());
    QVERIFY(view->HandleBoxEvent(pedigreePress.Get()));
    QCOMPARE(messages.Requests().size(), 1);
    QCOMPARE(fixture.m_Reg->RecordDisplayName(view->PedigreeStickyState()->m_SubjectRecNo), QStringLiteral("Second"));
}

void TestBioRegRecordBoxCommands::emptyRegisterAddsWithoutAsking()
{
    CBioFormViewFixture fixture;
    fixture.Show(kBioFormViewCoverSheet);
    CTestMessageBoxScope messages;
    CBioFormViewWindows windows;
    windows.Type(QStringLiteral("First"), 2);
    CBioFormViewBoxEvent press(kPress, fixture.View()->CoverSheet()->TitleId());

    QVERIFY(fixture.View()->HandleBoxEvent(press.Get()));

    QCOMPARE(messages.Texts(), QStringList());
    QCOMPARE(windows.m_Shown.size(), 1);
    QCOMPARE(windows.m_Shown.first().m_Title, QStringLiteral("New Dog"));
    QCOMPARE(fixture.View()->CoverSheetStickyState()->m_SubjectRecNo, 1);
}

void TestBioRegRecordBoxCommands::cancelledNewFormChangesNothing()
{
    CBioFormViewFixture fixture(3);
    fixture.Show(kBioFormViewPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    CTestMessageBoxScope messages;
    messages.Answer(QMessageBox::Cancel);
    messages.AnswerWithText(QStringLiteral("Select Existing Dog"));
    messages.AnswerWithText(QStringLiteral("Add New Dog"));
    CBioFormViewWindows windows;
    CBioFormViewBoxEvent press(kPress, view->Pedigree()->TitleBoxId());

    // Cancel at the question, then in the selection, then in the new animal.
    for (int i = 0; i < 3; ++i) {
        view->PedigreeStickyState()->m_SubjectRecNo = 0;
        QVERIFY(view->HandleBoxEvent(press.Get()));
        // Nothing chosen: the pedigree shows the list's animal again.
        QCOMPARE(view->PedigreeStickyState()->m_SubjectRecNo, view->PedigreeAllRecords().GetCurrentRecordId());
    }

    QCOMPARE(messages.Requests().size(), 3);
    QCOMPARE(windows.m_Shown.size(), 2);
    QCOMPARE(fixture.m_Reg->GetRecordCount(), 3);
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(201), 0);
}

void TestBioRegRecordBoxCommands::trialTitlePressSetsAParent()
{
    CBioFormViewFixture fixture(6);
    fixture.View()->TrialMatingStickyState()->m_SireRecNo = 3;
    fixture.Show(kBioFormViewTrialMating);
    CBioRegThemedFormInterface *view = fixture.View();
    CTestMessageBoxScope messages;
    messages.AnswerWithText(QStringLiteral("Select Sire"));
    CBioFormViewWindows windows;
    windows.Choose(5);
    CBioFormViewBoxEvent press(kPress, view->TrialMating()->TitleBoxId());

    QVERIFY(view->HandleBoxEvent(press.Get()));

    const CCmnMessageBoxRequest &question = messages.Requests().first();
    QCOMPARE(question.m_Title, QStringLiteral("Set Trial Mating Parents"));
    QCOMPARE(question.m_Options.m_MessageId, 0);
    QCOMPARE(BioFormViewButtonTexts(question), (QStringList{"Select Sire", "Add New Sire", "Select Dam", "Add New Dam",
                                                 "Cancel"}));
    QCOMPARE(windows.m_Shown.first().m_Current, 3);
    QCOMPARE(windows.m_Shown.first().m_SexFilter, 1);
    QCOMPARE(view->TrialMatingStickyState()->m_SireRecNo, 5);
    QCOMPARE(view->TrialMatingSires().GetCurrentRecordId(), 5);
}

void TestBioRegRecordBoxCommands::trialTitleAddsADamPresetFemale()
{
    CBioFormViewFixture fixture(2);
    fixture.Show(kBioFormViewTrialMating);
    CBioRegThemedFormInterface *view = fixture.View();
    CTestMessageBoxScope messages;
    messages.AnswerWithText(QStringLiteral("Add New Dam"));
    messages.Answer(QMessageBox::Cancel);
    CBioFormViewWindows windows;
    windows.Type(QStringLiteral("Daisy"));
    CBioFormViewBoxEvent press(kPress, view->TrialMating()->TitleBoxId());

    QVERIFY(view->HandleBoxEvent(press.Get()));
    // A cancelled question changes nothing.
    QVERIFY(view->HandleBoxEvent(press.Get()));

    QCOMPARE(windows.m_Shown.size(), 1);
    QCOMPARE(windows.m_Shown.first().m_Sex, 2);
    const int daisy = view->TrialMatingStickyState()->m_DamRecNo;
    QCOMPARE(fixture.m_Reg->GetBioRecord(daisy)->m_Name, QStringLiteral("Daisy"));
    QCOMPARE(fixture.m_Reg->GetBioRecord(daisy)->m_Sex, 2);
}

QTEST_MAIN(TestBioRegRecordBoxCommands)
#include "tst_bioregrecordboxcommands.moc"
