#include "bioinbreedingsettings.h"
#include "biopreferenceinbreedingsettingstab.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmnspinbox.h"
#include "cmnwhatsthistexts.h"
#include "preferencestesting.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class CPreferencesDialog : public TOrvPreferencesDialog<CBioInbreedingSettings, CBioPreferenceInbreedingSettingsTab>
{
public:
    explicit CPreferencesDialog(CBioInbreedingSettings *application)
        : TOrvPreferencesDialog(
              *application, [application](const CBioInbreedingSettings &copy) { *application = copy; }, "Inbreeding")
    {
    }
};

void ClickOk(CCmnTabDialog &dialog)
{
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
}

} // namespace

class TestBioPreferenceInbreedingSettingsTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsTheChoicesAndThePrecisionBox();
    void builtInHelpCoversEveryControl();
    void loadsAndSavesTheCopyOnly();
    void cancelLeavesTheSettings();
    void countOutsideTheChoicesSurvivesOk();
    void rendersWithLongLabels();
};

void TestBioPreferenceInbreedingSettingsTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestBioPreferenceInbreedingSettingsTab::showsTheChoicesAndThePrecisionBox()
{
    CBioInbreedingSettings settings;
    CBioPreferenceInbreedingSettingsTab tab(&settings);
    tab.CreateControls();

    const CCmnComboBox *combo = tab.GenerationsComboBox();
    const QList<int> counts{2, 3, 4, 6, 8, 10, 12, 14, 16, 20, 24};
    QCOMPARE(combo->count(), counts.size());
    for (int i = 0; i < counts.size(); ++i) {
        QCOMPARE(combo->itemText(i), QStringLiteral("%1 G").arg(counts.at(i)));
        QCOMPARE(combo->itemData(i).toInt(), counts.at(i));
    }
    QCOMPARE(combo->sizeAdjustPolicy(), QComboBox::AdjustToContentsOnFirstShow);
    QCOMPARE(tab.PrecisionSpinBox()->minimum(), 0);
    QCOMPARE(tab.PrecisionSpinBox()->maximum(), 8);
    QCOMPARE(tab.PrecisionSpinBox()->singleStep(), 1);

    QLabel *generationsLabel = OrvBuddyLabelOf(&tab, combo);
    QLabel *precisionLabel = OrvBuddyLabelOf(&tab, tab.PrecisionSpinBox());
    QVERIFY(generationsLabel && precisionLabel);
    QCOMPARE(generationsLabel->text().remove('&'), QStringLiteral("Inbreeding #generations:"));
    QCOMPARE(precisionLabel->text().remove('&'), QStringLiteral("Inbreeding precision:"));
    bool hasUnit = false;
    for (const QLabel *label : tab.findChildren<QLabel *>())
        hasUnit = hasUnit || label->text() == QStringLiteral("decimal places");
    QVERIFY(hasUnit);
    QCOMPARE(tab.HelpPage(), QStringLiteral("CBioPreferenceInbreedingSettingsTab.html"));
}

void TestBioPreferenceInbreedingSettingsTab::builtInHelpCoversEveryControl()
{
    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CBioInbreedingSettings settings;
    CBioPreferenceInbreedingSettingsTab tab(&settings);
    tab.CreateControls();
    CmnSetWhatsThisTexts(previous);

    QVERIFY(tab.GenerationsComboBox()->whatsThis().contains("generations back"));
    QVERIFY(tab.PrecisionSpinBox()->whatsThis().contains("decimal places"));
}

void TestBioPreferenceInbreedingSettingsTab::loadsAndSavesTheCopyOnly()
{
    CBioInbreedingSettings application;
    application.m_Generations = 12;
    application.m_Decimals = 4;
    CBioInbreedingSettings registerCopy = application;
    CPreferencesDialog dialog(&application);
    dialog.Prepare();
    QCOMPARE(dialog.m_Tab->GenerationsComboBox()->currentData().toInt(), 12);
    QCOMPARE(dialog.m_Tab->PrecisionSpinBox()->value(), 4);

    dialog.m_Tab->GenerationsComboBox()->setCurrentIndex(dialog.m_Tab->GenerationsComboBox()->findData(24));
    dialog.m_Tab->PrecisionSpinBox()->setValue(8);
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(application.m_Generations, 24);
    QCOMPARE(application.m_Decimals, 8);
    // A register's copy changes only when the document copies the settings in.
    QCOMPARE(registerCopy.m_Generations, 12);
}

void TestBioPreferenceInbreedingSettingsTab::cancelLeavesTheSettings()
{
    CBioInbreedingSettings application;
    CPreferencesDialog dialog(&application);
    dialog.Prepare();
    dialog.m_Tab->GenerationsComboBox()->setCurrentIndex(0);
    dialog.m_Tab->PrecisionSpinBox()->setValue(0);
    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(application, CBioInbreedingSettings());
}

void TestBioPreferenceInbreedingSettingsTab::countOutsideTheChoicesSurvivesOk()
{
    CBioInbreedingSettings application;
    application.m_Generations = 5;
    {
        CPreferencesDialog dialog(&application);
        dialog.Prepare();
        QCOMPARE(dialog.m_Tab->GenerationsComboBox()->currentIndex(), -1);
        ClickOk(dialog);
        QCOMPARE(application.m_Generations, 5);
    }
    CPreferencesDialog dialog(&application);
    dialog.Prepare();
    dialog.m_Tab->GenerationsComboBox()->setCurrentIndex(1);
    ClickOk(dialog);
    QCOMPARE(application.m_Generations, 3);
}

void TestBioPreferenceInbreedingSettingsTab::rendersWithLongLabels()
{
    CBioInbreedingSettings application;
    application.m_Generations = 20;
    application.m_Decimals = 3;
    CPreferencesDialog dialog(&application);
    dialog.setWindowTitle("Preferences - Smith & Jones <UK> Kennels of the Northern Hills");
    dialog.Prepare();
    dialog.resize(420, 240);
    dialog.show();
    const QImage image = dialog.grab().toImage();
    QVERIFY(!image.isNull());
    const QString path = qEnvironmentVariable("ORV_RENDER_DIR");
    if (!path.isEmpty())
        QVERIFY(image.save(path + "/inbreedingtab.png"));
}

QTEST_MAIN(TestBioPreferenceInbreedingSettingsTab)
#include "tst_biopreferenceinbreedingsettingstab.moc"
