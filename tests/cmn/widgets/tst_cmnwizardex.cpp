#include "cmndataexchange.h"
#include "cmndesktopopener.h"
#include "cmnappdescriptor.h"
#include "cmnexchangeflags.h"
#include "cmnmessageboxpresenter.h"
#include "cmnpanel.h"
#include "cmntextfile.h"
#include "cmnwhatsthistexts.h"
#include "cmnwizardex.h"
#include "cmnwizardpageex.h"
#include "cmnwizardpanelpage.h"
#include "acceleratortesting.h"
#include "testdata.h"
#include "testdialogrunnerscope.h"
#include "testmessageboxscope.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char kLittersHelp[] = "BreedWizard_Litters.html";
const char kColumnsHelp[] = "CsvColumnsPanel.html";

// What the wizard edits: one number per page, and page 1's choice to skip page 2.
struct CBreedData
{
    qint32 m_Values[3] = {1, 2, 3};
    bool m_SkipSecond = false;
};

// A page with a required number box (1 to 9) named by its label, and a second
// edit that takes the initial focus. The first page also has the skip choice.
class CValuePage : public CCmnWizardPageEx
{
public:
    CValuePage(CBreedData *data, qint32 index, const QString &helpPage)
        : m_Data(data), m_Index(index)
    {
        m_Name = QStringLiteral("Litters %1").arg(index + 1);
        SetHelpPage(helpPage);
        m_Label = new QLabel(m_Name);
        m_Edit = new QLineEdit;
        m_Label->setBuddy(m_Edit);
        m_Other = new QLineEdit;
        PageLayout()->addWidget(m_Label);
        PageLayout()->addWidget(m_Edit);
        PageLayout()->addWidget(m_Other);
        if (m_Index == 0) {
            m_Skip = new QCheckBox("Skip the next page");
            PageLayout()->addWidget(m_Skip);
        }
        // Not the first control: QWizard's own choice of focus must not win.
        SetInitialFocusWidget(m_Other);
        SetWidgetHelpName(this, m_Edit, "Value");
        ApplyLayout();
    }

    void InitPageData() override
    {
        ++m_Inits;
        m_Snapshot = *m_Data;
    }

    void CommitPageData() override
    {
        ++m_Commits;
        m_Data->m_Values[m_Index] = m_Snapshot.m_Values[m_Index];
        if (m_Skip)
            m_Data->m_SkipSecond = m_Snapshot.m_SkipSecond;
    }

    bool DataExchange(CCmnDataExchange *context) override
    {
        ++(context->m_Save ? m_Saves : m_Loads);
        if (!context->ExchangeIntLineEdit(&m_Data->m_Values[m_Index], m_Edit, CmnExchangeRequired, 0, 1, 9, m_Name))
            return false;
        if (m_Skip && !context->ExchangeCheckBox(&m_Data->m_SkipSecond, m_Skip))
            return false;
        return CCmnWizardPageEx::DataExchange(context);
    }

    int nextId() const override
    {
        if (m_Skip && m_Data->m_SkipSecond)
            return m_SkipTo;
        return CCmnWizardPageEx::nextId();
    }

    CBreedData *m_Data;
    qint32 m_Index;
    CBreedData m_Snapshot;
    QString m_Name;
    QLabel *m_Label;
    QLineEdit *m_Edit;
    QLineEdit *m_Other;
    QCheckBox *m_Skip = nullptr;
    qint32 m_SkipTo = -1;
    qint32 m_Inits = 0;
    qint32 m_Commits = 0;
    qint32 m_Loads = 0;
    qint32 m_Saves = 0;
};

// Three framework pages; the first one has the help page given.
class CBreedWizard : public CCmnWizardEx
{
public:
    explicit CBreedWizard(const QString &firstHelpPage = QString())
    {
        for (qint32 index = 0; index < 3; ++index) {
            auto *page = new CValuePage(&m_Data, index, index == 0 ? firstHelpPage : QString());
            m_Pages << page;
            m_Ids << AddOwnPage(page);
        }
        m_Pages.first()->m_SkipTo = m_Ids.last();
    }

    CBreedData m_Data;
    QList<CValuePage *> m_Pages;
    QList<qint32> m_Ids;
};

// An ordinary Qt page, counting QWizard's calls.
class COrdinaryPage : public QWizardPage
{
public:
    void initializePage() override { ++m_Inits; }
    qint32 m_Inits = 0;
};

// A panel with a plain edit and, taking the initial focus, a required number box;
// built into its host's layout, it edits the host's number directly.
class CColumnsPanel : public CCmnPanel
{
public:
    CColumnsPanel(QBoxLayout *layout, qint32 *columns)
        : m_Columns(columns)
    {
        SetHelpPage(kColumnsHelp);
        m_First = new QLineEdit;
        m_Edit = new QLineEdit;
        layout->addWidget(m_First);
        layout->addWidget(m_Edit);
        SetInitialFocusWidget(m_Edit);
        SetWidgetHelpName(this, m_Edit, "Columns");
    }

    bool DataExchange(CCmnDataExchange *context) override
    {
        if (!context->ExchangeIntLineEdit(m_Columns, m_Edit, CmnExchangeRequired, 0, 1, 9, "Columns"))
            return false;
        return CCmnPanel::DataExchange(context);
    }

    qint32 *m_Columns;
    QLineEdit *m_First;
    QLineEdit *m_Edit;
};

// A panel page; without a number to edit it gets no panel.
class CColumnsPage : public CCmnWizardPanelPage
{
public:
    explicit CColumnsPage(qint32 *columns)
        : m_Columns(columns)
    {
        setTitle("Columns");
        if (m_Columns) {
            m_Panel = QSharedPointer<CColumnsPanel>::create(PageLayout(), m_Columns);
            SetPanel(m_Panel);
        }
        ApplyLayout();
    }

    void InitPageData() override { m_Snapshot = m_Columns ? *m_Columns : 0; }
    void CommitPageData() override
    {
        if (m_Columns)
            *m_Columns = m_Snapshot;
    }

    qint32 *m_Columns;
    qint32 m_Snapshot = 0;
    QSharedPointer<CColumnsPanel> m_Panel;
};

// Reads its settings from the parameters, as the import and export wizards do.
class CParameterWizard : public CCmnWizardEx
{
public:
    void ApplyParameters() override { m_Applied << GetParameter("columns"); }
    QStringList m_Applied;
};

QList<qint32> Commits(const CBreedWizard &wizard)
{
    QList<qint32> commits;
    for (const CValuePage *page : wizard.m_Pages)
        commits << page->m_Commits;
    return commits;
}

QList<qint32> Values(const CBreedData &data)
{
    return {data.m_Values[0], data.m_Values[1], data.m_Values[2]};
}

} // namespace

class TestCmnWizardEx : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void buildsPagesOnFirstVisitAndLoadsOnEvery();
    void givesInitialFocusOnFirstShowingOnly();
    void validatesOnNext_data();
    void validatesOnNext();
    void finishSavesTheLastPage();
    void rollsBackPagesLeftByBack_data();
    void rollsBackPagesLeftByBack();
    void runnerAnswersTheRun();
    void helpFollowsThePage();
    void ordinaryPagesKeepQtBehaviour();
    void whatsThisButtonForPageTexts_data();
    void whatsThisButtonForPageTexts();
    void panelPageWorksThroughItsPanel();
    void panelPageWithoutPanel();
    void readsCompanionParameterFile();
    void missingParameterFileClearsParameters();
    void oversizedParameterFileGivesNone_data();
    void oversizedParameterFileGivesNone();
    void getsParameterByExactKey_data();
    void getsParameterByExactKey();

private:
    TCmnWhatsThisTable m_PreviousTexts;
    QString m_PreviousShortName;
};

void TestCmnWizardEx::initTestCase()
{
    m_PreviousTexts = CmnSetWhatsThisTexts({{QString(kLittersHelp) + ":Value", "How many litters the dam had."},
                                            {QString(kColumnsHelp) + ":Columns", "How many columns the file has."}});
    m_PreviousShortName = CmnGetAppDescriptor().m_ShortNameLower;
    CmnGetAppDescriptor().m_ShortNameLower = "orv";
}

void TestCmnWizardEx::cleanupTestCase()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
    CmnGetAppDescriptor().m_ShortNameLower = m_PreviousShortName;
}

void TestCmnWizardEx::buildsPagesOnFirstVisitAndLoadsOnEvery()
{
    CBreedWizard wizard;
    wizard.Prepare();
    QCOMPARE(wizard.currentId(), wizard.m_Ids[0]);
    QCOMPARE(wizard.m_Pages[0]->m_Edit->text(), QString("1"));
    QVERIFY(wizard.m_Pages[1]->m_Label->text().indexOf('&') < 0);

    wizard.next();
    wizard.back();
    wizard.next();
    QCOMPARE(wizard.currentId(), wizard.m_Ids[1]);
    QCOMPARE(wizard.m_Pages[1]->m_Inits, 1);
    QCOMPARE(wizard.m_Pages[1]->m_Loads, 2);
    // Back shows page 1 again without loading it.
    QCOMPARE(wizard.m_Pages[0]->m_Inits, 1);
    QCOMPARE(wizard.m_Pages[0]->m_Loads, 1);
    QCOMPARE(wizard.InitialisedPages(), (QList<qint32>{wizard.m_Ids[0], wizard.m_Ids[1]}));
    QCOMPARE(OrvMarkedCharacter(wizard.m_Pages[1]->m_Label->text()), QChar('L'));

    // The page never visited is neither built nor, at acceptance, committed.
    wizard.Conclude(QDialog::Accepted);
    QCOMPARE(wizard.m_Pages[2]->m_Inits, 0);
    QCOMPARE(wizard.m_Pages[2]->m_Loads, 0);
    QCOMPARE(wizard.m_Pages[2]->m_Label->text(), QString("Litters 3"));
    QCOMPARE(Commits(wizard), (QList<qint32>{0, 0, 0}));
}

void TestCmnWizardEx::givesInitialFocusOnFirstShowingOnly()
{
    CBreedWizard wizard;
    wizard.Prepare();
    QCOMPARE(wizard.focusWidget(), wizard.m_Pages[0]->m_Other);
    wizard.next();
    QCOMPARE(wizard.focusWidget(), wizard.m_Pages[1]->m_Other);

    // Shown again, the page keeps QWizard's choice: its first control.
    wizard.back();
    wizard.next();
    QCOMPARE(wizard.focusWidget(), wizard.m_Pages[1]->m_Edit);
}

void TestCmnWizardEx::validatesOnNext_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<qint32>("value");

    QTest::newRow("empty") << "" << false << 1;
    QTest::newRow("above maximum") << "12" << false << 1;
    QTest::newRow("good") << "4" << true << 4;
}

void TestCmnWizardEx::validatesOnNext()
{
    QFETCH(QString, text);
    QFETCH(bool, moves);
    QFETCH(qint32, value);

    CTestMessageBoxScope boxes;
    CBreedWizard wizard;
    wizard.Prepare();
    CValuePage *page = wizard.m_Pages[0];
    page->m_Edit->setText(text);
    wizard.next();

    QCOMPARE(wizard.currentId(), wizard.m_Ids[moves ? 1 : 0]);
    QCOMPARE(wizard.m_Data.m_Values[0], value);
    QCOMPARE(page->m_Saves, 1);
    QCOMPARE(boxes.Requests().size(), moves ? 0 : 1);
    if (!moves) {
        const CCmnMessageBoxRequest &request = boxes.Requests().first();
        QCOMPARE(request.m_Parent, &wizard);
        QVERIFY2(request.m_Text.contains("'Litters 1'"), qPrintable(request.m_Text));
        QCOMPARE(wizard.focusWidget(), page->m_Edit);
        QCOMPARE(wizard.m_Pages[1]->m_Inits, 0);
    }
}

void TestCmnWizardEx::finishSavesTheLastPage()
{
    CTestMessageBoxScope boxes;
    CBreedWizard wizard;
    wizard.Prepare();
    wizard.next();
    wizard.next();
    QAbstractButton *finish = wizard.button(QWizard::FinishButton);

    wizard.m_Pages[2]->m_Edit->clear();
    finish->click();
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(wizard.result(), int(QDialog::Rejected));
    QCOMPARE(wizard.currentId(), wizard.m_Ids[2]);

    wizard.m_Pages[2]->m_Edit->setText("6");
    finish->click();
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QCOMPARE(wizard.m_Data.m_Values[2], 6);
}

void TestCmnWizardEx::rollsBackPagesLeftByBack_data()
{
    QTest::addColumn<bool>("finish");
    QTest::addColumn<QList<qint32>>("values");
    QTest::addColumn<QList<qint32>>("commits");

    // Page 2 lies off the final path: its saved 7 gives way to its snapshot.
    QTest::newRow("finished") << true << QList<qint32>{5, 2, 8} << QList<qint32>{0, 1, 0};
    // Cancelling restores nothing; the creator discards the data.
    QTest::newRow("cancelled") << false << QList<qint32>{5, 7, 3} << QList<qint32>{0, 0, 0};
}

void TestCmnWizardEx::rollsBackPagesLeftByBack()
{
    QFETCH(bool, finish);
    QFETCH(QList<qint32>, values);
    QFETCH(QList<qint32>, commits);

    CBreedWizard wizard;
    wizard.Prepare();
    wizard.m_Pages[0]->m_Edit->setText("5");
    wizard.next();
    wizard.m_Pages[1]->m_Edit->setText("7");
    wizard.next();
    wizard.back();
    wizard.back();
    wizard.m_Pages[0]->m_Skip->setChecked(true);
    wizard.next();
    QCOMPARE(wizard.currentId(), wizard.m_Ids[2]);
    QCOMPARE(wizard.m_Data.m_Values[1], 7);

    wizard.m_Pages[2]->m_Edit->setText("8");
    wizard.button(finish ? QWizard::FinishButton : QWizard::CancelButton)->click();
    QCOMPARE(wizard.result(), int(finish ? QDialog::Accepted : QDialog::Rejected));
    wizard.Conclude(wizard.result());

    QCOMPARE(Values(wizard.m_Data), values);
    QCOMPARE(wizard.m_Data.m_SkipSecond, true);
    QCOMPARE(Commits(wizard), commits);
}

// Tests answer a wizard as any other dialog; what it concludes follows the
// runner's answer, as it follows the user's.
void TestCmnWizardEx::runnerAnswersTheRun()
{
    CBreedWizard wizard;
    const CTestDialogRunnerScope runner([&wizard](QDialog &) {
        wizard.next();
        wizard.back();
        wizard.m_Pages[0]->m_Skip->setChecked(true);
        wizard.next();
        wizard.button(QWizard::FinishButton)->click();
        return wizard.result();
    });
    QCOMPARE(wizard.Exec(), int(QDialog::Accepted));
    // Page 2, left by Back and then skipped, gets its snapshot back.
    QCOMPARE(Commits(wizard), (QList<qint32>{0, 1, 0}));
}

void TestCmnWizardEx::helpFollowsThePage()
{
    QList<QUrl> opened;
    const TCmnUrlOpener previous = CmnSetUrlOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    CBreedWizard wizard(kLittersHelp);
    wizard.Prepare();
    QAbstractButton *help = wizard.button(QWizard::HelpButton);
    QVERIFY(help->isEnabled());
    help->click();

    wizard.next();
    const bool enabledOnSecond = help->isEnabled();
    wizard.back();
    const bool enabledAfterBack = help->isEnabled();
    CmnSetUrlOpener(previous);

    QCOMPARE(opened.size(), 1);
    QVERIFY2(opened.first().toString().endsWith(QString("/help/") + kLittersHelp),
             qPrintable(opened.first().toString()));
    QVERIFY(!enabledOnSecond);
    QVERIFY(enabledAfterBack);
}

void TestCmnWizardEx::ordinaryPagesKeepQtBehaviour()
{
    QList<QUrl> opened;
    const TCmnUrlOpener previous = CmnSetUrlOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    CCmnWizardEx wizard;
    auto *ordinary = new COrdinaryPage;
    wizard.addPage(ordinary);
    CBreedData data;
    auto *own = new CValuePage(&data, 0, kLittersHelp);
    const qint32 ownId = wizard.AddOwnPage(own);
    wizard.Prepare();
    wizard.button(QWizard::HelpButton)->click();
    CmnSetUrlOpener(previous);

    QCOMPARE(ordinary->m_Inits, 1);
    QVERIFY(opened.isEmpty());
    QVERIFY(wizard.InitialisedPages().isEmpty());
    QCOMPARE(wizard.OwnPage(wizard.currentId()), nullptr);
    QCOMPARE(wizard.OwnPage(ownId), own);
}

void TestCmnWizardEx::whatsThisButtonForPageTexts_data()
{
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<bool>("button");

    QTest::newRow("text registered") << kLittersHelp << true;
    QTest::newRow("no text") << "BreedWizard_Notes.html" << false;
}

void TestCmnWizardEx::whatsThisButtonForPageTexts()
{
    QFETCH(QString, helpPage);
    QFETCH(bool, button);

    CBreedWizard wizard(helpPage);
    wizard.Prepare();
    QCOMPARE(wizard.windowFlags().testFlag(Qt::WindowContextHelpButtonHint), button);
    QCOMPARE(wizard.isVisible(), false);
}

void TestCmnWizardEx::panelPageWorksThroughItsPanel()
{
    CTestMessageBoxScope boxes;
    QList<QUrl> opened;
    const TCmnUrlOpener previous = CmnSetUrlOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    qint32 columns = 2;
    CBreedData data;
    CCmnWizardEx wizard;
    auto *page = new CColumnsPage(&columns);
    const qint32 pageId = wizard.AddOwnPage(page);
    const qint32 nextId = wizard.AddOwnPage(new CValuePage(&data, 1, QString()));
    wizard.Prepare();
    QVERIFY(wizard.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(page->m_Panel->m_Edit->text(), QString("2"));
    QCOMPARE(wizard.focusWidget(), page->m_Panel->m_Edit);
    QVERIFY(wizard.button(QWizard::HelpButton)->isEnabled());
    wizard.button(QWizard::HelpButton)->click();
    CmnSetUrlOpener(previous);
    QCOMPARE(opened.size(), 1);
    QVERIFY2(opened.first().toString().endsWith(QString("/help/") + kColumnsHelp),
             qPrintable(opened.first().toString()));

    page->m_Panel->m_Edit->clear();
    wizard.next();
    QCOMPARE(wizard.currentId(), pageId);
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Parent, &wizard);

    page->m_Panel->m_Edit->setText("5");
    wizard.next();
    QCOMPARE(wizard.currentId(), nextId);
    QCOMPARE(columns, 5);
}

void TestCmnWizardEx::panelPageWithoutPanel()
{
    CColumnsPage page(nullptr);
    QVERIFY(!page.HasHelp());
    QVERIFY(!page.HasWhatsThis());
    CCmnDataExchange save(true, nullptr, &page);
    QVERIFY(page.DataExchange(&save));
    page.ShowHelp(nullptr);
    page.SetInitialFocus();
}

void TestCmnWizardEx::readsCompanionParameterFile()
{
    // The file being imported need not exist: only its companion is read.
    CParameterWizard wizard;
    wizard.LoadParameters(OrvTestDataFile("herd.csv"));
    QCOMPARE(wizard.Parameters(), QStringList{"columns:a,b,c"});
    QCOMPARE(wizard.m_Applied, QStringList{"a,b,c"});
}

void TestCmnWizardEx::missingParameterFileClearsParameters()
{
    CTestMessageBoxScope boxes;
    const QTemporaryDir folder;
    CParameterWizard wizard;
    wizard.LoadParameters(OrvTestDataFile("herd.csv"));
    wizard.LoadParameters(folder.filePath("herd.csv"));
    QVERIFY(wizard.Parameters().isEmpty());
    QCOMPARE(wizard.m_Applied, (QStringList{"a,b,c", ""}));
    QVERIFY(boxes.Requests().isEmpty());
}

void TestCmnWizardEx::oversizedParameterFileGivesNone_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QStringList>("parameters");
    QTest::newRow("at the limit") << kCmnMaxParameterFileBytes << QStringList{"columns:a,b,c"};
    QTest::newRow("over the limit") << kCmnMaxParameterFileBytes + 1 << QStringList{};
}

void TestCmnWizardEx::oversizedParameterFileGivesNone()
{
    QFETCH(qint64, size);
    QFETCH(QStringList, parameters);
    const QTemporaryDir folder;
    QFile file(folder.filePath("herd-orv.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // One parameter, then a comment that fills the file to the size.
    QByteArray bytes("columns:a,b,c\n#");
    bytes += QByteArray(size - bytes.size(), 'x');
    QCOMPARE(file.write(bytes), size);
    file.close();

    CTestMessageBoxScope boxes;
    CParameterWizard wizard;
    wizard.LoadParameters(folder.filePath("herd.csv"));
    QCOMPARE(wizard.Parameters(), parameters);
    QVERIFY(boxes.Requests().isEmpty());
}

void TestCmnWizardEx::getsParameterByExactKey_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("longer key first") << QByteArray("separator:tab\nsep:comma\n") << "sep" << "comma";
    QTest::newRow("empty value") << QByteArray("sep:\n") << "sep" << "";
    QTest::newRow("first of two") << QByteArray("sep:tab\nsep:comma\n") << "sep" << "tab";
    QTest::newRow("value with colon") << QByteArray("date:dd:mm\n") << "date" << "dd:mm";
    QTest::newRow("case differs") << QByteArray("Sep:tab\n") << "sep" << "";
    QTest::newRow("comment is no parameter") << QByteArray("#sep:tab\n") << "#sep" << "";
}

void TestCmnWizardEx::getsParameterByExactKey()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, value);

    const QTemporaryDir folder;
    QFile parameters(folder.filePath("herd-orv.txt"));
    QVERIFY(parameters.open(QIODevice::WriteOnly));
    QCOMPARE(parameters.write(file), file.size());
    parameters.close();

    CParameterWizard wizard;
    wizard.LoadParameters(folder.filePath("herd.csv"));
    QCOMPARE(wizard.GetParameter(key), value);
}

QTEST_MAIN(TestCmnWizardEx)
#include "tst_cmnwizardex.moc"
