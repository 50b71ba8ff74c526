#include "cmndataexchange.h"
#include "cmndesktopopener.h"
#include "cmndialogbuttonbox.h"
#include "cmnexchangeflags.h"
#include "cmnmessageboxpresenter.h"
#include "cmntab.h"
#include "cmntabdialog.h"
#include "cmntabwidget.h"
#include "cmnwhatsthistexts.h"
#include "testdialogrunnerscope.h"
#include "testmessageboxscope.h"
#include "waitcursortesting.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A tab with one required number box, named by its label; it logs what it is asked
// to do into the dialog's log.
class CRecordingTab : public CCmnTab
{
public:
    CRecordingTab(const QString &name, QStringList *log)
        : m_Name(name), m_Log(log)
    {
    }

    void CreateControls() override
    {
        m_Edit = new QLineEdit;
        m_Other = new QLineEdit;
        auto *label = new QLabel(m_Name);
        label->setBuddy(m_Edit);
        TopLayout()->addWidget(label);
        TopLayout()->addWidget(m_Edit);
        TopLayout()->addWidget(m_Other);
        // Not the number box: a failing box must win the focus from it.
        SetInitialFocusWidget(m_Other);
        SetWidgetHelpName(this, m_Edit, "Value");
        FinishLayout();
    }

    bool DataExchange(CCmnDataExchange *context) override
    {
        *m_Log << m_Name + (context->m_Save ? " save" : " load");
        if (!context->ExchangeIntLineEdit(&m_Value, m_Edit, CmnExchangeRequired, 0, 0, 100, m_Name))
            return false;
        return CCmnTab::DataExchange(context);
    }

    void OnShown() override { *m_Log << m_Name + " shown"; }

    QString m_Name;
    QStringList *m_Log;
    qint32 m_Value = 1;
    QLineEdit *m_Edit = nullptr;
    QLineEdit *m_Other = nullptr;
};

class CRecordingTabDialog : public CCmnTabDialog
{
public:
    CRecordingTabDialog()
    {
        for (const char *name : {"General", "Photo", "Notes"}) {
            auto *tab = new CRecordingTab(name, &m_Log);
            m_Tabs << tab;
            AddTab(tab, name);
        }
    }

    QStringList m_Log;
    QList<CRecordingTab *> m_Tabs;
};

// What the dialog looked like when a message box came up.
struct CStateAtMessage
{
    int m_CurrentTab = -1;
    QWidget *m_Focus = nullptr;
    QString m_Text;
};

} // namespace

class TestCmnTabDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void failingTabBecomesCurrent();
    void cancelRunsNoExchange();
    void firstTab_data();
    void firstTab();
    void userSwitchShowsAndFocusesOnce();
    void helpFollowsCurrentTab();
    void noHelpNoHelpButton();
    void runSuspendsTheWaitCursor();
    void runnerAnswersTheRun();

private:
    TCmnWhatsThisTable m_PreviousTexts;
};

void TestCmnTabDialog::initTestCase()
{
    m_PreviousTexts = CmnSetWhatsThisTexts({{"Notes.html:Value", "Anything worth knowing about the animal."}});
}

void TestCmnTabDialog::cleanupTestCase()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
}

void TestCmnTabDialog::failingTabBecomesCurrent()
{
    CRecordingTabDialog dialog;
    dialog.Prepare();
    dialog.m_Log.clear();
    dialog.m_Tabs.at(1)->m_Edit->setText("many");
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    CStateAtMessage state;
    const TCmnMessageBoxPresenter previous = CmnSetMessageBoxPresenter([&](const CCmnMessageBoxRequest &request) {
        state = {dialog.TabWidget()->currentIndex(), dialog.focusWidget(), request.m_Text};
        return CCmnMessageBoxAnswer{request.m_DefaultButton, false};
    });
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    CmnSetMessageBoxPresenter(previous);

    QCOMPARE(state.m_CurrentTab, 1);
    QCOMPARE(state.m_Focus, dialog.m_Tabs.at(1)->m_Edit);
    QCOMPARE(state.m_Text, QString("<p>A value is required in the 'Photo' box</p>"));
    QVERIFY(!dialog.m_Log.contains("Notes save"));
    QVERIFY(dialog.m_Log.contains("General save"));
    QCOMPARE(accepted.count(), 0);

    dialog.m_Tabs.at(1)->m_Edit->setText("7");
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.m_Tabs.at(1)->m_Value, 7);
}

void TestCmnTabDialog::cancelRunsNoExchange()
{
    const CTestMessageBoxScope boxes;
    CRecordingTabDialog dialog;
    dialog.Prepare();
    dialog.m_Tabs.at(0)->m_Edit->setText("bad");
    QSignalSpy rejected(&dialog, &QDialog::rejected);

    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(dialog.m_Log, QStringList({"General load", "Photo load", "Notes load"}));
    QCOMPARE(boxes.Requests().size(), 0);
}

void TestCmnTabDialog::firstTab_data()
{
    QTest::addColumn<int>("page");   // position of the tab given by page; -1 for none
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("focused");

    QTest::newRow("nothing chosen") << -1 << -1 << "" << 0 << false;
    QTest::newRow("by name") << -1 << -1 << "Photo" << 1 << true;
    QTest::newRow("name matching no label") << -1 << -1 << "Pedigree" << 0 << false;
    QTest::newRow("name is case-sensitive") << -1 << -1 << "photo" << 0 << false;
    QTest::newRow("by index") << -1 << 2 << "" << 2 << true;
    QTest::newRow("index 0") << -1 << 0 << "Notes" << 0 << true;
    QTest::newRow("index past the end, by name") << -1 << 3 << "Photo" << 1 << true;
    QTest::newRow("index past the end, no name") << -1 << 7 << "" << 0 << false;
    QTest::newRow("page wins") << 2 << 1 << "Photo" << 2 << true;
}

void TestCmnTabDialog::firstTab()
{
    QFETCH(int, page);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, expected);
    QFETCH(bool, focused);

    CRecordingTabDialog dialog;
    if (page >= 0)
        dialog.SetInitialPage(dialog.m_Tabs.at(page));
    dialog.SetInitialIndex(index);
    dialog.SetInitialName(name);
    dialog.Prepare();

    QCOMPARE(dialog.TabWidget()->currentIndex(), expected);
    QCOMPARE(dialog.focusWidget(), focused ? dialog.m_Tabs.at(expected)->m_Other : nullptr);
    // Neither adding the tabs nor choosing the first one is a switch by the user.
    QCOMPARE(dialog.m_Log, QStringList({"General load", "Photo load", "Notes load"}));
}

void TestCmnTabDialog::userSwitchShowsAndFocusesOnce()
{
    CRecordingTabDialog dialog;
    dialog.Prepare();
    dialog.m_Log.clear();
    CRecordingTab *photo = dialog.m_Tabs.at(1);

    dialog.TabWidget()->setCurrentIndex(1);
    QCOMPARE(dialog.m_Log, QStringList({"Photo shown"}));
    QCOMPARE(dialog.focusWidget(), photo->m_Other);

    // Coming back, the page keeps the focus where the user left it.
    photo->m_Edit->setFocus();
    dialog.TabWidget()->setCurrentIndex(2);
    dialog.TabWidget()->setCurrentIndex(1);
    QCOMPARE(dialog.m_Log, QStringList({"Photo shown", "Notes shown", "Photo shown"}));
    QCOMPARE(dialog.focusWidget(), photo->m_Edit);
}

void TestCmnTabDialog::helpFollowsCurrentTab()
{
    QList<QUrl> opened;
    const TCmnUrlOpener previous = CmnSetUrlOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    CRecordingTabDialog dialog;
    dialog.m_Tabs.at(0)->SetHelpPage("General.html");
    dialog.m_Tabs.at(2)->SetHelpPage("Notes.html");
    dialog.Prepare();
    QPushButton *help = dialog.ButtonBox()->button(QDialogButtonBox::Help);
    QVERIFY(help);
    QVERIFY(help->isEnabled());

    dialog.TabWidget()->setCurrentIndex(1);
    QVERIFY(!help->isEnabled());
    dialog.TabWidget()->setCurrentIndex(2);
    QVERIFY(help->isEnabled());
    help->click();
    CmnSetUrlOpener(previous);

    QCOMPARE(opened.size(), 1);
    QVERIFY2(opened.first().toString().endsWith("/help/Notes.html"), qPrintable(opened.first().toString()));
    // Only the Notes tab has a What's This text, and that is enough for the button.
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

void TestCmnTabDialog::noHelpNoHelpButton()
{
    CRecordingTabDialog dialog;
    dialog.Prepare();
    QVERIFY(!dialog.ButtonBox()->button(QDialogButtonBox::Help));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

void TestCmnTabDialog::runSuspendsTheWaitCursor()
{
    const COrvWaitCursorRun run = OrvRunDuringLongOperation<CRecordingTabDialog>();
    QCOMPARE(run.m_Result, int(QDialog::Accepted));
    QVERIFY(!run.m_WaitCursorWhileRunning);
    QVERIFY(run.m_WaitCursorAfter);
}

// Tests answer a tab dialog as any other: it reaches the runner loaded, and OK
// saves every tab.
void TestCmnTabDialog::runnerAnswersTheRun()
{
    CRecordingTabDialog dialog;
    dialog.setWindowTitle("Smith & Jones <UK>");
    const CTestDialogRunnerScope runner([&dialog](QDialog &shown) {
        dialog.m_Tabs.at(2)->m_Edit->setText("42");
        return OrvAcceptDialog(shown);
    });
    QCOMPARE(dialog.Exec(), int(QDialog::Accepted));
    QCOMPARE(runner.Titles(), QStringList{"Smith & Jones <UK>"});
    QCOMPARE(dialog.m_Tabs.at(2)->m_Value, 42);
}

QTEST_MAIN(TestCmnTabDialog)
#include "tst_cmntabdialog.moc"
