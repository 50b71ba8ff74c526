#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "bioterminologysettingstab.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnwhatsthistexts.h"
#include "preferencestesting.h"
#include "testmessageboxscope.h"
#include "rendertesting.h"
#include "usertexts.h"

#include <QPushButton>
#include <QTest>

namespace {

class CPreferencesDialog : public TOrvPreferencesDialog<CBioTerminologySettings, CBioTerminologySettingsTab>
{
public:
    explicit CPreferencesDialog(CBioTerminologySettings *application)
        : TOrvPreferencesDialog(
              *application, [application](const CBioTerminologySettings &copy) { *application = copy; },
              "Terminology")
    {
        Prepare();
    }

    CBioTerminologySettingsTab *Tab() const { return m_Tab; }
    void Choose(int species)
    {
        m_Tab->SpeciesComboBox()->setCurrentIndex(m_Tab->SpeciesComboBox()->findData(species));
    }
    QString Word(int term, bool plural) const { return m_Tab->WordEdit(term, plural)->text(); }
    bool Ok()
    {
        ButtonBox()->button(QDialogButtonBox::Ok)->click();
        return result() == QDialog::Accepted;
    }
};

// Custom starts from the built-in words.
CBioTerminologySettings Species(int species)
{
    CBioTerminologySettings terminology;
    terminology.ApplySpeciesDefaults(BioSpeciesOther);
    terminology.ApplySpeciesDefaults(species);
    return terminology;
}

const QString kRestart = QStringLiteral("Please restart Orvanta for terminology changes to properly take effect.");

} // namespace

class TestBioTerminologySettingsTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsTheTermsInUse();
    void builtInHelpForTheSpecies();
    void speciesShowsItsWordsLocked();
    void customKeepsTheWordsAndOpensThem();
    void restartMessageOnlyAfterAChange_data();
    void restartMessageOnlyAfterAChange();
    void speciesWordsAreNotReadFromTheBoxes();
    void emptyCustomWordIsRefused();
    void cancelLeavesTheTerminology();
    void rendersUserWords();
};

void TestBioTerminologySettingsTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestBioTerminologySettingsTab::init()
{
    BioCreateTerminology();
    // As start-up leaves the table.
    BioInitTermEditableTable();
    for (const int term : {BioTermName, BioTermTitle, BioTermSuffix, BioTermInbreeding})
        BioSetTermEditable(term, true, false);
}

void TestBioTerminologySettingsTab::cleanup()
{
    BioInitTermEditableTable();
    BioDestroyTerminology();
}

void TestBioTerminologySettingsTab::listsTheTermsInUse()
{
    CBioTerminologySettings terminology = Species(BioSpeciesDogs);
    CPreferencesDialog dialog(&terminology);
    CBioTerminologySettingsTab *tab = dialog.Tab();
    QCOMPARE(tab->PairedTerms(), QList<int>({0, 1, 5, 6, 17, 9, 10, 7}));
    QCOMPARE(tab->SingleTerms(), QList<int>({14, 15, 16, 2, 3, 4, 8, 13}));
    QVERIFY(!tab->WordEdit(BioTermLitter, false) && !tab->WordEdit(BioTermFamily, false));
    QVERIFY(!tab->WordEdit(BioTermName, true));
    QCOMPARE(tab->HelpPage(), QStringLiteral("CBioTerminologySettingsTab.html"));

    // Rows are labelled by the built-in words in their long forms.
    QStringList labels;
    for (const CCmnLabel *label : tab->findChildren<CCmnLabel *>())
        labels << OrvShownLabelText(label);
    for (const QString expected : {"Select:", "Term", "Singular:", "Plural:", "Use:", "'Animal'",
                                    "'Unknown Sex'", "'Name Suffix'", "'Coefficient of Inbreeding'"})
        QVERIFY2(labels.contains(expected), qPrintable(expected));
    QCOMPARE(OrvBuddyLabelOf(tab, tab->SpeciesComboBox()), tab->findChildren<CCmnLabel *>().first());
    QCOMPARE(tab->SpeciesComboBox()->count(), 13);
    QCOMPARE(tab->SpeciesComboBox()->currentData().toInt(), int(BioSpeciesDogs));
    QCOMPARE(dialog.Word(BioTermAnimal, true), QStringLiteral("Dogs"));
    QCOMPARE(dialog.Word(BioTermInbreeding, false), QStringLiteral("Inbreeding"));
}

void TestBioTerminologySettingsTab::builtInHelpForTheSpecies()
{
    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CBioTerminologySettings terminology;
    CPreferencesDialog dialog(&terminology);
    CmnSetWhatsThisTexts(previous);
    QVERIFY(!dialog.Tab()->SpeciesComboBox()->whatsThis().isEmpty());
}

void TestBioTerminologySettingsTab::speciesShowsItsWordsLocked()
{
    CBioTerminologySettings terminology = Species(BioSpeciesDogs);
    CPreferencesDialog dialog(&terminology);
    QVERIFY(!dialog.Tab()->PairedGroupBox()->isEnabled());
    QVERIFY(!dialog.Tab()->SingleGroupBox()->isEnabled());
    dialog.Choose(BioSpeciesCats);
    QCOMPARE(QStringList({dialog.Word(0, false), dialog.Word(0, true), dialog.Word(1, false), dialog.Word(1, true)}),
             QStringList({"Cat", "Cats", "Kitten", "Kittens"}));
    QVERIFY(!dialog.Tab()->WordEdit(BioTermAnimal, false)->isEnabledTo(dialog.Tab()));
    QVERIFY(!dialog.Tab()->SingleGroupBox()->isEnabled());
}

void TestBioTerminologySettingsTab::customKeepsTheWordsAndOpensThem()
{
    CBioTerminologySettings terminology = Species(BioSpeciesDogs);
    CPreferencesDialog dialog(&terminology);
    dialog.Choose(BioSpeciesCats);
    dialog.Choose(BioSpeciesCustom);
    QCOMPARE(QStringList({dialog.Word(0, false), dialog.Word(0, true), dialog.Word(1, false), dialog.Word(1, true)}),
             QStringList({"Cat", "Cats", "Kitten", "Kittens"}));
    QVERIFY(dialog.Tab()->PairedGroupBox()->isEnabled());
    QVERIFY(dialog.Tab()->SingleGroupBox()->isEnabled());

    CTestMessageBoxScope boxes;
    dialog.Tab()->WordEdit(BioTermSire, false)->setText("  Smith & Jones <UK> ");
    QVERIFY(dialog.Ok());
    QCOMPARE(terminology.Species(), int(BioSpeciesCustom));
    QCOMPARE(terminology.GetWord(BioTermAnimal, true, false), QStringLiteral("Cats"));
    QCOMPARE(terminology.GetWord(BioTermSire, false, false), QStringLiteral("Smith & Jones <UK>"));
    // Terms not shown keep their words.
    QCOMPARE(terminology.GetWord(BioTermLitter, true, false), QStringLiteral("Litters"));
}

void TestBioTerminologySettingsTab::restartMessageOnlyAfterAChange_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("term");
    QTest::addColumn<bool>("plural");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("restart");
    QTest::newRow("same species") << int(BioSpeciesDogs) << int(BioSpeciesDogs) << -1 << false << "" << false;
    QTest::newRow("another species") << int(BioSpeciesDogs) << int(BioSpeciesHorses) << -1 << false << "" << true;
    QTest::newRow("custom unchanged") << int(BioSpeciesCustom) << int(BioSpeciesCustom) << -1 << false << "" << false;
    QTest::newRow("custom word retyped") << int(BioSpeciesCustom) << int(BioSpeciesCustom) << int(BioTermDam) << false
                                         << " Dam " << false;
    QTest::newRow("custom plural alone") << int(BioSpeciesCustom) << int(BioSpeciesCustom) << int(BioTermDam) << true
                                         << "Dam's" << true;
    QTest::newRow("custom from a species") << int(BioSpeciesOther) << int(BioSpeciesCustom) << -1 << false << ""
                                           << true;
}

void TestBioTerminologySettingsTab::restartMessageOnlyAfterAChange()
{
    QFETCH(int, before);
    QFETCH(int, chosen);
    QFETCH(int, term);
    QFETCH(bool, plural);
    QFETCH(QString, typed);
    QFETCH(bool, restart);

    CBioTerminologySettings terminology = Species(before);
    CTestMessageBoxScope boxes;
    CPreferencesDialog dialog(&terminology);
    dialog.Choose(chosen);
    if (term >= 0)
        dialog.Tab()->WordEdit(term, plural)->setText(typed);
    QVERIFY(dialog.Ok());
    QCOMPARE(boxes.Requests().size(), restart ? 1 : 0);
    if (restart) {
        const CCmnMessageBoxRequest &request = boxes.Requests().first();
        QCOMPARE(request.m_Icon, QMessageBox::Warning);
        QCOMPARE(request.m_Title, QStringLiteral("Orvanta"));
        QCOMPARE(request.m_Text, kRestart);
        QCOMPARE(request.m_Options.m_MessageId, 0);
    }
    QCOMPARE(terminology.Species(), chosen);
}

void TestBioTerminologySettingsTab::speciesWordsAreNotReadFromTheBoxes()
{
    CBioTerminologySettings terminology = Species(BioSpeciesCustom);
    terminology.SetWord(BioTermAnimal, false, "Hound", false);
    CTestMessageBoxScope boxes;
    CPreferencesDialog dialog(&terminology);
    QCOMPARE(dialog.Word(BioTermAnimal, false), QStringLiteral("Hound"));
    dialog.Choose(BioSpeciesRabbits);
    dialog.Tab()->WordEdit(BioTermAnimal, false)->setText("");
    QVERIFY(dialog.Ok());
    QVERIFY(terminology.RefreshFlag());
    QCOMPARE(terminology.GetWord(BioTermAnimal, false, false), QStringLiteral("Rabbit"));
    QCOMPARE(terminology.GetWord(BioTermOffspring, true, false), QStringLiteral("Kits"));
}

void TestBioTerminologySettingsTab::emptyCustomWordIsRefused()
{
    CBioTerminologySettings terminology = Species(BioSpeciesCustom);
    CTestMessageBoxScope boxes;
    CPreferencesDialog dialog(&terminology);
    dialog.show();
    CCmnLineEdit *title = dialog.Tab()->WordEdit(BioTermTitle, false);
    title->setText("   ");
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(OrvShownRichText(boxes.Requests().first().m_Text), QStringLiteral("This box may not be empty"));
    QCOMPARE(dialog.focusWidget(), title);
    // The application's terminology is untouched until the dialog is accepted.
    QCOMPARE(terminology.GetWord(BioTermTitle, false, false), QStringLiteral("Title"));

    title->setText("Kennel Title");
    QVERIFY(dialog.Ok());
    QCOMPARE(terminology.GetWord(BioTermTitle, false, false), QStringLiteral("Kennel Title"));
}

void TestBioTerminologySettingsTab::cancelLeavesTheTerminology()
{
    CBioTerminologySettings terminology = Species(BioSpeciesDogs);
    CPreferencesDialog dialog(&terminology);
    dialog.Choose(BioSpeciesCustom);
    dialog.Tab()->WordEdit(BioTermSire, false)->setText("Stud");
    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(terminology.Species(), int(BioSpeciesDogs));
    QCOMPARE(terminology.GetWord(BioTermSire, false, false), QStringLiteral("Sire"));
}

void TestBioTerminologySettingsTab::rendersUserWords()
{
    CBioTerminologySettings terminology = Species(BioSpeciesCustom);
    terminology.SetWord(BioTermAnimal, false, "Smith & Jones <UK>", false);
    terminology.SetWord(BioTermTitle, false, "Registered kennel affix, exactly as on the certificate", false);
    CPreferencesDialog dialog(&terminology);
    QVERIFY(OrvRenderForReview(dialog, QSize(), "terminologytab.png"));
}

QTEST_MAIN(TestBioTerminologySettingsTab)
#include "tst_bioterminologysettingstab.moc"
