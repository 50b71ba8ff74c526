#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmndialogbuttonbox.h"
#include "cmnenumradioselectdialog.h"
#include "cmnframework.h"
#include "cmnradiobutton.h"
#include "cmnrunapplication.h"
#include "cmnsystemsettings.h"
#include "cmnwhatsthistexts.h"
#include "testmainwindow.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"

#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

constexpr qint32 kOk = QMessageBox::Ok;
constexpr qint32 kWelcomeId = 106;
constexpr qint32 kUpdateId = 103;
// A welcome answer: press Cancel instead of choosing.
const QString kCancel = QStringLiteral("<cancel>");
// Appended to a welcome answer: tick the check box too.
const QString kTick = QStringLiteral("+tick");

const QString kRecent = QStringLiteral("/data/Kennel.orv");
const QString kLastFile = QStringLiteral("Open the file you used last [Kennel.orv]");
const QString kNew = QStringLiteral("Start a new pedigree data file");
const QString kOther = QStringLiteral("Open a different pedigree data file");
const QString kSample = QStringLiteral("Open a sample pedigree data file");
const QString kImport = QStringLiteral("Import from a text/CSV file");
const QString kFileSelection = QStringLiteral("<p>Orvanta will now display a file selection window.</p>"
                                              "<p>Use this to select the pedigree data file you wish to open.</p>");
const QString kFromNowOn = QStringLiteral("<p>From now on, whenever you run Orvanta it will always try to open the "
                                          "pedigree data file you used most recently.</p><p>Use the <b>File</b> "
                                          "menu to open a different file.</p>");

QString Open(const QString &path)
{
    return QStringLiteral("OpenDocument(%1, 0)").arg(path);
}

const QString kNewDocument = QStringLiteral("NewDocument()");
const QString kOpenWithDialog = QStringLiteral("OpenDocumentWithDialog()");

// Lets a start that keeps reopening a file that cannot be opened end after a few
// tries, so that the test fails on the calls instead of running for ever.
class CBoundedMainWindow : public CTestMainWindow
{
public:
    bool OpenDocument(const QString &path, qint32 flags) override
    {
        const bool opened = CTestMainWindow::OpenDocument(path, flags);
        return opened || Calls().size() > 10;
    }
};

// A welcome dialog as the user saw it.
struct CWelcomeShown
{
    bool m_OnMainWindow = false;
    QString m_Title;
    QString m_Header;
    QString m_CheckBoxText;
    QStringList m_Choices;
    // What the radio buttons show, marks taken out.
    QStringList m_RadioTexts;
    QString m_Preselected;
    bool m_ChoiceHelp = false;
    bool m_CheckBoxHelp = false;
};

// One start of the program with a recording main window, scripted welcome answers
// and an event loop that returns at once with a given exit code.
struct CStart
{
    QStringList m_Arguments{QStringLiteral("orvanta")};
    bool m_HasNew = true;
    QStringList m_Commands;
    QString m_Recent;
    // Paths the window fails to open.
    QStringList m_Unopenable;
    QString m_UpdateInfo;
    int m_ExitCode = 0;
    // Welcome answers in order: the text of the choice to click (kTick appended to
    // tick the check box), or kCancel.
    QStringList m_Answers;

    // What the start did.
    int m_Result = -1;
    QStringList m_CallsBeforeLoop;
    QStringList m_CallsAfterLoop;
    bool m_ShownBeforeLoop = false;
    QStringList m_Triggered;
    QList<CWelcomeShown> m_Welcomes;
    // Only to compare with the parents of the messages; gone after the run.
    const QWidget *m_Window = nullptr;

    void Run()
    {
        QSettings().setValue(QStringLiteral("mainwindow/mru"),
                             m_Recent.isEmpty() ? QStringList() : QStringList{m_Recent, "/data/Older.orv"});
        CBoundedMainWindow window;
        m_Window = &window;
        window.SetHasNewCommand(m_HasNew);
        window.SetUpdateInfo(m_UpdateInfo);
        for (const QString &path : std::as_const(m_Unopenable))
            window.SetUnopenable(path);
        std::vector<std::unique_ptr<QAction>> actions;
        for (const QString &label : std::as_const(m_Commands)) {
            actions.push_back(std::make_unique<QAction>(label.isEmpty() ? QStringLiteral("Unlabelled") : label));
            QAction *action = actions.back().get();
            QObject::connect(action, &QAction::triggered, [this, action] { m_Triggered << action->text(); });
            window.AddWelcomeCommand(action, label);
        }

        CCmnRunApplicationHooks hooks;
        hooks.m_Arguments = m_Arguments;
        hooks.m_EventLoop = [this, &window] {
            m_CallsBeforeLoop = window.Calls();
            m_ShownBeforeLoop = window.isVisible();
            return m_ExitCode;
        };
        hooks.m_RunWelcomeDialog = [this](CCmnEnumRadioSelectDialog &dialog) { return Answer(dialog); };
        m_Result = CmnRunApplication(&window, hooks);
        m_CallsAfterLoop = window.Calls().mid(m_CallsBeforeLoop.size());
    }

    int Answer(CCmnEnumRadioSelectDialog &dialog)
    {
        dialog.Prepare();
        CWelcomeShown shown;
        shown.m_OnMainWindow = dialog.parentWidget() == m_Window;
        shown.m_Title = dialog.windowTitle();
        shown.m_Header = dialog.m_Header;
        shown.m_CheckBoxText = dialog.m_CheckBoxText;
        for (const QAbstractButton *radio : dialog.RadioButtons())
            shown.m_RadioTexts << OrvShownMnemonicText(radio->text());
        for (qsizetype i = 0; i < dialog.m_Choices.size(); ++i) {
            shown.m_Choices << dialog.m_Choices.at(i).m_Text;
            if (dialog.RadioButtons().at(i)->isChecked())
                shown.m_Preselected = dialog.m_Choices.at(i).m_Text;
        }
        shown.m_ChoiceHelp = !dialog.RadioButtons().isEmpty() && !dialog.RadioButtons().first()->whatsThis().isEmpty();
        shown.m_CheckBoxHelp = dialog.CheckBox() && !dialog.CheckBox()->whatsThis().isEmpty();
        m_Welcomes << shown;

        // A flow that keeps asking would never end: give up after a few.
        QString answer = m_Welcomes.size() > 5 || m_Answers.isEmpty() ? kCancel : m_Answers.takeFirst();
        if (answer == kCancel) {
            dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
            return dialog.result();
        }
        const bool tick = answer.endsWith(kTick);
        if (tick)
            answer.chop(kTick.size());
        const qsizetype row = shown.m_Choices.indexOf(answer);
        if (row < 0) {
            qWarning("No welcome choice \"%s\"", qPrintable(answer));
            dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
            return dialog.result();
        }
        dialog.RadioButtons().at(row)->setChecked(true);
        dialog.CheckBox()->setChecked(tick);
        dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
        return dialog.result();
    }

    QStringList WelcomeChoicesShown() const
    {
        QStringList shown;
        for (const CWelcomeShown &welcome : m_Welcomes)
            shown << welcome.m_Choices.join(QStringLiteral(" / "));
        return shown;
    }
};

CCmnAppDescriptor &App()
{
    return CmnGetAppDescriptor();
}

} // namespace

class TestCmnRunApplication : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandLineDocument_data();
    void commandLineDocument();
    void startUpChoice_data();
    void startUpChoice();
    void welcomeDialogOffersTheStarts();
    void welcomePreselects_data();
    void welcomePreselects();
    void welcomeCommandIsTriggered();
    void afterTheLoop_data();
    void afterTheLoop();
    void helpTextsLoadedBeforeTheWelcome();
    void welcomeShowsTheRecentNameAsTyped_data();
    void welcomeShowsTheRecentNameAsTyped();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
    TCmnWhatsThisTable m_PreviousTexts;
};

void TestCmnRunApplication::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.AddDocumentType(QStringLiteral("orv"), QStringLiteral("Orvanta files"));
    descriptor.AddDocumentType(QStringLiteral("bak"), QStringLiteral("Backups"));
    descriptor.SetDocumentType(QStringLiteral("orv"), QStringLiteral("Orvanta files"));
    descriptor.m_DocumentNoun = QStringLiteral("file");
    descriptor.m_DocumentTypeName = QStringLiteral("pedigree data file");
    CmnInitFramework(descriptor);
}

void TestCmnRunApplication::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CmnCreateSystemSettings();
    m_PreviousTexts = CmnWhatsThisTexts();
    // As main sets them.
    App().m_WelcomeDialog = true;
    App().m_ReopenLastDocument = true;
    App().m_OpenDialogAtStartup = true;
}

void TestCmnRunApplication::cleanup()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
    CmnDestroySystemSettings();
    m_Settings.reset();
}

void TestCmnRunApplication::commandLineDocument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<qsizetype>("welcomes");
    QTest::newRow("extension in capitals")
        << QStringList{"orvanta", "/data/Kennel.ORV"} << true << QStringList{Open("/data/Kennel.ORV")} << qsizetype(0);
    QTest::newRow("second registered extension")
        << QStringList{"orvanta", "/data/Kennel.Bak"} << true << QStringList{Open("/data/Kennel.Bak")} << qsizetype(0);
    QTest::newRow("failing open still settles the start")
        << QStringList{"orvanta", "/data/Gone.orv"} << false << QStringList{Open("/data/Gone.orv")} << qsizetype(0);
    QTest::newRow("only the first argument counts")
        << QStringList{"orvanta", "/data/a.orv", "/data/b.orv"} << true << QStringList{Open("/data/a.orv")}
        << qsizetype(0);
    QTest::newRow("other extension is ignored")
        << QStringList{"orvanta", "/data/dogs.csv"} << true << QStringList{kNewDocument} << qsizetype(1);
    QTest::newRow("extension without its dot is ignored")
        << QStringList{"orvanta", "/data/kennelorv"} << true << QStringList{kNewDocument} << qsizetype(1);
    QTest::newRow("no argument") << QStringList{"orvanta"} << true << QStringList{kNewDocument} << qsizetype(1);
}

void TestCmnRunApplication::commandLineDocument()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, opens);
    QFETCH(QStringList, calls);
    QFETCH(qsizetype, welcomes);

    CTestMessageBoxScope boxes;
    CStart start;
    start.m_Arguments = arguments;
    start.m_Answers = QStringList{kNew};
    if (!opens)
        start.m_Unopenable << arguments.at(1);
    start.Run();
    QCOMPARE(start.m_CallsBeforeLoop, calls);
    QCOMPARE(start.m_Welcomes.size(), welcomes);
}

void TestCmnRunApplication::startUpChoice_data()
{
    QTest::addColumn<bool>("welcome");
    QTest::addColumn<bool>("reopen");
    QTest::addColumn<bool>("openDialog");
    QTest::addColumn<bool>("hasNew");
    QTest::addColumn<qint32>("remembered");
    QTest::addColumn<QString>("recent");
    QTest::addColumn<bool>("recentGone");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("welcomes");   // the choices of each welcome dialog
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<qint32>("rememberedAfter");

    const QString lastNewOther = QStringList{kLastFile, kNew, kOther}.join(" / ");
    const QString newOther = QStringList{kNew, kOther}.join(" / ");

    QTest::newRow("first start: welcome, New")
        << true << true << true << true << 0 << "" << false << QStringList{kNew} << QStringList{kNewDocument}
        << QStringList{newOther} << QStringList{} << 0;
    QTest::newRow("welcome: last file")
        << true << true << true << true << 0 << kRecent << false << QStringList{kLastFile}
        << QStringList{Open(kRecent)} << QStringList{lastNewOther} << QStringList{} << 0;
    QTest::newRow("welcome: a different file")
        << true << true << true << true << 0 << kRecent << false << QStringList{kOther}
        << QStringList{kOpenWithDialog} << QStringList{lastNewOther} << QStringList{} << 0;
    QTest::newRow("welcome cancelled: the empty start stays")
        << true << true << true << true << 0 << kRecent << false << QStringList{kCancel} << QStringList{}
        << QStringList{lastNewOther} << QStringList{} << 0;
    QTest::newRow("ticked: remembered and explained")
        << true << true << true << true << 0 << kRecent << false << QStringList{kNew + kTick}
        << QStringList{kNewDocument} << QStringList{lastNewOther} << QStringList{kFromNowOn} << kOk;
    QTest::newRow("ticked without reopening: remembered only")
        << true << false << true << true << 0 << kRecent << false << QStringList{kNew + kTick}
        << QStringList{kNewDocument} << QStringList{lastNewOther} << QStringList{} << kOk;
    QTest::newRow("last file gone: welcome again, check box ignored")
        << true << true << true << true << 0 << kRecent << true << QStringList{kLastFile + kTick, kOther}
        << QStringList{Open(kRecent), kOpenWithDialog} << QStringList{lastNewOther, lastNewOther} << QStringList{}
        << 0;
    QTest::newRow("remembered: the most recent file reopens silently")
        << true << true << true << true << kOk << kRecent << false << QStringList{} << QStringList{Open(kRecent)}
        << QStringList{} << QStringList{} << kOk;
    QTest::newRow("remembered, most recent gone: answer forgotten, welcome back")
        << true << true << true << true << kOk << kRecent << true << QStringList{kNew}
        << QStringList{Open(kRecent), kNewDocument} << QStringList{lastNewOther} << QStringList{} << 0;
    QTest::newRow("remembered, nothing recent: New")
        << true << true << true << true << kOk << "" << false << QStringList{} << QStringList{kNewDocument}
        << QStringList{} << QStringList{} << kOk;
    QTest::newRow("no welcome: most recent gone, New")
        << false << true << true << true << 0 << kRecent << true << QStringList{}
        << QStringList{Open(kRecent), kNewDocument} << QStringList{} << QStringList{} << 0;
    QTest::newRow("no welcome, no reopening: New")
        << false << false << true << true << 0 << kRecent << false << QStringList{} << QStringList{kNewDocument}
        << QStringList{} << QStringList{} << 0;
    QTest::newRow("no New command: open-file dialog")
        << false << false << true << false << 0 << "" << false << QStringList{} << QStringList{kOpenWithDialog}
        << QStringList{} << QStringList{} << 0;
    QTest::newRow("no New command, no open dialog: nothing")
        << false << false << false << false << 0 << "" << false << QStringList{} << QStringList{} << QStringList{}
        << QStringList{} << 0;
    QTest::newRow("nothing to offer: file selection message, open-file dialog")
        << true << true << true << false << 0 << "" << false << QStringList{} << QStringList{kOpenWithDialog}
        << QStringList{} << QStringList{kFileSelection} << 0;
    QTest::newRow("nothing to offer, no reopening: open-file dialog without message")
        << true << false << true << false << 0 << "" << false << QStringList{} << QStringList{kOpenWithDialog}
        << QStringList{} << QStringList{} << 0;
    // The most recent entry names no file, so the welcome dialog has nothing to
    // offer, and it cannot be opened: the reopen is tried once, then the start
    // falls through to the open-file dialog instead of taking turns for ever, and
    // announces that dialog once.
    QTest::newRow("nothing to offer, most recent unusable: the loop ends")
        << true << true << true << false << 0 << "/data/" << true << QStringList{}
        << QStringList{Open("/data/"), kOpenWithDialog} << QStringList{} << QStringList{kFileSelection} << 0;
    QTest::newRow("remembered, nothing to offer, most recent unusable: the loop ends")
        << true << true << true << false << kOk << "/data/" << true << QStringList{}
        << QStringList{Open("/data/"), kOpenWithDialog} << QStringList{} << QStringList{kFileSelection} << 0;
}

void TestCmnRunApplication::startUpChoice()
{
    QFETCH(bool, welcome);
    QFETCH(bool, reopen);
    QFETCH(bool, openDialog);
    QFETCH(bool, hasNew);
    QFETCH(qint32, remembered);
    QFETCH(QString, recent);
    QFETCH(bool, recentGone);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, welcomes);
    QFETCH(QStringList, messages);
    QFETCH(qint32, rememberedAfter);

    App().m_WelcomeDialog = welcome;
    App().m_ReopenLastDocument = reopen;
    App().m_OpenDialogAtStartup = openDialog;
    CmnGetSystemSettings()->SetDontAskAgainResult(kWelcomeId, remembered);
    CTestMessageBoxScope boxes;
    CStart start;
    start.m_HasNew = hasNew;
    start.m_Recent = recent;
    if (recentGone)
        start.m_Unopenable << recent;
    start.m_Answers = answers;
    start.Run();

    QCOMPARE(start.m_CallsBeforeLoop, calls);
    QCOMPARE(start.WelcomeChoicesShown(), welcomes);
    QCOMPARE(boxes.Texts(), messages);
    QCOMPARE(start.m_Answers, QStringList());
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(kWelcomeId), rememberedAfter);
    for (const CCmnMessageBoxRequest &request : boxes.Requests()) {
        QCOMPARE(request.m_Icon, QMessageBox::Information);
        QCOMPARE(request.m_Title, QString("Orvanta"));
        QCOMPARE(request.m_Parent, start.m_Window);
        QCOMPARE(request.m_Options.m_MessageId, 0);
    }
}

void TestCmnRunApplication::welcomeDialogOffersTheStarts()
{
    CStart start;
    start.m_Recent = kRecent;
    start.m_Commands = QStringList{kSample, QString(), kImport};
    start.m_Answers = QStringList{kNew};
    start.Run();

    QCOMPARE(start.m_Welcomes.size(), 1);
    const CWelcomeShown &shown = start.m_Welcomes.first();
    QCOMPARE(shown.m_Title, QString("Orvanta - Welcome"));
    QCOMPARE(shown.m_Header, QString("<p>Welcome to Orvanta.</p><p>How would you like to start?</p>"));
    QCOMPARE(shown.m_CheckBoxText, QString("Don't show this window in future"));
    QVERIFY(shown.m_OnMainWindow);
    QCOMPARE(shown.m_Choices, (QStringList{kLastFile, kNew, kOther, kSample, kImport}));
    QCOMPARE(shown.m_Preselected, kLastFile);
    QCOMPARE(start.m_CallsBeforeLoop, QStringList{kNewDocument});
}

void TestCmnRunApplication::welcomePreselects_data()
{
    QTest::addColumn<QString>("recent");
    QTest::addColumn<bool>("hasNew");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("preselected");
    QTest::newRow("the last file first") << kRecent << true << QStringList{kSample} << kLastFile;
    QTest::newRow("else the first start command") << "" << true << QStringList{"", kImport, kSample} << kImport;
    QTest::newRow("else New") << "" << true << QStringList{} << kNew;
    QTest::newRow("else a different file") << "" << false << QStringList{""} << kOther;
}

void TestCmnRunApplication::welcomePreselects()
{
    QFETCH(QString, recent);
    QFETCH(bool, hasNew);
    QFETCH(QStringList, commands);
    QFETCH(QString, preselected);

    CStart start;
    start.m_Recent = recent;
    start.m_HasNew = hasNew;
    start.m_Commands = commands;
    start.m_Answers = QStringList{kCancel};
    start.Run();
    QCOMPARE(start.m_Welcomes.size(), 1);
    QCOMPARE(start.m_Welcomes.first().m_Preselected, preselected);
}

void TestCmnRunApplication::welcomeCommandIsTriggered()
{
    CTestMessageBoxScope boxes;
    CStart start;
    start.m_Commands = QStringList{kSample, kImport};
    start.m_Answers = QStringList{kImport + kTick};
    start.Run();

    QCOMPARE(start.m_Triggered, QStringList{kImport});
    QCOMPARE(start.m_CallsBeforeLoop, QStringList());
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(kWelcomeId), kOk);
    QCOMPARE(boxes.Texts(), QStringList{kFromNowOn});
}

void TestCmnRunApplication::afterTheLoop_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("updateInfo");
    QTest::addColumn<qint32>("updateAnswer");   // remembered for the update notice
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("noticeShown");
    QTest::newRow("orderly end saves the window's settings")
        << 0 << "" << 0 << QStringList{"ParseUpdateInfo()", "SaveSettings()"} << false;
    QTest::newRow("update notice, then the settings")
        << 0 << "<p>Version 2 is out.</p>" << 0 << QStringList{"ParseUpdateInfo()", "SaveSettings()"} << true;
    QTest::newRow("other exit code: nothing saved")
        << 3 << "<p>Version 2 is out.</p>" << 0 << QStringList{"ParseUpdateInfo()"} << true;
    QTest::newRow("notice the user asked not to see")
        << 0 << "<p>Version 2 is out.</p>" << kOk << QStringList{"ParseUpdateInfo()", "SaveSettings()"} << false;
}

void TestCmnRunApplication::afterTheLoop()
{
    QFETCH(int, exitCode);
    QFETCH(QString, updateInfo);
    QFETCH(qint32, updateAnswer);
    QFETCH(QStringList, calls);
    QFETCH(bool, noticeShown);

    CmnGetSystemSettings()->SetDontAskAgainResult(kUpdateId, updateAnswer);
    CTestMessageBoxScope boxes;
    CStart start;
    start.m_ExitCode = exitCode;
    start.m_UpdateInfo = updateInfo;
    start.m_Answers = QStringList{kNew};
    start.Run();

    QCOMPARE(start.m_Result, exitCode);
    QVERIFY(start.m_ShownBeforeLoop);
    QCOMPARE(start.m_CallsBeforeLoop, QStringList{kNewDocument});
    QCOMPARE(start.m_CallsAfterLoop, calls);
    QCOMPARE(boxes.Requests().size(), qsizetype(noticeShown ? 1 : 0));
    if (noticeShown) {
        const CCmnMessageBoxRequest &notice = boxes.Requests().first();
        QCOMPARE(notice.m_Icon, QMessageBox::Information);
        QCOMPARE(notice.m_Parent, nullptr);
        QCOMPARE(notice.m_Title, QString("Orvanta Update"));
        QCOMPARE(notice.m_Text, updateInfo);
        QCOMPARE(notice.m_Options.m_Flags, qint32(CCmnMessageBoxOptions::ApplicationModal));
        QCOMPARE(notice.m_Options.m_MessageId, kUpdateId);
        QCOMPARE(notice.m_Options.m_CheckBoxText, QString("Don't show me messages about updates in future"));
    }
}

void TestCmnRunApplication::helpTextsLoadedBeforeTheWelcome()
{
    CmnSetWhatsThisTexts({});
    CStart start;
    start.m_Answers = QStringList{kNew};
    start.Run();
    QCOMPARE(start.m_Welcomes.size(), 1);
    QVERIFY(start.m_Welcomes.first().m_ChoiceHelp);
    QVERIFY(start.m_Welcomes.first().m_CheckBoxHelp);
    QVERIFY(!CmnWhatsThisTexts().isEmpty());
}

void TestCmnRunApplication::welcomeShowsTheRecentNameAsTyped_data()
{
    OrvAddUserTextColumn();
}

void TestCmnRunApplication::welcomeShowsTheRecentNameAsTyped()
{
    QFETCH(QString, typed);
    CStart start;
    start.m_Recent = QStringLiteral("/data/") + typed + QStringLiteral(".orv");
    start.m_Answers = QStringList{kNew};
    start.Run();

    QCOMPARE(start.m_Welcomes.size(), 1);
    QCOMPARE(start.m_Welcomes.first().m_RadioTexts.value(0),
             QStringLiteral("Open the file you used last [%1.orv]").arg(typed));
}

QTEST_MAIN(TestCmnRunApplication)
#include "tst_cmnrunapplication.moc"
