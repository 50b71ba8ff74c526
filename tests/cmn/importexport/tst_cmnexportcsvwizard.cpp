#include "exporttesting.h"

#include "cmnappdescriptor.h"
#include "cmnautomaticorcustompanel.h"
#include "cmncheckbox.h"
#include "cmnexportcsvformatpage.h"
#include "cmnexportcsvformatpanel.h"
#include "cmnexportcsvwizard.h"
#include "cmnexporttextencodingpage.h"
#include "cmnfilehiddensettings.h"
#include "cmnframework.h"
#include "cmnlineedit.h"
#include "cmnregexportcolspage.h"
#include "cmnsystemsettings.h"
#include "cmnwhatsthistexts.h"
#include "rendertesting.h"
#include "testsettingsscope.h"

#include <QTemporaryDir>
#include <QTest>

using namespace OrvExport;

class TestCmnExportCSVWizard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsEncodingFormatAndColumns();
    void remembersTheCustomFormatPerFile();

private:
    CTestSettingsScope m_Settings;
    QTemporaryDir m_Folder;
};

void TestCmnExportCSVWizard::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
    CmnLoadWhatsThisTexts();
}

void TestCmnExportCSVWizard::init()
{
    CmnCreateSystemSettings();
    CmnCreateFileHiddenSettings();
}

void TestCmnExportCSVWizard::cleanup()
{
    CmnDestroyFileHiddenSettings();
    CmnDestroySystemSettings();
}

void TestCmnExportCSVWizard::showsEncodingFormatAndColumns()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    CCmnRegExportColumns columns = Columns({kName, kNotes});
    CCmnExportCSVWizard wizard(m_Folder.filePath(QStringLiteral("Smith & Jones <UK> herd.csv")), 0, 0x14);
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Export CSV"));
    CCmnCsvFormat comma;
    comma.SetCommaSeparated(true);
    wizard.CsvFormat().SetDeduced(comma);
    wizard.AddOwnPage(new CCmnRegExportColsPage(*reg, &columns));
    wizard.Prepare();

    QStringList titles;
    for (int page = 0; page < 3; ++page) {
        titles << wizard.currentPage()->title();
        QVERIFY(OrvRenderForReview(wizard, QSize(560, 460), QStringLiteral("export-wizard-page%1.png").arg(page + 1)));
        wizard.next();
    }
    QCOMPARE(titles, (QStringList{"Character Encoding", "Column Formatting", "Columns"}));
    CCmnExportCSVFormatPanel *format = wizard.FormatPage()->ChoicePanel();
    QVERIFY(!format->CheckBox()->isChecked());
    QVERIFY(!format->CheckBox()->whatsThis().isEmpty());
    QVERIFY(!wizard.EncodingPage()->ChoicePanel()->CheckBox()->whatsThis().isEmpty());
}

void TestCmnExportCSVWizard::remembersTheCustomFormatPerFile()
{
    const QString path = m_Folder.filePath(QStringLiteral("out.csv"));
    {
        CCmnExportCSVWizard wizard(path, 0, 0x14);
        wizard.LoadFileSettings();
        wizard.Prepare();
        wizard.next();
        CCmnExportCSVFormatPanel *panel = wizard.FormatPage()->ChoicePanel();
        panel->CheckBox()->click();
        panel->SeparatorEdit()->setText(QStringLiteral(";"));
        wizard.button(QWizard::FinishButton)->click();
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        wizard.StoreFileSettings();
    }
    CCmnExportCSVWizard again(path, 0, 0x14);
    again.LoadFileSettings();
    QVERIFY(!again.CsvFormat().m_Automatic);
    QCOMPARE(again.CsvFormat().Effective().Separator(), QChar(u';'));
    CCmnExportCSVWizard other(m_Folder.filePath(QStringLiteral("other.csv")), 0, 0x14);
    other.LoadFileSettings();
    QVERIFY(other.CsvFormat().m_Automatic);
}

QTEST_MAIN(TestCmnExportCSVWizard)
#include "tst_cmnexportcsvwizard.moc"
