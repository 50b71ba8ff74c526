#include "cmndataexchange.h"
#include "cmndesktopopener.h"
#include "cmndialogbuttonbox.h"
#include "cmndialogex.h"
#include "cmnexchangeflags.h"
#include "cmnwaitcursor.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"
#include "waitcursortesting.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWhatsThisClickedEvent>

namespace {

const QString kHelpPage = QStringLiteral("CBreedDialog.html");

// A dialog with one labelled number box that logs each step of its show order, and
// what was in place when the values were loaded.
class CRecordingDialog : public CCmnDialogEx
{
public:
    explicit CRecordingDialog(const QString &helpName = QString())
        : m_HelpName(helpName)
    {
    }

    bool DataExchange(CCmnDataExchange *context) override
    {
        if (context->m_Save) {
            m_Log << "save";
        } else {
            m_Log << QStringLiteral("load: accelerator %1, What's This button %2, first %3")
                         .arg(m_Label->text().contains('&'))
                         .arg(windowFlags().testFlag(Qt::WindowContextHelpButtonHint))
                         .arg(IsFirstLoad(context));
        }
        if (!context->ExchangeIntLineEdit(&m_Litters, m_Edit, CmnExchangeRequired, 0, 1, 20, "Litters"))
            return false;
        return CCmnDialogEx::DataExchange(context);
    }

    void SetInitialFocus() override
    {
        m_Log << "initial focus";
        CCmnDialogEx::SetInitialFocus();
    }

    QStringList m_Log;
    qint32 m_Litters = 3;
    QLineEdit *m_Edit = nullptr;
    QLineEdit *m_Other = nullptr;
    QLabel *m_Label = nullptr;

protected:
    void AddControls(QBoxLayout *layout) override
    {
        m_Log << "controls";
        m_Label = new QLabel("Litters");
        m_Edit = new QLineEdit;
        m_Other = new QLineEdit;
        m_Label->setBuddy(m_Edit);
        layout->addWidget(m_Other);
        layout->addWidget(m_Label);
        layout->addWidget(m_Edit);
        SetInitialFocusWidget(m_Edit);
        SetWidgetHelpName(this, m_Edit, m_HelpName);
    }

    void AddControlsAfterButtonBox(QBoxLayout *) override
    {
        m_Log << (ButtonBox() ? "after button box" : "before button box");
    }

private:
    QString m_HelpName;
};

} // namespace

class TestCmnDialogEx : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void showsInOrder();
    void whatsThisButtonOnlyWithText_data();
    void whatsThisButtonOnlyWithText();
    void whatsThisTextIsStyled();
    void okStaysOpenUntilSaveSucceeds();
    void cancelRunsNoExchange();
    void helpButtonOpensPage();
    void noHelpPageNoHelpButton();
    void whatsThisLinkOpensPage();
    void initialFocusOnlyOnce();
    void verticalButtonsSitBesideControls();
    void runSuspendsTheWaitCursor();

private:
    TCmnWhatsThisTable m_PreviousTexts;
    TCmnUrlOpener m_PreviousOpener;
    QList<QUrl> m_Opened;
};

void TestCmnDialogEx::initTestCase()
{
    m_PreviousTexts = CmnSetWhatsThisTexts({
        {kHelpPage + ":Litters", "The number of litters. <img src='images/litter.png'>"},
        {kHelpPage + ":!Litters", "Never attached."},
    });
}

void TestCmnDialogEx::cleanupTestCase()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
}

void TestCmnDialogEx::init()
{
    m_Opened.clear();
    m_PreviousOpener = CmnSetUrlOpener([this](const QUrl &url) {
        m_Opened << url;
        return true;
    });
}

void TestCmnDialogEx::cleanup()
{
    CmnSetUrlOpener(m_PreviousOpener);
}

void TestCmnDialogEx::showsInOrder()
{
    CRecordingDialog dialog("Litters");
    dialog.SetHelpPage(kHelpPage);
    dialog.Prepare();
    dialog.Prepare();   // a second call changes nothing

    QCOMPARE(dialog.m_Log, QStringList({"controls", "after button box",
                                        "load: accelerator 1, What's This button 1, first 1", "initial focus"}));
    QCOMPARE(dialog.m_Edit->text(), QString("3"));
    QCOMPARE(dialog.focusWidget(), dialog.m_Edit);
    QCOMPARE(dialog.layout()->indexOf(dialog.ButtonBox()), 3);
}

void TestCmnDialogEx::whatsThisButtonOnlyWithText_data()
{
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<QString>("helpName");
    QTest::addColumn<bool>("button");
    QTest::newRow("text attached") << kHelpPage << "Litters" << true;
    QTest::newRow("no text for the name") << kHelpPage << "Weight" << false;
    QTest::newRow("exclamation mark in the name") << kHelpPage << "!Litters" << false;
    QTest::newRow("no help page") << "" << "Litters" << false;
}

void TestCmnDialogEx::whatsThisButtonOnlyWithText()
{
    QFETCH(QString, helpPage);
    QFETCH(QString, helpName);
    QFETCH(bool, button);

    CRecordingDialog dialog(helpName);
    dialog.SetHelpPage(helpPage);
    dialog.Prepare();
    QCOMPARE(dialog.HasWhatsThis(), button);
    QCOMPARE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint), button);
    QCOMPARE(dialog.m_Edit->whatsThis().isEmpty(), !button);
}

void TestCmnDialogEx::whatsThisTextIsStyled()
{
    CRecordingDialog dialog("Litters");
    dialog.SetHelpPage(kHelpPage);
    dialog.Prepare();
    const QString html = dialog.m_Edit->whatsThis();
    QVERIFY2(html.startsWith("<html><style type=\"text/css\">body { color: #4C2626; }div.example"), qPrintable(html));
    QVERIFY2(html.endsWith("</style><body>The number of litters. <img src=':/cmn/pixmaps/litter.png'></body></html>"),
             qPrintable(html));
}

void TestCmnDialogEx::okStaysOpenUntilSaveSucceeds()
{
    CTestMessageBoxScope boxes;
    CRecordingDialog dialog;
    dialog.Prepare();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.m_Edit->setText("25");
    dialog.m_Other->setFocus();

    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Text, QString("<p>Maximum value 20 expected in the 'Litters' box</p>"));
    QCOMPARE(dialog.focusWidget(), dialog.m_Edit);
    QCOMPARE(dialog.m_Litters, 3);

    dialog.m_Edit->setText("12");
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_Litters, 12);
}

void TestCmnDialogEx::cancelRunsNoExchange()
{
    CTestMessageBoxScope boxes;
    CRecordingDialog dialog;
    dialog.Prepare();
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.m_Edit->setText("not a number");

    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dialog.m_Log.contains("save"));
    QCOMPARE(boxes.Requests().size(), 0);
}

void TestCmnDialogEx::helpButtonOpensPage()
{
    CRecordingDialog dialog;
    dialog.SetHelpPage(kHelpPage);
    dialog.Prepare();
    QPushButton *help = dialog.ButtonBox()->button(QDialogButtonBox::Help);
    QVERIFY(help);

    help->click();
    QCOMPARE(m_Opened.size(), 1);
    QVERIFY2(m_Opened.first().toString().endsWith("/help/" + kHelpPage), qPrintable(m_Opened.first().toString()));
}

void TestCmnDialogEx::noHelpPageNoHelpButton()
{
    CRecordingDialog dialog;
    dialog.Prepare();
    QVERIFY(!dialog.ButtonBox()->button(QDialogButtonBox::Help));
    dialog.Slot_HelpRequested();
    QCOMPARE(m_Opened.size(), 0);
}

void TestCmnDialogEx::whatsThisLinkOpensPage()
{
    CRecordingDialog dialog;
    QWhatsThisClickedEvent link("CBioRegRecordGeneralTab.html");
    QVERIFY(QCoreApplication::sendEvent(&dialog, &link));
    QWhatsThisClickedEvent empty("");
    QVERIFY(QCoreApplication::sendEvent(&dialog, &empty));
    QCOMPARE(m_Opened.size(), 1);
    QVERIFY(m_Opened.first().toString().endsWith("/help/CBioRegRecordGeneralTab.html"));
}

void TestCmnDialogEx::initialFocusOnlyOnce()
{
    CRecordingDialog dialog;
    dialog.Prepare();
    QCOMPARE(dialog.focusWidget(), dialog.m_Edit);
    dialog.m_Other->setFocus();
    dialog.SetInitialFocus();
    QCOMPARE(dialog.focusWidget(), dialog.m_Other);

    // A first call that finds no widget still spends the initial focus.
    CCmnDialogEx empty;
    QLineEdit later(&empty);
    empty.SetInitialFocus();
    empty.SetInitialFocusWidget(&later);
    empty.SetInitialFocus();
    QVERIFY(empty.focusWidget() != &later);
}

void TestCmnDialogEx::verticalButtonsSitBesideControls()
{
    CRecordingDialog dialog;
    dialog.SetButtonOrientation(Qt::Vertical);
    dialog.SetStandardButtons(QDialogButtonBox::Close);
    dialog.Prepare();
    auto *outer = qobject_cast<QHBoxLayout *>(dialog.layout());
    QVERIFY(outer);
    QCOMPARE(outer->itemAt(0)->layout(), dialog.MainLayout());
    QCOMPARE(dialog.ButtonBox()->orientation(), Qt::Vertical);
    QCOMPARE(dialog.ButtonBox()->standardButtons(), QDialogButtonBox::Close);
}

void TestCmnDialogEx::runSuspendsTheWaitCursor()
{
    const COrvWaitCursorRun run = OrvRunDuringLongOperation<CCmnDialogEx>();
    QCOMPARE(run.m_Result, int(QDialog::Accepted));
    QVERIFY(!run.m_WaitCursorWhileRunning);
    QVERIFY(run.m_WaitCursorAfter);
}

QTEST_MAIN(TestCmnDialogEx)
#include "tst_cmndialogex.moc"
