#include "bioinbreedingsettings.h"
#include "biopreferenceinbreedingsettingstab.h"
#include "bioterminology.h"
#include "bioterminologysettingstab.h"
#include "cmnaccessiblefolders.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmnmappedfoldersstore.h"
#include "cmnpushbutton.h"
#include "cmnspinbox.h"
#include "cmnsystemsettings.h"
#include "cmntabwidget.h"
#include "cmnwhatsthistexts.h"
#include "ignoreaccentssetting.h"
#include "preferencesdialog.h"
#include "preferencestesting.h"
#include "programstartup.h"
#include "systemsettingstab.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QGridLayout>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString kRestartWarning =
    QStringLiteral("Please restart Orvanta for the change to the 'Ignore accents within index' setting to properly "
                   "take effect.");
const QString kResetQuestion = QStringLiteral(
    "<p>This will reset all preferences to their default settings.</p><p>Are you sure about that?</p>");

// Preferences the user has changed from the defaults.
void ChangeProgramPreferences()
{
    CmnGetSystemSettings()->m_MeasurementUnits = 2;
    CmnGetSystemSettings()->SetDontAskAgainResult(7, QMessageBox::Ok);
    SetIgnoreAccentsSetting(false);
    BioGetInbreedingSettings()->m_Generations = 12;
    BioGetInbreedingSettings()->m_Decimals = 4;
    CBioTerminologySettings horses;
    horses.ApplySpeciesDefaults(BioSpeciesHorses);
    BioSetTerminology(horses);
    CCmnMappedFoldersStore folders;
    folders.AddMapping(QStringLiteral("/old/Smith & Jones <UK>"), QStringLiteral("/new/photos"));
    CmnAssignMappedFolders(folders);
    CmnSetAccessibleFolders({QStringLiteral("/granted")});
}

} // namespace

class TestPreferencesDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabsInOrder();
    void defaultsAreShown();
    void resetAll_data();
    void resetAll();
    void changedAccentsSwitchWarnsOnce();
    void confirmedCopiesReachTheProgram();
    void systemTabHelpCoversEveryControl();
    void systemTabLayout();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestPreferencesDialog::initTestCase()
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
}

void TestPreferencesDialog::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CreateProgramSettings();
}

void TestPreferencesDialog::cleanup()
{
    DestroyProgramSettings();
    m_Settings.reset();
}

void TestPreferencesDialog::tabsInOrder()
{
    CPreferencesDialog dialog;
    dialog.Prepare();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(OrvTabLabels(dialog), (QStringList{"Inbreeding", "Terminology", "System", "Mapped Folders"}));
    QCOMPARE(dialog.SystemTab()->HelpPage(), QStringLiteral("CSystemSettingsTab.html"));
}

void TestPreferencesDialog::defaultsAreShown()
{
    CPreferencesDialog dialog;
    dialog.Prepare();
    QVERIFY(dialog.SystemTab()->IgnoreAccentsCheckBox()->isChecked());
    QCOMPARE(dialog.InbreedingTab()->GenerationsComboBox()->currentData().toInt(), 8);
    QCOMPARE(dialog.InbreedingTab()->PrecisionSpinBox()->value(), 2);
}

void TestPreferencesDialog::resetAll_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes);
    QTest::newRow("No") << int(QMessageBox::No);
}

void TestPreferencesDialog::resetAll()
{
    QFETCH(int, answer);

    ChangeProgramPreferences();
    CTestMessageBoxScope boxes;
    boxes.Answer(answer);
    CPreferencesDialog dialog;
    dialog.LoadCurrentPreferences();
    dialog.Prepare();
    dialog.show();
    // A change of the switch would warn on a save; a reset saves nothing.
    dialog.SystemTab()->IgnoreAccentsCheckBox()->setChecked(true);
    OrvResetButton(dialog, QStringLiteral("Reset All"))->click();

    OrvCompareResetQuestion(boxes, kResetQuestion);
    if (QTest::currentTestFailed())
        return;
    if (answer == QMessageBox::No) {
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.m_InbreedingSettings.m_Generations, 12);
        QVERIFY(!dialog.m_IgnoreAccents);
        return;
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.ResetDone());
    dialog.StoreEditedPreferences();
    QVERIFY(GetIgnoreAccentsSetting());
    QCOMPARE(*BioGetInbreedingSettings(), CBioInbreedingSettings());
    QCOMPARE(GetBioTerminology()->Species(), CBioTerminologySettings().Species());
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(7), 0);
    QCOMPARE(CmnGetSystemSettings()->m_MeasurementUnits, CCmnSystemSettings().m_MeasurementUnits);
    QCOMPARE(CmnGetMappedFoldersStore()->PairCount(), 0);
    QVERIFY(CmnGetAccessibleFolders()->isEmpty());
}

void TestPreferencesDialog::changedAccentsSwitchWarnsOnce()
{
    CTestMessageBoxScope boxes;
    {
        CPreferencesDialog dialog;
        dialog.LoadCurrentPreferences();
        dialog.Prepare();
        dialog.SystemTab()->IgnoreAccentsCheckBox()->setChecked(false);
        dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.StoreEditedPreferences();
    }
    QCOMPARE(boxes.Texts(), QStringList{kRestartWarning});
    QCOMPARE(boxes.Requests().first().m_Icon, QMessageBox::Warning);
    QCOMPARE(boxes.Requests().first().m_Options.m_MessageId, 0);
    QVERIFY(!GetIgnoreAccentsSetting());

    // Opened again and confirmed without a change: nothing to restart for.
    CPreferencesDialog again;
    again.LoadCurrentPreferences();
    again.Prepare();
    QVERIFY(!again.SystemTab()->IgnoreAccentsCheckBox()->isChecked());
    again.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(boxes.Requests().size(), 1);
}

void TestPreferencesDialog::confirmedCopiesReachTheProgram()
{
    ChangeProgramPreferences();
    CPreferencesDialog dialog;
    dialog.LoadCurrentPreferences();
    QCOMPARE(dialog.m_InbreedingSettings.m_Generations, 12);
    QCOMPARE(dialog.m_Terminology.Species(), int(BioSpeciesHorses));
    QCOMPARE(dialog.m_MappedFolders.PairAt(0).first, QStringLiteral("/old/Smith & Jones <UK>"));
    QCOMPARE(dialog.m_AccessibleFolders, QStringList{"/granted"});
    dialog.Prepare();
    QCOMPARE(dialog.TerminologyTab()->SpeciesComboBox()->currentData().toInt(), int(BioSpeciesHorses));
    dialog.InbreedingTab()->PrecisionSpinBox()->setValue(6);
    // Only a confirmed dialog changes the program.
    QCOMPARE(BioGetInbreedingSettings()->m_Decimals, 4);
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.StoreEditedPreferences();

    QCOMPARE(BioGetInbreedingSettings()->m_Decimals, 6);
    QCOMPARE(BioGetInbreedingSettings()->m_Generations, 12);
    QCOMPARE(GetBioTerminology()->Species(), int(BioSpeciesHorses));
    QVERIFY(!GetIgnoreAccentsSetting());
    QCOMPARE(CmnGetMappedFoldersStore()->PairCount(), 1);
    QCOMPARE(CmnGetSystemSettings()->m_MeasurementUnits, 2);
}

void TestPreferencesDialog::systemTabHelpCoversEveryControl()
{
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CPreferencesDialog dialog;
    dialog.Prepare();
    CmnSetWhatsThisTexts(previous);

    const CSystemSettingsTab *tab = dialog.SystemTab();
    QVERIFY(tab->DateFormatComboBox()->whatsThis().contains(QStringLiteral("today's date")));
    QVERIFY(tab->MeasurementUnitComboBox()->whatsThis().contains(QStringLiteral("centimeters")));
    QVERIFY(tab->ResetMessagePromptsButton()->whatsThis().contains(QStringLiteral("Don't ask next time")));
    QVERIFY(tab->IgnoreAccentsCheckBox()->whatsThis().contains(QStringLiteral("accents")));
    QVERIFY(!dialog.InbreedingTab()->GenerationsComboBox()->whatsThis().isEmpty());
    QVERIFY(!dialog.TerminologyTab()->SpeciesComboBox()->whatsThis().isEmpty());
}

void TestPreferencesDialog::systemTabLayout()
{
    CPreferencesDialog dialog;
    dialog.Prepare();
    const CSystemSettingsTab *tab = dialog.SystemTab();
    QCOMPARE(tab->IgnoreAccentsCheckBox()->text().remove(QLatin1Char('&')),
             QStringLiteral("Ignore accents within index"));
    const auto *grid = tab->findChild<QGridLayout *>();
    QVERIFY(grid);
    const int index = grid->indexOf(tab->IgnoreAccentsCheckBox());
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    // Under the framework's rows, across the labels and the boxes.
    QCOMPARE(row, 3);
    QCOMPARE(column, 0);
    QCOMPARE(columnSpan, 2);
    QCOMPARE(grid->columnStretch(2), 1);

    const QString path = qEnvironmentVariable("ORV_RENDER_DIR");
    if (!path.isEmpty()) {
        dialog.resize(520, 320);
        dialog.show();
        dialog.ShowTab(dialog.SystemTab());
        QVERIFY(dialog.grab().save(path + "/preferences-system.png"));
    }
}

QTEST_MAIN(TestPreferencesDialog)
#include "tst_preferencesdialog.moc"
