#include "bioinbreedingsettings.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnenumradioselectdialog.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnradiobutton.h"
#include "cmnsettingsexchange.h"
#include "cmnsystemsettings.h"
#include "ignoreaccentssetting.h"
#include "mainwindow.h"
#include "programstartup.h"
#include "testdialogrunnerscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"

#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

const QStringList kGroups{"cmnsystemsettings",
                          "cmnmappedfoldersettings",
                          "cmnssbf",
                          "cmnpreferencehiddensettings",
                          "cmnfilespecifichiddensettings",
                          "bioterminologysettings",
                          "systemsettings",
                          "preferencesettings"};

// The species dialog as the user saw it.
struct CSpeciesShown
{
    bool m_HasParent = true;
    QString m_Title;
    int m_Columns = 0;
    QStringList m_Choices;
    QList<int> m_Codes;
    QString m_Preselected;
    QString m_Header;
    QString m_Footer;
    bool m_ChoiceHelp = false;
};

// One run of the program with isolated settings, an event loop that ends at once
// with 0 and scripted dialogs; the log tells what happened in which order.
struct CProgramRun
{
    // The species to choose; empty: Cancel.
    QString m_Species;

    int m_Result = -1;
    QStringList m_Log;
    QList<CSpeciesShown> m_SpeciesShown;

    void Run()
    {
        CProgramHooks hooks;
        hooks.m_Run.m_Arguments = QStringList{QStringLiteral("orvanta")};
        hooks.m_Run.m_EventLoop = [this] {
            m_Log << QStringLiteral("event loop");
            return 0;
        };
        hooks.m_Run.m_RunWelcomeDialog = [this](CCmnEnumRadioSelectDialog &) {
            m_Log << QStringLiteral("welcome");
            return int(QDialog::Rejected);
        };
        hooks.m_GroupExchanged = [this](const QString &group, bool save) {
            m_Log << (save ? QStringLiteral("write ") : QStringLiteral("read ")) + group;
        };
        hooks.m_WindowBuilt = [this](CMainWindow *window) {
            m_Log << QStringLiteral("window built");
            QObject::connect(window, &QObject::destroyed, [this] { m_Log << QStringLiteral("window gone"); });
        };
        const CTestDialogRunnerScope runner = SpeciesRunner();
        CreateProgramSettings();
        m_Result = RunProgram(hooks);
        DestroyProgramSettings();
    }

    // Answers the species dialog, and fails the test on any other dialog.
    CTestDialogRunnerScope SpeciesRunner()
    {
        return CTestDialogRunnerScope([this](QDialog &dialog) {
            auto *species = qobject_cast<CCmnEnumRadioSelectDialog *>(&dialog);
            if (!species) {
                QTest::qFail(qPrintable("Unexpected dialog " + dialog.windowTitle()), __FILE__, __LINE__);
                return int(QDialog::Rejected);
            }
            return AnswerSpecies(*species);
        });
    }

    int AnswerSpecies(CCmnEnumRadioSelectDialog &dialog)
    {
        m_Log << QStringLiteral("species");
        dialog.Prepare();
        CSpeciesShown shown;
        shown.m_HasParent = dialog.parentWidget() != nullptr;
        shown.m_Title = dialog.windowTitle();
        shown.m_Columns = dialog.m_Columns;
        shown.m_Header = dialog.m_Header;
        shown.m_Footer = dialog.m_Footer;
        for (qsizetype i = 0; i < dialog.m_Choices.size(); ++i) {
            shown.m_Choices << dialog.m_Choices.at(i).m_Text;
            shown.m_Codes << dialog.m_Choices.at(i).m_Value;
            if (dialog.RadioButtons().at(i)->isChecked())
                shown.m_Preselected = dialog.m_Choices.at(i).m_Text;
        }
        shown.m_ChoiceHelp = !dialog.RadioButtons().first()->whatsThis().isEmpty();
        m_SpeciesShown << shown;
        const qsizetype row = shown.m_Choices.indexOf(m_Species);
        if (row < 0) {
            dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
            return dialog.result();
        }
        dialog.RadioButtons().at(row)->setChecked(true);
        dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
        return dialog.result();
    }
};

QStringList Prefixed(const QString &prefix, const QStringList &groups)
{
    QStringList lines;
    for (const QString &group : groups)
        lines << prefix + group;
    return lines;
}

} // namespace

class TestProgramStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void descriptorDescribesTheProgram();
    void settingsAreReadThenWrittenAfterTheWindow();
    void firstRunAsksForTheSpecies();
    void chosenSpeciesGivesItsWords_data();
    void chosenSpeciesGivesItsWords();
    void emptyStoreGivesTheDefaults();
    void damagedPreferencesGiveTheDefaults_data();
    void damagedPreferencesGiveTheDefaults();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<CTestMessageBoxScope> m_Boxes;
};

void TestProgramStartup::initTestCase()
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
}

void TestProgramStartup::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    m_Boxes = std::make_unique<CTestMessageBoxScope>();
}

void TestProgramStartup::cleanup()
{
    m_Boxes.reset();
    m_Settings.reset();
}

void TestProgramStartup::descriptorDescribesTheProgram()
{
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    QCOMPARE(app.m_ProductDisplayName, QStringLiteral("Orvanta"));
    QCOMPARE(app.m_ShortNameLower, QStringLiteral("orv"));
    QCOMPARE(app.m_DocumentExtension, QStringLiteral("orv"));
    QCOMPARE(app.m_DocumentExtensions, QStringList{"orv"});
    QCOMPARE(app.DocumentFileFilter(), QStringLiteral("Orvanta files (*.orv)"));
    QCOMPARE(app.MainDocumentFileFilter(), QStringLiteral("Orvanta files (*.orv)"));
    QCOMPARE(app.DocumentName(), QStringLiteral("Orvanta file"));
    QCOMPARE(app.m_DocumentTypeName, QStringLiteral("pedigree data file"));
    QCOMPARE(app.m_IconResource, QStringLiteral(":/Orvanta-96x96.png"));
    QVERIFY(!QPixmap(app.m_IconResource).isNull());
    QVERIFY(app.m_ReopenLastDocument);
    QVERIFY(app.m_WelcomeDialog);
    QVERIFY(app.m_OpenDialogAtStartup);
    QVERIFY(!app.m_NewAlwaysOffered);
}

void TestProgramStartup::settingsAreReadThenWrittenAfterTheWindow()
{
    CProgramRun run;
    run.Run();

    QStringList expected = Prefixed(QStringLiteral("read "), kGroups);
    // Without a recent file the welcome offers the window's start commands.
    expected << "species" << "window built" << "welcome" << "event loop" << "window gone";
    expected << Prefixed(QStringLiteral("write "), kGroups);
    QCOMPARE(run.m_Log, expected);
    QCOMPARE(run.m_Result, 0);
    // The groups that always hold a value (the others stay empty without one).
    for (const char *group : {"cmnsystemsettings", "bioterminologysettings", "systemsettings", "preferencesettings"})
        QVERIFY2(QSettings().childGroups().contains(group), qPrintable(group));
}

void TestProgramStartup::firstRunAsksForTheSpecies()
{
    CProgramRun first;
    first.Run();
    QCOMPARE(first.m_SpeciesShown.size(), 1);
    const CSpeciesShown &shown = first.m_SpeciesShown.first();
    QVERIFY(!shown.m_HasParent);
    QCOMPARE(shown.m_Title, QStringLiteral("Orvanta - Select Terminology"));
    QCOMPARE(shown.m_Columns, 2);
    QCOMPARE(shown.m_Choices, (QStringList{"Birds", "Cats", "Cattle", "Dogs", "Goats", "Horses", "People", "Pigs",
                                           "Rabbits", "Rats", "Sheep", "Other"}));
    QCOMPARE(shown.m_Codes, (QList<int>{0, 1, 11, 2, 9, 3, 4, 12, 5, 8, 10, 6}));
    QCOMPARE(shown.m_Preselected, QStringLiteral("Dogs"));
    QCOMPARE(shown.m_Header, QStringLiteral("<p>Welcome to Orvanta.</p><p>What type of animals do you want to "
                                            "produce<br/>pedigrees for?</p>"));
    QCOMPARE(shown.m_Footer,
             QStringLiteral("<p><b>NOTE</b>: Your choice here selects the <br/>terminology used by the program "
                            "initially.<br/>You can change this setting later by choosing<br/><b>Preferences</b> "
                            "(on the <b>File</b> menu), then<br/>selecting the <b>Terminology</b> tab.</p>"));
    QVERIFY(shown.m_ChoiceHelp);
    // Cancelled, and still the window came up.
    QVERIFY(first.m_Log.contains("window built"));
    QCOMPARE(QSettings().value("cmnsystemsettings/firsttimerun").toBool(), false);

    CProgramRun second;
    second.Run();
    QVERIFY(second.m_SpeciesShown.isEmpty());
}

void TestProgramStartup::chosenSpeciesGivesItsWords_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("species");
    QTest::addColumn<QString>("animal");

    QTest::newRow("Horses") << "Horses" << int(BioSpeciesHorses) << "Horse";
    QTest::newRow("Dogs") << "Dogs" << int(BioSpeciesDogs) << "Dog";
    QTest::newRow("cancelled") << "" << int(BioSpeciesOther) << "Animal";
}

void TestProgramStartup::chosenSpeciesGivesItsWords()
{
    QFETCH(QString, chosen);
    QFETCH(int, species);
    QFETCH(QString, animal);

    CProgramRun run;
    run.m_Species = chosen;
    CreateProgramSettings();
    {
        const CTestDialogRunnerScope runner = run.SpeciesRunner();
        QCOMPARE(AskSpecies(), !chosen.isEmpty());
    }
    QCOMPARE(run.m_SpeciesShown.size(), 1);
    QCOMPARE(GetBioTerminology()->Species(), species);
    QCOMPARE(GetBioTerm(BioTermAnimal), animal);
    DestroyProgramSettings();

    // The whole run stores the choice.
    run.Run();
    QCOMPARE(QSettings().value("bioterminologysettings/which").toInt(), species);
}

void TestProgramStartup::emptyStoreGivesTheDefaults()
{
    CProgramRun run;
    run.Run();

    const QSettings settings;
    QCOMPARE(settings.value("systemsettings/foldaccentsinindexes").toBool(), true);
    QCOMPARE(settings.value("preferencesettings/inbreeding/inbreedinggens").toInt(), 8);
    QCOMPARE(settings.value("preferencesettings/inbreeding/inbreedingdecimals").toInt(), 2);
}

void TestProgramStartup::damagedPreferencesGiveTheDefaults_data()
{
    QTest::addColumn<QVariant>("accents");
    QTest::addColumn<QVariant>("generations");
    QTest::addColumn<QVariant>("decimals");
    QTest::addColumn<bool>("expectedAccents");
    QTest::addColumn<int>("expectedGenerations");
    QTest::addColumn<int>("expectedDecimals");

    QTest::newRow("texts") << QVariant("maybe") << QVariant("lots") << QVariant("") << true << 8 << 2;
    QTest::newRow("bytes") << QVariant(QByteArray("\xff\x00", 2)) << QVariant(QByteArray("\x01", 1))
                           << QVariant(QByteArray()) << true << 8 << 2;
    QTest::newRow("out of range") << QVariant(7) << QVariant(2000000000) << QVariant(-5) << true << 24 << 0;
    QTest::newRow("stored values") << QVariant(false) << QVariant(12) << QVariant(4) << false << 12 << 4;
}

void TestProgramStartup::damagedPreferencesGiveTheDefaults()
{
    QFETCH(QVariant, accents);
    QFETCH(QVariant, generations);
    QFETCH(QVariant, decimals);
    QFETCH(bool, expectedAccents);
    QFETCH(int, expectedGenerations);
    QFETCH(int, expectedDecimals);

    {
        QSettings settings;
        settings.setValue("systemsettings/foldaccentsinindexes", accents);
        settings.setValue("preferencesettings/inbreeding/inbreedinggens", generations);
        settings.setValue("preferencesettings/inbreeding/inbreedingdecimals", decimals);
    }
    CreateProgramSettings();
    ExchangeProgramSettings(CCmnSettingsExchange(false));
    QCOMPARE(GetIgnoreAccentsSetting(), expectedAccents);
    QCOMPARE(BioGetInbreedingSettings()->m_Generations, expectedGenerations);
    QCOMPARE(BioGetInbreedingSettings()->m_Decimals, expectedDecimals);
    DestroyProgramSettings();
}

QTEST_MAIN(TestProgramStartup)
#include "tst_programstartup.moc"
