#include "../bio/reg/bioregtesting.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnregfieldssettings.h"
#include "cmnreguserfieldset.h"
#include "documentsettings.h"
#include "documentsettingsparamsfornewdocumentdialog.h"
#include "nameditemstesting.h"
#include "programstartup.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

const QString kLaterText = QStringLiteral(
    "If you decide to add fields later on, please choose Settings from the File menu, switch to the User Fields tab "
    "and then click the Add button.");

QStringList CheckedNames(const CDocumentSettingsParamsForNewDocumentDialog &dialog)
{
    QStringList names;
    for (const CCmnCheckBox *box : dialog.CheckBoxes())
        if (box->isChecked())
            names << box->text().remove(QLatin1Char('&'));
    return names;
}

// The titles of the group boxes, column by column.
QList<QStringList> ColumnTitles(const CDocumentSettingsParamsForNewDocumentDialog &dialog)
{
    QList<QStringList> columns;
    for (int i = 0; i < dialog.Columns()->count(); ++i) {
        QStringList titles;
        QLayout *column = dialog.Columns()->itemAt(i)->layout();
        for (int j = 0; column && j < column->count(); ++j)
            if (auto *box = qobject_cast<QGroupBox *>(column->itemAt(j)->widget()))
                titles << box->title().remove(QLatin1Char('&'));
        columns << titles;
    }
    return columns;
}

QString ShownTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const CCmnLabel *label : dialog.findChildren<CCmnLabel *>())
        texts << OrvShownLabelText(label);
    return texts.join(QLatin1Char('\n'));
}

// What the user does in one run of the dialog: the boxes to set (null: leave
// them) and OK or Cancel.
struct CRun
{
    std::function<void(CDocumentSettingsParamsForNewDocumentDialog &)> m_Change;
    bool m_Ok = true;
};

// Plays the user of the field choice for every run, in order; records what each
// run showed ticked.
struct CChoiceUser
{
    TCmnDialogRunner Runner()
    {
        return [this](QDialog &shown) {
            auto &dialog = dynamic_cast<CDocumentSettingsParamsForNewDocumentDialog &>(shown);
            m_ShownTicked << CheckedNames(dialog);
            const CRun run = m_Runs.isEmpty() ? CRun{{}, false} : m_Runs.takeFirst();
            if (run.m_Change)
                run.m_Change(dialog);
            dialog.ButtonBox()->button(run.m_Ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
            return dialog.result();
        };
    }

    QList<CRun> m_Runs;
    QList<QStringList> m_ShownTicked;
};

void ClearAll(CDocumentSettingsParamsForNewDocumentDialog &dialog)
{
    for (CCmnCheckBox *box : dialog.CheckBoxes())
        box->setChecked(false);
}

const QStringList kDefaultTicked{"Additional Titles", "Breeder", "Owner",    "Notes",
                                 "Microchip",         "Reg. No.", "Breed", CmnColourWord()};

} // namespace

class TestDocumentSettingsParamsForNewDocumentDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunShowsCatalogueDefaults();
    void fiveColumnsOfTitledBoxes();
    void colourWordFollowsLocale_data();
    void colourWordFollowsLocale();
    void articleFollowsFirstLetter_data();
    void articleFollowsFirstLetter();
    void terminologyShownUnmangled();
    void acceptingAppliesAndRemembers();
    void everyBoxClearedIsRemembered();
    void declining_data();
    void declining();
    void rendersForReview();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestDocumentSettingsParamsForNewDocumentDialog::initTestCase()
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
}

void TestDocumentSettingsParamsForNewDocumentDialog::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CreateProgramSettings();
}

void TestDocumentSettingsParamsForNewDocumentDialog::cleanup()
{
    DestroyProgramSettings();
    m_Settings.reset();
}

void TestDocumentSettingsParamsForNewDocumentDialog::firstRunShowsCatalogueDefaults()
{
    CDocumentSettingsParamsForNewDocumentDialog dialog;
    dialog.Prepare();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Customize New Data File"));
    QCOMPARE(dialog.CheckBoxes().size(), 62);
    QCOMPARE(CheckedNames(dialog), kDefaultTicked);
}

void TestDocumentSettingsParamsForNewDocumentDialog::fiveColumnsOfTitledBoxes()
{
    CDocumentSettingsParamsForNewDocumentDialog dialog;
    dialog.Prepare();
    const QList<QStringList> expected{{"General", "Identity"}, {"Registration"}, {"Breed"}, {"Health"},
                                      {"Purchase", "Sale"}};
    QCOMPARE(ColumnTitles(dialog), expected);
}

void TestDocumentSettingsParamsForNewDocumentDialog::colourWordFollowsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("colour");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "Color";
    QTest::newRow("C") << QLocale::c() << "Colour";
}

void TestDocumentSettingsParamsForNewDocumentDialog::colourWordFollowsLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, colour);

    CDocumentSettingsParamsForNewDocumentDialog dialog(nullptr, locale);
    dialog.Prepare();
    QCOMPARE(CheckedNames(dialog).last(), colour);
    QVERIFY(std::any_of(dialog.CheckBoxes().cbegin(), dialog.CheckBoxes().cend(), [&colour](const CCmnCheckBox *box) {
        return box->text().remove(QLatin1Char('&')) == QStringLiteral("Eye ") + colour;
    }));
}

void TestDocumentSettingsParamsForNewDocumentDialog::articleFollowsFirstLetter_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Dog") << "Dog" << "a dog";
    QTest::newRow("Animal") << "Animal" << "an animal";
    QTest::newRow("Emu") << "Emu" << "a emu";
    QTest::newRow("Ox") << "Ox" << "a ox";
    QTest::newRow("Urchin") << "Urchin" << "a urchin";
}

void TestDocumentSettingsParamsForNewDocumentDialog::articleFollowsFirstLetter()
{
    QFETCH(QString, word);
    QFETCH(QString, expected);

    BioTestUseWords({{kBioTermAnimal, word}});
    QCOMPARE(NewDocumentRecordWithArticle(), expected);
    CDocumentSettingsParamsForNewDocumentDialog dialog;
    dialog.Prepare();
    QVERIFY2(ShownTexts(dialog).contains(QStringLiteral("whenever you add or update %1.").arg(expected)),
             qPrintable(ShownTexts(dialog)));
}

void TestDocumentSettingsParamsForNewDocumentDialog::terminologyShownUnmangled()
{
    const QString typed = QStringLiteral("Smith & Jones <UK>");
    BioTestUseWords({{kBioTermAnimal, typed}, {kBioTermSire, typed}});
    CDocumentSettingsParamsForNewDocumentDialog dialog;
    dialog.Prepare();
    const QString shown = ShownTexts(dialog);
    QVERIFY2(shown.contains(QStringLiteral("included in the Smith & Jones <UK> Details window")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("Date of Birth, Smith & Jones <UK> and Dam.")), qPrintable(shown));
}

void TestDocumentSettingsParamsForNewDocumentDialog::acceptingAppliesAndRemembers()
{
    CTestMessageBoxScope boxes;
    CChoiceUser user;
    user.m_Runs = {CRun{{}, true}};
    CTestDialogRunnerScope runner(user.Runner());
    CDocumentSettings document;
    CCmnRegFieldsSettings &settings = document.m_FieldsSettings;

    QVERIFY(ChooseNewDocumentFields(document));
    QCOMPARE(runner.Titles(), QStringList{"Customize New Data File"});
    QCOMPARE(boxes.Requests().size(), 0);
    QCOMPARE(settings.GetUserFields().m_Items.size(), 8);
    QCOMPARE(settings.GetUserFields().m_Items.at(settings.GetUserFields().FindField(CmnColourWord(), Qt::CaseSensitive))
                 .second.m_Id,
             8);
    QCOMPARE(QSettings().value("newbioregparams/enabledfields").toString(), QStringLiteral("56,11,12,55,14,18,30,31"));
}

void TestDocumentSettingsParamsForNewDocumentDialog::everyBoxClearedIsRemembered()
{
    CTestMessageBoxScope boxes;
    CChoiceUser user;
    user.m_Runs = {CRun{ClearAll, true}, CRun{{}, false}};
    CTestDialogRunnerScope runner(user.Runner());
    CDocumentSettings document;
    CCmnRegFieldsSettings &settings = document.m_FieldsSettings;
    CCmnRegUserFieldSet earlier;
    earlier.AddField(QStringLiteral("Kennel"), CCmnRegUserField(1, CCmnRegFieldDef()));
    settings.SetUserFields(earlier);

    QVERIFY(ChooseNewDocumentFields(document));
    QVERIFY(settings.GetUserFields().m_Items.isEmpty());
    QCOMPARE(QSettings().value("newbioregparams/enabledfields").toString(), QString());

    // The next new document offers the same, empty, choice.
    CDocumentSettings nextDocument;
    boxes.Answer(QMessageBox::No);
    QVERIFY(!ChooseNewDocumentFields(nextDocument));
    QCOMPARE(user.m_ShownTicked.last(), QStringList());
}

void TestDocumentSettingsParamsForNewDocumentDialog::declining_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("secondOk");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("information");
    QTest::newRow("No") << false << false << false << kLaterText;
    QTest::newRow("Yes, then Cancel") << true << false << false << kLaterText;
    QTest::newRow("Yes, then OK")
        << true << true << true
        << QStringLiteral("All the fields you just added have been added to the Animal Details window, which you "
                          "will be using whenever you add or update an animal.\nPlease note that you can customize the "
                          "layout of that window e.g. to control the positioning and size of fields, column breaks "
                          "and multiple tabs etc. Just choose Settings from the File menu and use the Details Window "
                          "Layout tab.");
}

void TestDocumentSettingsParamsForNewDocumentDialog::declining()
{
    QFETCH(bool, yes);
    QFETCH(bool, secondOk);
    QFETCH(bool, result);
    QFETCH(QString, information);

    CTestMessageBoxScope boxes;
    boxes.Answer(yes ? QMessageBox::Yes : QMessageBox::No);
    CChoiceUser user;
    user.m_Runs = {CRun{ClearAll, false}, CRun{{}, secondOk}};
    CTestDialogRunnerScope runner(user.Runner());
    CDocumentSettings document;
    CCmnRegFieldsSettings &settings = document.m_FieldsSettings;
    const CCmnRegFieldsSettings before = settings;

    QCOMPARE(ChooseNewDocumentFields(document), result);
    QCOMPARE(runner.Titles().size(), yes ? 2 : 1);
    // The second run starts again from the remembered choice, not the first run's ticks.
    if (yes)
        QCOMPARE(user.m_ShownTicked.last(), kDefaultTicked);

    QCOMPARE(boxes.Requests().size(), 2);
    const CCmnMessageBoxRequest &question = boxes.Requests().first();
    QCOMPARE(question.m_Icon, QMessageBox::Question);
    QCOMPARE(question.m_Title, QStringLiteral("Orvanta"));
    QVERIFY(!question.m_Parent);
    QCOMPARE(question.m_Buttons.at(question.m_DefaultButton).m_StandardButton, int(QMessageBox::Yes));
    QCOMPARE(OrvShownRichText(question.m_Text),
             QStringLiteral("You have indicated that you don't want to set up the fields for your pedigree data file. "
                            "If you proceed as is you will only have the basic fields available - Name, Title, Sex, "
                            "Date of Birth, Sire and Dam.\nWould you prefer to add other fields that will almost "
                            "certainly be useful to you - such as %1, Reg. No., Breeder, Owner, Notes and many "
                            "others?\nClick Yes to add additional fields.\nClick No to proceed without adding any further "
                            "fields.")
                 .arg(CmnColourWord()));
    const CCmnMessageBoxRequest &told = boxes.Requests().last();
    QCOMPARE(told.m_Icon, QMessageBox::Information);
    QVERIFY(!told.m_Parent);
    QCOMPARE(OrvShownRichText(told.m_Text), information);

    if (result) {
        QCOMPARE(settings.GetUserFields().m_Items.size(), 8);
        QVERIFY(QSettings().contains("newbioregparams/enabledfields"));
    } else {
        QCOMPARE(OrvNamedListNames(settings.GetUserFields()), OrvNamedListNames(before.GetUserFields()));
        QCOMPARE(settings.GetFormFieldOrder(), before.GetFormFieldOrder());
        QVERIFY(!QSettings().contains("newbioregparams/enabledfields"));
    }
}

void TestDocumentSettingsParamsForNewDocumentDialog::rendersForReview()
{
    BioTestUseWords({{kBioTermAnimal, QStringLiteral("Smith & Jones <UK>")}});
    CDocumentSettingsParamsForNewDocumentDialog dialog;
    dialog.Prepare();
    // At the size it asks for: the offscreen screen is lower than a real one.
    QVERIFY(OrvRenderForReview(dialog, dialog.sizeHint(), QStringLiteral("newdocumentfields.png")));
}

QTEST_MAIN(TestDocumentSettingsParamsForNewDocumentDialog)
#include "tst_documentsettingsparamsfornewdocumentdialog.moc"
