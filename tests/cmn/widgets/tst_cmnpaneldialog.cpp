#include "cmndataexchange.h"
#include "cmndesktopopener.h"
#include "cmndialogbuttonbox.h"
#include "cmnexchangeflags.h"
#include "cmnpanel.h"
#include "cmnpaneldialog.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A panel with one required number box, built into its host's layout.
class CNumberPanel : public CCmnPanel
{
public:
    CNumberPanel(QBoxLayout *layout, const QString &helpPage)
    {
        SetHelpPage(helpPage);
        m_Edit = new QLineEdit;
        layout->addWidget(m_Edit);
        SetInitialFocusWidget(m_Edit);
        SetWidgetHelpName(this, m_Edit, "Columns");
    }

    bool DataExchange(CCmnDataExchange *context) override
    {
        if (!context->ExchangeIntLineEdit(&m_Value, m_Edit, CmnExchangeRequired, 0, 1, 9, "Columns"))
            return false;
        return CCmnPanel::DataExchange(context);
    }

    QLineEdit *m_Edit;
    qint32 m_Value = 2;
};

class CNumberPanelDialog : public CCmnPanelDialog
{
public:
    explicit CNumberPanelDialog(const QString &helpPage)
    {
        m_Panel = QSharedPointer<CNumberPanel>::create(MainLayout(), helpPage);
        SetPanel(m_Panel);
    }

    QSharedPointer<CNumberPanel> m_Panel;
};

} // namespace

class TestCmnPanelDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void takesHelpFromPanel();
    void panelWithoutHelp();
    void exchangesThroughPanel();
    void withoutPanel();

private:
    TCmnWhatsThisTable m_PreviousTexts;
};

void TestCmnPanelDialog::initTestCase()
{
    m_PreviousTexts = CmnSetWhatsThisTexts({{"CsvColumnsPanel.html:Columns", "How many columns the file has."}});
}

void TestCmnPanelDialog::cleanupTestCase()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
}

void TestCmnPanelDialog::takesHelpFromPanel()
{
    QList<QUrl> opened;
    const TCmnUrlOpener previous = CmnSetUrlOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    CNumberPanelDialog dialog("CsvColumnsPanel.html");
    dialog.Prepare();
    QVERIFY(dialog.HasHelp());
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QPushButton *help = dialog.ButtonBox()->button(QDialogButtonBox::Help);
    QVERIFY(help);
    help->click();
    CmnSetUrlOpener(previous);

    QCOMPARE(opened.size(), 1);
    QVERIFY2(opened.first().toString().endsWith("/help/CsvColumnsPanel.html"), qPrintable(opened.first().toString()));
    QCOMPARE(dialog.focusWidget(), dialog.m_Panel->m_Edit);
}

void TestCmnPanelDialog::panelWithoutHelp()
{
    CNumberPanelDialog dialog{QString()};
    dialog.Prepare();
    QVERIFY(!dialog.ButtonBox()->button(QDialogButtonBox::Help));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

void TestCmnPanelDialog::exchangesThroughPanel()
{
    CTestMessageBoxScope boxes;
    CNumberPanelDialog dialog{QString()};
    dialog.Prepare();
    QCOMPARE(dialog.m_Panel->m_Edit->text(), QString("2"));
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    dialog.m_Panel->m_Edit->clear();
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Parent, &dialog);

    dialog.m_Panel->m_Edit->setText("5");
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.m_Panel->m_Value, 5);
}

void TestCmnPanelDialog::withoutPanel()
{
    CCmnPanelDialog dialog;
    dialog.Prepare();
    QVERIFY(!dialog.HasHelp());
    QVERIFY(!dialog.ButtonBox()->button(QDialogButtonBox::Help));
    CCmnDataExchange save(true, &dialog);
    QVERIFY(dialog.DataExchange(&save));
}

QTEST_MAIN(TestCmnPanelDialog)
#include "tst_cmnpaneldialog.moc"
