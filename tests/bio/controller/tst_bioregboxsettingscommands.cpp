#include "bioregthemedforminterface.h"

#include "bioformviewtesting.h"
#include "bioregancestrypanel.h"
#include "bioregcoversheet.h"
#include "bioregcoversheetsettings.h"
#include "bioregpedigree.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregthemedformwithancestrypanels.h"
#include "bioterminology.h"
#include "biothemedformwithancestrypanelscelldata.h"
#include "cmnappdescriptor.h"
#include "cmnformbox.h"
#include "cmnformboxpropertiespanel.h"
#include "cmnformboxpropertiestab.h"
#include "cmnframework.h"
#include "cmngeometrykeeper.h"
#include "cmndialog.h"
#include "cmnpicctrl.h"
#include "cmnpushbutton.h"
#include "cmnsystemsettings.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericpropertiestabsmixin.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QDataStream>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using TLauncher = std::function<bool(CBioRegThemedFormInterface &, const QPoint &)>;

// Every launcher, by a name the test tables use.
TLauncher Launcher(const QString &name)
{
    using V = CBioRegThemedFormInterface;
    const QHash<QString, TLauncher> launchers{
        {"cover title", &V::EditCoverSheetTitleSettings},
        {"cover reverse", &V::EditCoverSheetReverseSettings},
        {"cover flap", &V::EditCoverSheetFlapSettings},
        {"cover photo", &V::EditCoverSheetPicSettings},
        {"pedigree title", &V::EditPedigreeTitleSettings},
        {"pedigree details", &V::EditPedigreeDetailsSettings},
        {"pedigree photo", &V::EditPedigreePicSettings},
        {"trial title", &V::EditTrialMatingTitleSettings},
        {"sire details", &V::EditTrialMatingSireDetailsSettings},
        {"dam details", &V::EditTrialMatingDamDetailsSettings},
        {"sire photo", &V::EditTrialMatingSirePicSettings},
        {"dam photo", &V::EditTrialMatingDamPicSettings},
        {"ancestors box", &V::EditAncestorsBoxSettings},
        {"cell defaults", &V::EditAncestorCellDefaultSettings},
        {"chart size", &V::EditAncestorCellGensSettings},
        {"generation 2", [](V &view, const QPoint &at) { return view.EditAncestorCellGenOfGensSettings(at, 2); }},
    };
    return launchers.value(name);
}

QByteArray ThemeBytes(const CCmnTheme &theme)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    theme.Write(out);
    return bytes;
}

CCmnThemedFormBoxGenericData &DataOf(CCmnTheme &theme, const QString &name)
{
    return static_cast<CCmnThemedFormBoxGenericDataElt *>(theme.GetEltForWrite(name, BioGetDefaultTheme()))
        ->m_Payload;
}

CBioThemedFormWithAncestryPanelsCellData &CellTexts(CCmnTheme &theme, const QString &name)
{
    return static_cast<CBioThemedFormWithAncestryPanelsCellDataElt *>(
               theme.GetEltForWrite(name, BioGetDefaultTheme()))
        ->m_Payload;
}

// The text shown in the chart's first cell of the generation: the sires' line.
QString CellText(const CBioRegThemedFormWithAncestryPanels &form, qint32 generation)
{
    const CBioRegAncestryPanel &panel = *form.Panels().first().m_Panel;
    for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(panel.Generations()); ++p) {
        if (panel.Cell(p)->m_Generation == generation)
            return form.GetBox(panel.Cell(p)->m_BoxId)->Text();
    }
    return QString();
}

} // namespace

class TestBioRegBoxSettingsCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void launchersOpenTheirBoxDialog_data();
    void launchersOpenTheirBoxDialog();
    void acceptedDialogAppliesEvenUnchanged_data();
    void acceptedDialogAppliesEvenUnchanged();
    void cellLaunchersRethemeWhatTheyConcern_data();
    void cellLaunchersRethemeWhatTheyConcern();
    void ancestorsBoxPhotoWarnsOfCroppingUntilSilenced();
    void launcherWithoutItsFormDoesNothing();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestBioRegBoxSettingsCommands::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
    CmnInitFramework(descriptor);
    CmnCreateSystemSettings();
}

void TestBioRegBoxSettingsCommands::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    BioCreateTerminology();
}

void TestBioRegBoxSettingsCommands::cleanup()
{
    m_Settings.reset();
}

void TestBioRegBoxSettingsCommands::launchersOpenTheirBoxDialog_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("title");
    QTest::newRow("cover title") << kBioFormViewCoverSheet << "cover title"
                                 << "CBioRegCoverSheetTitleBoxPropertiesDialog" << "Title Settings";
    QTest::newRow("cover reverse") << kBioFormViewCoverSheet << "cover reverse"
                                   << "CBioRegCoverSheetReverseBoxPropertiesDialog" << "Reverse (Back Page) Settings";
    QTest::newRow("cover flap") << kBioFormViewCoverSheet << "cover flap" << "CBioRegCoverSheetFlapBoxPropertiesDialog"
                                << "Inside Flap Settings";
    QTest::newRow("cover photo") << kBioFormViewCoverSheet << "cover photo"
                                 << "CBioRegThemedFormIndividualPicBoxPropertiesDialog" << "Photo Settings";
    QTest::newRow("pedigree title") << kBioFormViewPedigree << "pedigree title"
                                    << "CBioRegPedigreeTitleBoxPropertiesDialog" << "Title Settings";
    QTest::newRow("pedigree details") << kBioFormViewPedigree << "pedigree details"
                                      << "CBioRegPedigreeDetailsBoxPropertiesDialog" << "Details Settings";
    QTest::newRow("pedigree photo") << kBioFormViewPedigree << "pedigree photo"
                                    << "CBioRegThemedFormIndividualPicBoxPropertiesDialog" << "Photo Settings";
    QTest::newRow("trial title") << kBioFormViewTrialMating << "trial title"
                                 << "CBioRegTrialMatingTitleBoxPropertiesDialog" << "Title Settings";
    // The parents' words come from the terminology.
    QTest::newRow("sire details") << kBioFormViewTrialMating << "sire details"
                                  << "CBioRegTrialMatingSireDetailsBoxPropertiesDialog" << "Stud Details Settings";
    QTest::newRow("dam details") << kBioFormViewTrialMating << "dam details"
                                 << "CBioRegTrialMatingDamDetailsBoxPropertiesDialog" << "Queen Details Settings";
    QTest::newRow("sire photo") << kBioFormViewTrialMating << "sire photo"
                                << "CBioRegThemedFormIndividualPicBoxPropertiesDialog" << "Stud Photo Settings";
    QTest::newRow("dam photo") << kBioFormViewTrialMating << "dam photo"
                               << "CBioRegThemedFormIndividualPicBoxPropertiesDialog" << "Queen Photo Settings";
    QTest::newRow("ancestors box") << kBioFormViewTrialMating << "ancestors box"
                                   << "CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog"
                                   << "Ancestors Box Settings";
    // The cell dialogs keep the titles they give themselves.
    QTest::newRow("cell defaults") << kBioFormViewPedigree << "cell defaults"
                                   << "CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog"
                                   << "Ancestor Cell Settings - Default";
    QTest::newRow("chart size") << kBioFormViewPedigree << "chart size"
                                << "CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog"
                                << "Ancestor Cell Settings - 5G Specific";
    QTest::newRow("generation 2") << kBioFormViewPedigree << "generation 2"
                                  << "CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog"
                                  << "Ancestor Cell Settings - G3/5 Specific";
}

void TestBioRegBoxSettingsCommands::launchersOpenTheirBoxDialog()
{
    QFETCH(QString, kind);
    QFETCH(QString, launcher);
    QFETCH(QString, dialogClass);
    QFETCH(QString, title);
    BioTestUseWords({{kBioTermSire, QStringLiteral("Stud")}, {kBioTermDam, QStringLiteral("Queen")}});
    CBioFormViewFixture fixture(4);
    fixture.View()->PedigreeSettings()->m_Generations = 5;
    fixture.Show(kind);
    QSignalSpy modified(fixture.View(), &CCmnThemedFormInterface::SettingsModified);
    const CCmnTheme before = fixture.m_Themes->m_BaseTheme;
    const QPoint position(320, 240);
    QString opened;
    bool placed = false;
    CTestDialogRunnerScope dialogs([&](QDialog &dialog) {
        opened = QString::fromLatin1(dialog.metaObject()->className());
        // Where a keeper centred on the point puts the dialog is where it stands.
        const QRect geometry = dialog.geometry();
        CCmnGeometryKeeper().SetAnchor(CCmnGeometryKeeper::AnchorCentre, position).Restore(&dialog);
        placed = dialog.geometry() == geometry;
        return int(QDialog::Rejected);
    });

    QVERIFY(Launcher(launcher)(*fixture.View(), position));

    QCOMPARE(opened, dialogClass);
    QCOMPARE(dialogs.Titles(), QStringList{title});
    QVERIFY(placed);
    // Cancelled: the theme and the document stay as they were.
    QCOMPARE(modified.count(), 0);
    QCOMPARE(ThemeBytes(fixture.m_Themes->m_BaseTheme), ThemeBytes(before));
}

void TestBioRegBoxSettingsCommands::acceptedDialogAppliesEvenUnchanged_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestBioRegBoxSettingsCommands::acceptedDialogAppliesEvenUnchanged()
{
    QFETCH(bool, accept);
    CBioFormViewFixture fixture(2);
    // Folded twice: the cover sheet has an inside flap.
    fixture.View()->CoverSheetSettings()->m_FoldStyle = 2;
    fixture.Show(kBioFormViewCoverSheet);
    CBioRegThemedFormInterface *view = fixture.View();
    const QSharedPointer<CBioRegCoverSheet> coverSheet = view->CoverSheet();
    QVERIFY(coverSheet);
    QVERIFY(coverSheet->GetBox(coverSheet->FlapId()));
    // Written behind the form's back: only a re-application shows it.
    const QString written = QStringLiteral("Bred by the Long Meadow kennels");
    DataOf(fixture.m_Themes->m_BaseTheme, QStringLiteral("COVERSHEET-FLAP-DATA")).SetText(written, false);
    QVERIFY(!coverSheet->GetBox(coverSheet->FlapId())->Text().contains(written));
    QSignalSpy modified(view, &CCmnThemedFormInterface::SettingsModified);
    CTestDialogRunnerScope dialogs([accept](QDialog &dialog) {
        return accept ? OrvAcceptDialog(dialog) : int(QDialog::Rejected);
    });

    QVERIFY(view->EditCoverSheetFlapSettings(QPoint(-1, -1)));

    QCOMPARE(dialogs.Titles(), QStringList{QStringLiteral("Inside Flap Settings")});
    QCOMPARE(modified.count(), accept ? 1 : 0);
    QCOMPARE(coverSheet->GetBox(coverSheet->FlapId())->Text().contains(written), accept);
    QCOMPARE(view->CoverSheet(), coverSheet);
}

void TestBioRegBoxSettingsCommands::cellLaunchersRethemeWhatTheyConcern_data()
{
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<bool>("rebuilt");
    QTest::addColumn<bool>("generation1Rethemed");
    QTest::newRow("cell defaults: every generation") << "cell defaults" << false << true;
    QTest::newRow("chart size: built again") << "chart size" << true << true;
    QTest::newRow("generation 2 only") << "generation 2" << false << false;
}

void TestBioRegBoxSettingsCommands::cellLaunchersRethemeWhatTheyConcern()
{
    QFETCH(QString, launcher);
    QFETCH(bool, rebuilt);
    QFETCH(bool, generation1Rethemed);
    CBioFormViewFixture fixture;
    // Sires back to the third column.
    int sire = 0;
    for (const char *name : {"Great-Grandsire", "Grandsire", "Sire"})
        sire = AddAnimal(*fixture.m_Reg, QString::fromLatin1(name), 1, sire);
    const int child = AddAnimal(*fixture.m_Reg, QStringLiteral("Child"), 2, sire);
    fixture.View()->PedigreeStickyState()->m_SubjectRecNo = child;
    fixture.View()->PedigreeSettings()->m_Generations = 5;
    fixture.Show(kBioFormViewPedigree);
    CBioRegThemedFormInterface *view = fixture.View();
    const QSharedPointer<CBioRegPedigree> pedigree = view->Pedigree();
    QVERIFY(pedigree);
    // Texts of a 5-generation chart, written behind the form's back.
    CBioThemedFormWithAncestryPanelsCellData &texts =
        CellTexts(fixture.m_Themes->m_BaseTheme, pedigree->CellDataEltName());
    texts.GetEntry(5, 1).SetText(QStringLiteral("Second column"), false);
    texts.GetEntry(5, 2).SetText(QStringLiteral("Third column"), false);
    CTestDialogRunnerScope dialogs([](QDialog &dialog) { return OrvAcceptDialog(dialog); });

    QVERIFY(Launcher(launcher)(*view, QPoint(-1, -1)));

    QCOMPARE(view->Pedigree() != pedigree, rebuilt);
    QVERIFY(view->Pedigree());
    QVERIFY(CellText(*view->Pedigree(), 2).contains(QStringLiteral("Third column")));
    QCOMPARE(CellText(*view->Pedigree(), 1).contains(QStringLiteral("Second column")), generation1Rethemed);
}

void TestBioRegBoxSettingsCommands::ancestorsBoxPhotoWarnsOfCroppingUntilSilenced()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString photo = folder.filePath(QStringLiteral("photo.png"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(photo));
    CBioFormViewFixture fixture(2);
    fixture.Show(kBioFormViewPedigree);
    fixture.View()->SetHelpPageName(QStringLiteral("design_croppingpics.html"));
    CTestFileChooserScope chooser(photo);
    CTestDialogRunnerScope dialogs([](QDialog &dialog) {
        dynamic_cast<CCmnThemedFormBoxGenericPropertiesTabsMixin &>(dialog)
            .PhotoTab()->Panel()->PicCtrl()->SelectButton()->click();
        return OrvAcceptDialog(dialog);
    });
    CTestMessageBoxScope messages;
    messages.Answer(QMessageBox::Ok, true);
    const QPoint position(210, 160);

    QVERIFY(fixture.View()->EditAncestorsBoxSettings(position));

    QCOMPARE(messages.Requests().size(), 1);
    const CCmnMessageBoxRequest &notice = messages.Requests().first();
    QCOMPARE(notice.m_Options.m_MessageId, CmnPhotoCropWarningMessageId);
    QCOMPARE(notice.m_Options.m_Position, position);
    QVERIFY2(notice.m_Text.contains(QStringLiteral("a photo for the ancestor")), qPrintable(notice.m_Text));
    QVERIFY2(notice.m_Text.contains(QStringLiteral("the box in which it is displayed")), qPrintable(notice.m_Text));

    // Silenced by the user: a new photo says nothing.
    fixture.View()->SetHelpPageName(QStringLiteral("design_croppingpics.html"));
    DataOf(fixture.m_Themes->m_BaseTheme, fixture.View()->FormWithAncestryPanels()->DataEltName()) = {};
    QVERIFY(fixture.View()->EditAncestorsBoxSettings(position));
    QCOMPARE(messages.Requests().size(), 1);
}

void TestBioRegBoxSettingsCommands::launcherWithoutItsFormDoesNothing()
{
    CBioFormViewFixture fixture(2);
    fixture.Show(kBioFormViewCoverSheet);
    CTestDialogRunnerScope dialogs;
    QVERIFY(!fixture.View()->EditPedigreeTitleSettings(QPoint(-1, -1)));
    QVERIFY(!fixture.View()->EditTrialMatingDamPicSettings(QPoint(-1, -1)));
    QVERIFY(!fixture.View()->EditAncestorCellGenOfGensSettings(QPoint(-1, -1), 0));
    QCOMPARE(dialogs.Titles(), QStringList());
}

QTEST_MAIN(TestBioRegBoxSettingsCommands)
#include "tst_bioregboxsettingscommands.moc"
