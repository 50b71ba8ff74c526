#include "bioinbreedingsettings.h"
#include "bioreg.h"
#include "biopreferenceinbreedingsettingstab.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmndockwidget.h"
#include "cmnframework.h"
#include "cmnspinbox.h"
#include "cmnwhatsthistexts.h"
#include "cmnpushbutton.h"
#include "document.h"
#include "documentgeneralsettingstab.h"
#include "documentsettingsdialog.h"
#include "documentwidget.h"
#include "preferencestesting.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "mainwindow.h"
#include "mainwindowtesting.h"
#include "preferencesdialog.h"
#include "programstartup.h"
#include "testdialogrunnerscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

namespace {

// The entries of a menu as the user reads them: texts without their marks, "-"
// for a separator.
QStringList MenuEntries(const QList<QAction *> &actions)
{
    QStringList entries;
    for (const QAction *action : actions) {
        if (action->isVisible())
            entries << (action->isSeparator() ? QStringLiteral("-") : OrvShownMnemonicText(action->text()));
    }
    return entries;
}

QMenu *MenuTitled(const QMenuBar *bar, const QString &title)
{
    for (QAction *action : bar->actions()) {
        if (action->menu() && OrvShownMnemonicText(action->text()) == title)
            return action->menu();
    }
    return nullptr;
}

// Plays the user of "File Settings": notes whether "Use Defaults" is offered,
// ticks "embed pictures" when asked to, then presses OK or Cancel.
TCmnDialogRunner FileSettingsUser(bool change, bool accept, bool *useDefaultsOffered)
{
    return [=](QDialog &shown) {
        auto &dialog = dynamic_cast<CDocumentSettingsDialog &>(shown);
        *useDefaultsOffered = OrvResetButton(dialog, QStringLiteral("Use Defaults")) != nullptr;
        if (change)
            dialog.GeneralTab()->EmbedPicsCheckBox()->setChecked(true);
        dialog.ButtonBox()->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return dialog.result();
    };
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menusOfTheFrame();
    void startsUntitledAndMaximised();
    void preferencesCommand();
    void preferencesCommandKeepsOnlyConfirmedChanges_data();
    void preferencesCommandKeepsOnlyConfirmedChanges();
    void rendersWithMessages();
    void extraButtonsStandForTheirCommands();
    void importCommandsAskBeforeChoosing_data();
    void importCommandsAskBeforeChoosing();
    void settingsCommandWithADocument_data();
    void settingsCommandWithADocument();
    void settingsCommandWithoutADocument_data();
    void settingsCommandWithoutADocument();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestMainWindow::initTestCase()
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
}

void TestMainWindow::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CreateProgramSettings();
}

void TestMainWindow::cleanup()
{
    DestroyProgramSettings();
    m_Settings.reset();
}

void TestMainWindow::menusOfTheFrame()
{
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CMainWindow window;
    CmnSetWhatsThisTexts(previous);

    QCOMPARE(MenuEntries(window.menuBar()->actions()), (QStringList{"File", "Record", "View", "-", "Help"}));
    // Every menu title has its own mark.
    QSet<QChar> marks;
    for (const QAction *action : window.menuBar()->actions()) {
        if (!action->isSeparator())
            marks.insert(action->text().at(action->text().indexOf('&') + 1).toUpper());
    }
    QCOMPARE(marks.size(), 4);

    QCOMPARE(MenuEntries(MenuTitled(window.menuBar(), "File")->actions()),
             (QStringList{"New...", "Open...", "Open Sample Pedigree Data File...", "Import Text/CSV Data...",
                          "Import From Halvane...", "Import From Dunmarra...", "-", "Save", "Save As...",
                          "Export Data...", "-", "Print Data...", "Print Preview Data...", "-", "Close", "-",
                          "Preferences...", "Settings...", "-", "Exit"}));
    QCOMPARE(MenuTitled(window.menuBar(), "File")->title(), QStringLiteral("&File"));
    QCOMPARE(MenuTitled(window.menuBar(), "Help")->title(), QStringLiteral("&Help"));
    QVERIFY(MenuTitled(window.menuBar(), "Record")->isEmpty());
    QCOMPARE(MenuEntries(MenuTitled(window.menuBar(), "View")->actions()),
             (QStringList{"Messages", "Copy Messages", "Save Messages..."}));
    QCOMPARE(MenuEntries(MenuTitled(window.menuBar(), "Help")->actions()),
             (QStringList{"Help Index...", "-", "-", "About Orvanta..."}));
    QCOMPARE(window.NamedMenus().keys().size(), 2);
}

void TestMainWindow::startsUntitledAndMaximised()
{
    CMainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta"));
    QCOMPARE(window.windowFilePath(), QString());
    QVERIFY(window.windowState().testFlag(Qt::WindowMaximized));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.centralWidget(), window.DocumentWidget());
    QCOMPARE(window.DocumentWidget()->objectName(), QStringLiteral("documentwidget"));
    QVERIFY(!window.HasDocument());
    QVERIFY(window.HasNewCommand());
    QVERIFY(!window.MessagesDock()->isVisible());
}

void TestMainWindow::preferencesCommand()
{
    CMainWindow window;
    QAction *preferences = window.PreferencesAction();
    QCOMPARE(OrvShownMnemonicText(preferences->text()), QStringLiteral("Preferences..."));
    QCOMPARE(preferences->statusTip(), QStringLiteral("View/modify preferences"));
    QCOMPARE(preferences->toolTip(), QStringLiteral("View/modify preferences"));
    // The desktop may have no key for it, and then the command has none.
    QCOMPARE(preferences->shortcut(), QKeySequence(QKeySequence::Preferences));
}

void TestMainWindow::preferencesCommandKeepsOnlyConfirmedChanges_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("decimals");

    QTest::newRow("OK") << true << 5;
    QTest::newRow("Cancel") << false << 3;
}

void TestMainWindow::preferencesCommandKeepsOnlyConfirmedChanges()
{
    QFETCH(bool, confirmed);
    QFETCH(int, decimals);

    BioGetInbreedingSettings()->m_Decimals = 3;
    int shownDecimals = -1;
    CTestDialogRunnerScope runner([&shownDecimals, confirmed](QDialog &dialog) {
        auto &preferences = dynamic_cast<CPreferencesDialog &>(dialog);
        CCmnSpinBox *precision = preferences.InbreedingTab()->PrecisionSpinBox();
        shownDecimals = precision->value();
        precision->setValue(5);
        if (!confirmed) {
            dialog.reject();
            return dialog.result();
        }
        return OrvAcceptDialog(dialog);
    });
    CMainWindow window;
    QVERIFY(OrvNewDocument(window));
    window.PreferencesAction()->trigger();

    QCOMPARE(runner.Titles(), QStringList{"Preferences"});
    // The open document's register works with the new values at once.
    QCOMPARE(window.Document()->GetRegister()->GetInbreedingSettings().m_Decimals, decimals);
    // The dialog starts from the program's values, and only OK gives them back.
    QCOMPARE(shownDecimals, 3);
    QCOMPARE(BioGetInbreedingSettings()->m_Decimals, decimals);
}

void TestMainWindow::rendersWithMessages()
{
    CMainWindow window;
    window.setWindowState(Qt::WindowNoState);
    window.resize(720, 480);
    window.show();
    window.AddMessages({QStringLiteral("Smith & Jones <UK>: the sire was not found"),
                        QStringLiteral("Ch. Kennelhaven's Long Name of the Northern Hills (Smith & Jones <UK>)")},
                       true);
    QVERIFY(window.MessagesDock()->isVisible());
    const QImage image = window.grab().toImage();
    QVERIFY(!image.isNull());
    const QString path = qEnvironmentVariable("ORV_RENDER_DIR");
    if (!path.isEmpty()) {
        QVERIFY(image.save(path + "/mainwindow.png"));
        QMenu *file = MenuTitled(window.menuBar(), "File");
        file->popup(window.mapToGlobal(QPoint(0, 0)));
        QVERIFY(file->grab().save(path + "/mainwindow-file.png"));
        file->hide();
    }
}

void TestMainWindow::extraButtonsStandForTheirCommands()
{
    CmnLoadWhatsThisTexts();
    CMainWindow window;
    QCOMPARE(window.PreferencesButton()->Action(), window.PreferencesAction());
    QCOMPARE(OrvShownMnemonicText(window.PreferencesButton()->text()), QStringLiteral("Preferences"));
    QCOMPARE(window.DocumentSettingsButton()->Action(), window.DocumentSettingsAction());
    QCOMPARE(OrvShownMnemonicText(window.DocumentSettingsAction()->text()), QStringLiteral("Settings..."));
    QCOMPARE(window.DocumentSettingsButton()->text(), QStringLiteral("File Settings"));
    QVERIFY(!window.PreferencesButton()->whatsThis().isEmpty());
    QVERIFY(!window.DocumentSettingsButton()->whatsThis().isEmpty());
}

void TestMainWindow::importCommandsAskBeforeChoosing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("filterStart");

    QTest::newRow("text") << "Import Text/CSV Data..." << "Import Text/CSV Data" << "Text files (";
    QTest::newRow("Halvane") << "Import From Halvane..." << "Import From Halvane" << "Halvane Data Files (";
    QTest::newRow("Dunmarra") << "Import From Dunmarra..." << "Import From Dunmarra" << "Dunmarra Data Files (";
}

void TestMainWindow::importCommandsAskBeforeChoosing()
{
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(QString, filterStart);

    CMainWindow window;
    QAction *action = nullptr;
    for (const CCmnMainWindowEx::TWelcomeCommand &start : window.WelcomeCommands())
        if (OrvShownMnemonicText(start.first->text()) == command)
            action = start.first;
    QVERIFY(action);
    QVERIFY(OrvNewDocument(window));
    window.Document()->SetModified(true);
    const CTestFileChooserScope chooser{QString()};
    {
        // Keeping the changed document ends the command before any file is asked for.
        CTestMessageBoxScope boxes;
        boxes.Answer(QMessageBox::Cancel);
        action->trigger();
        QCOMPARE(boxes.Texts().size(), 1);
        QCOMPARE(chooser.Requests().size(), 0);
    }
    window.Document()->SetModified(false);
    action->trigger();
    QCOMPARE(chooser.Requests().size(), 1);
    QCOMPARE(chooser.Requests().first().m_Caption, caption);
    QVERIFY2(chooser.Requests().first().m_Filter.startsWith(filterStart),
             qPrintable(chooser.Requests().first().m_Filter));
    QVERIFY(window.HasDocument());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

void TestMainWindow::settingsCommandWithADocument_data()
{
    QTest::addColumn<bool>("change");
    QTest::addColumn<bool>("accept");

    QTest::newRow("changed, OK") << true << true;
    QTest::newRow("unchanged, OK") << false << true;
    QTest::newRow("changed, Cancel") << true << false;
}

void TestMainWindow::settingsCommandWithADocument()
{
    QFETCH(bool, change);
    QFETCH(bool, accept);

    CMainWindow window;
    QVERIFY(OrvNewDocument(window));
    QVERIFY(window.DocumentSettingsAction()->isEnabled());
    const CDocumentSettings defaults = window.DefaultDocumentSettings();
    CTestMessageBoxScope boxes;
    bool useDefaultsOffered = false;
    const CTestDialogRunnerScope runner(FileSettingsUser(change, accept, &useDefaultsOffered));
    window.DocumentSettingsButton()->click();

    QCOMPARE(runner.Titles(), QStringList{"File Settings"});
    QVERIFY(useDefaultsOffered);
    QCOMPARE(boxes.Texts(), QStringList());
    const bool changed = change && accept;
    QCOMPARE(window.DocumentWidget()->Settings().m_GeneralSettings.m_EmbedPhotos, changed);
    // Only a real change gives the close question something to ask about.
    QCOMPARE(window.DocumentWidget()->IsSettingsModified(), changed);
    QCOMPARE(window.DefaultDocumentSettings(), defaults);
}

void TestMainWindow::settingsCommandWithoutADocument_data()
{
    QTest::addColumn<bool>("accept");

    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestMainWindow::settingsCommandWithoutADocument()
{
    QFETCH(bool, accept);

    CMainWindow window;
    QVERIFY(window.DocumentSettingsAction()->isEnabled());
    bool useDefaultsOffered = true;
    {
        CTestMessageBoxScope boxes;
        const CTestDialogRunnerScope runner(FileSettingsUser(true, accept, &useDefaultsOffered));
        window.DocumentSettingsAction()->trigger();
        QCOMPARE(boxes.Texts(), QStringList{"There is no file open. Changing the file settings will alter the "
                                            "<b>default</b> settings when you create a new file."});
        QCOMPARE(runner.Titles(), QStringList{"File Settings"});
    }
    QVERIFY(!useDefaultsOffered);
    QVERIFY(!window.HasDocument());
    QCOMPARE(window.DefaultDocumentSettings().m_GeneralSettings.m_EmbedPhotos, accept);
    // The next new document starts from them.
    QVERIFY(OrvNewDocument(window));
    QCOMPARE(window.DocumentWidget()->Settings().m_GeneralSettings.m_EmbedPhotos, accept);
    QVERIFY(!window.DocumentWidget()->IsSettingsModified());
}
