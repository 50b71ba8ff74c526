#include "exporttesting.h"

#include "cmnappdescriptor.h"
#include "cmnautomaticorcustompanel.h"
#include "cmncheckbox.h"
#include "cmnexportcsvformatpage.h"
#include "cmnexportcsvformatpanel.h"
#include "cmnexportcsvwizard.h"
#include "cmnfilehiddensettings.h"
#include "cmnframework.h"
#include "cmnlineedit.h"
#include "cmnprintdialog.h"
#include "cmnprintpreviewdialogex.h"
#include "cmnprintpreviewwidgetex.h"
#include "cmnradiobutton.h"
#include "cmnregexportcolsdialog.h"
#include "cmnregtableexport.h"
#include "cmnrememberedvalues.h"
#include "cmnsystemsettings.h"
#include "cmntextfile.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "testpdftools.h"
#include "testsettingsscope.h"
#include "testurlopenerscope.h"
#include "testzipentries.h"
#include "usertexts.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace OrvExport;

namespace {

const QString kOfferToView = QStringLiteral("Would you like to view the file you just created?");

// Answers the windows of an export as the user would: the text wizard walked
// to Finish (with a look at its format page first), the columns dialog and the
// print dialog accepted, the preview looked at and closed.
class CExportUser
{
public:
    std::function<void(CCmnExportCSVWizard &)> m_OnFormatPage;
    std::function<void(CCmnPrintPreviewDialogEx &)> m_OnPreview;
    QString m_PrintToFile;
    QStringList m_Titles;

    int Run(QDialog &dialog)
    {
        m_Titles << dialog.windowTitle();
        if (auto *wizard = qobject_cast<CCmnExportCSVWizard *>(&dialog)) {
            wizard->next();
            if (m_OnFormatPage)
                m_OnFormatPage(*wizard);
            wizard->next();
            wizard->button(QWizard::FinishButton)->click();
            return wizard->result();
        }
        if (auto *preview = qobject_cast<CCmnPrintPreviewDialogEx *>(&dialog)) {
            preview->show();
            if (m_OnPreview)
                m_OnPreview(*preview);
            return QDialog::Rejected;
        }
        if (auto *print = qobject_cast<CCmnPrintDialog *>(&dialog)) {
            print->printer()->setOutputFileName(m_PrintToFile);
            return QDialog::Accepted;
        }
        return OrvAcceptDialog(dialog);
    }
};

QSharedPointer<CBioReg> RegisterOf(int animals)
{
    auto reg = QSharedPointer<CBioReg>::create(FieldsSettings());
    for (int i = 1; i <= animals; ++i)
        AddExportAnimal(*reg, QStringLiteral("Smith & Jones <UK> %1 with a rather long kennel name").arg(i),
                        QString(), i % 7, QStringLiteral("%1/03/2020").arg(i % 28 + 1));
    return reg;
}

} // namespace

class TestCmnRegTableExport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void customSeparatorComesBackOnTheNextExport();
    void bareNameBecomesTabSeparatedText();
    void otherFormatsAskForTheColumnsFirst_data();
    void otherFormatsAskForTheColumnsFirst();
    void pdfAndPostScriptHoldTheTable();
    void openDocumentHoldsEveryRecordAndTheHeader();
    void unwritableTargetIsNamedAndKeepsTheOlderFile_data();
    void unwritableTargetIsNamedAndKeepsTheOlderFile();
    void cancelledChoiceWritesNothing();
    void largeDataSetAsksBeforePrinting_data();
    void largeDataSetAsksBeforePrinting();
    void previewShowsTheTablePages();
    void printedToFileIsWrittenWhole();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<QTemporaryDir> m_Folder;
    std::unique_ptr<CTestUrlOpenerScope> m_Opener;
};

void TestCmnRegTableExport::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_ShortName = QStringLiteral("ORV");
    descriptor.m_ShortNameLower = QStringLiteral("orv");
    CmnInitFramework(descriptor);
}

void TestCmnRegTableExport::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    m_Opener = std::make_unique<CTestUrlOpenerScope>();
    CmnCreateSystemSettings();
    CmnCreateFileHiddenSettings();
    CmnCreateRememberedValues();
    m_Folder = std::make_unique<QTemporaryDir>();
}

void TestCmnRegTableExport::cleanup()
{
    m_Folder.reset();
    CmnDestroyRememberedValues();
    CmnDestroyFileHiddenSettings();
    CmnDestroySystemSettings();
    m_Opener.reset();
    m_Settings.reset();
}

void TestCmnRegTableExport::customSeparatorComesBackOnTheNextExport()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    const QString path = m_Folder->filePath(QStringLiteral("out.CSV"));
    CTestFileChooserScope chooser(path);
    CTestMessageBoxScope boxes;
    CExportUser user;
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });

    user.m_OnFormatPage = [](CCmnExportCSVWizard &wizard) {
        CCmnExportCSVFormatPanel *panel = wizard.FormatPage()->ChoicePanel();
        QVERIFY(!panel->CheckBox()->isChecked());
        QCOMPARE(panel->SeparatorEdit()->text(), QStringLiteral(","));
        QCOMPARE(panel->QuoteEdit()->text(), QStringLiteral("\""));
        QVERIFY(panel->DoubledRadio()->isChecked());
        panel->CheckBox()->click();
        panel->SeparatorEdit()->setText(QStringLiteral(";"));
    };
    QVERIFY(CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
    QCOMPARE(user.m_Titles, QStringList{QStringLiteral("Export- Text/CSV")});
    QCOMPARE(chooser.Requests().constFirst().m_DefaultSuffix, QStringLiteral("txt"));
    QCOMPARE(chooser.Requests().constFirst().m_Filter,
             QStringLiteral("Text files (*.txt);;CSV files (*.csv);;XML files [for Excel] (*.xml);;"
                            "HTML files (*.htm *.html);;PDF files (*.pdf);;Open Document Format files (*.odt);;"
                            "PostScript files (*.ps)"));
    QCOMPARE(boxes.Texts(), QStringList{kOfferToView});
    const QStringList lines = CmnReadTextFileLines(path);
    CCmnCsvFormat semicolon;
    semicolon.SetCommaSeparated(true);
    semicolon.SetEscapeFlag(false);
    semicolon.SetSeparator(QLatin1Char(';'));
    QCOMPARE(semicolon.ParseRows(lines).value(0).value(0), QStringLiteral("Smith, \"Bo\""));

    bool startedCustom = false;
    user.m_OnFormatPage = [&startedCustom](CCmnExportCSVWizard &wizard) {
        CCmnExportCSVFormatPanel *panel = wizard.FormatPage()->ChoicePanel();
        startedCustom = panel->CheckBox()->isChecked() && panel->SeparatorEdit()->text() == QLatin1String(";");
    };
    QVERIFY(CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
    QVERIFY(startedCustom);
}

void TestCmnRegTableExport::bareNameBecomesTabSeparatedText()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("herd")));
    CTestMessageBoxScope boxes;
    CExportUser user;
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });
    user.m_OnFormatPage = [](CCmnExportCSVWizard &wizard) {
        QCOMPARE(wizard.CsvFormat().Effective().Separator(), QChar(u'\t'));
        QCOMPARE(wizard.CsvFormat().Effective().QuoteChar(), QChar());
    };

    QVERIFY(CCmnRegTableExport::ExportData(*reg, QString(), 0, nullptr));
    QCOMPARE(chooser.Requests().constFirst().m_Filter, QStringLiteral("Text files (*.txt);;CSV files (*.csv)"));
    const QStringList lines = CmnReadTextFileLines(m_Folder->filePath(QStringLiteral("herd.txt")));
    QVERIFY(lines.size() > 1);
    QVERIFY2(lines.at(1).contains(QLatin1Char('\t')), qPrintable(lines.at(1)));
}

void TestCmnRegTableExport::otherFormatsAskForTheColumnsFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("html") << "out.htm" << QByteArray("\xEF\xBB\xBF<!DOCTYPE HTML PUBLIC");
    QTest::newRow("xml") << "out.xml" << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
}

void TestCmnRegTableExport::otherFormatsAskForTheColumnsFirst()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    const QSharedPointer<CBioReg> reg = NewRegister();
    const QString path = m_Folder->filePath(name);
    CTestFileChooserScope chooser(path);
    CTestMessageBoxScope boxes;
    CExportUser user;
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });

    QVERIFY(CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
    QCOMPARE(user.m_Titles, QStringList{QStringLiteral("Export")});
    QCOMPARE(boxes.Texts(), QStringList{kOfferToView});
    const QByteArray bytes = FileBytes(path);
    QVERIFY2(bytes.startsWith(start), bytes.left(80).constData());
    QVERIFY(bytes.contains("Smith &amp; Jones &lt;UK&gt;"));
    QVERIFY(CmnGetRememberedValues()->Value(QStringLiteral("exportdatacolumns_fields")).isValid());
}

void TestCmnRegTableExport::pdfAndPostScriptHoldTheTable()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    const QSharedPointer<CBioReg> reg = RegisterOf(200);
    CTestMessageBoxScope boxes;
    CExportUser user;
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });
    const QString pdf = m_Folder->filePath(QStringLiteral("herd.pdf"));
    {
        CTestFileChooserScope chooser(pdf);
        QVERIFY(CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
    }
    QVERIFY2(OrvPdfInfoField(pdf, QStringLiteral("Pages")).toInt() > 2, qPrintable(OrvPdfInfo(pdf)));
    QCOMPARE(OrvPdfInfoField(pdf, QStringLiteral("Creator")), QStringLiteral("Orvanta"));
    const QImage page = OrvRenderPdfPage(pdf, 60, OrvReviewFilePath(QStringLiteral("export-table-pdf.png")));
    QVERIFY(!page.isNull());
    QCOMPARE(boxes.Texts(), QStringList{kOfferToView});

    // PostScript is made but never offered to view.
    const QString ps = m_Folder->filePath(QStringLiteral("herd.ps"));
    {
        CTestFileChooserScope chooser(ps);
        QVERIFY(!CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
    }
    QVERIFY(FileBytes(ps).startsWith("%!PS-Adobe-3.0"));
    QCOMPARE(boxes.Texts(), QStringList{kOfferToView});
}

void TestCmnRegTableExport::openDocumentHoldsEveryRecordAndTheHeader()
{
    const QSharedPointer<CBioReg> reg = RegisterOf(12);
    const QString path = m_Folder->filePath(QStringLiteral("herd.odt"));
    CTestFileChooserScope chooser(path);
    CTestMessageBoxScope boxes;
    CExportUser user;
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });

    QVERIFY(CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
    const QByteArray archive = FileBytes(path);
    QCOMPARE(OrvZipEntry(archive, QStringLiteral("mimetype")), QByteArray("application/vnd.oasis.opendocument.text"));
    const QByteArray content = OrvZipEntry(archive, QStringLiteral("content.xml"));
    QCOMPARE(content.count("<table:table-row"), 13);
    QVERIFY(content.contains("Smith &amp; Jones &lt;UK&gt; 12 with a rather long kennel name"));
}

void TestCmnRegTableExport::unwritableTargetIsNamedAndKeepsTheOlderFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("csv") << "old.csv/new.csv" << "Cannot open file '%1' for writing: ";
    QTest::newRow("html") << "old.csv/new.html" << "Cannot open file '%1' for writing: ";
    QTest::newRow("pdf") << "old.csv/new.pdf" << "Failed to export to '%1'";
    QTest::newRow("odt") << "old.csv/new.odt" << "Failed to write ODF file '%1'";
}

void TestCmnRegTableExport::unwritableTargetIsNamedAndKeepsTheOlderFile()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    const QSharedPointer<CBioReg> reg = NewRegister();
    const QString older = m_Folder->filePath(QStringLiteral("old.csv"));
    QVERIFY(WriteFile(older, "older export\n"));
    const QString path = m_Folder->filePath(name);
    CTestFileChooserScope chooser(path);
    CTestMessageBoxScope boxes;
    CExportUser user;
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });

    QVERIFY(!CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
    QCOMPARE(boxes.Texts().size(), 1);
    QVERIFY2(OrvShownRichText(boxes.Texts().constFirst()).startsWith(message.arg(path)),
             qPrintable(boxes.Texts().constFirst()));
    QCOMPARE(FileBytes(older), QByteArray("older export\n"));
}

void TestCmnRegTableExport::cancelledChoiceWritesNothing()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    CTestMessageBoxScope boxes;
    {
        CTestFileChooserScope chooser{QString()};
        CTestDialogRunnerScope runner;
        QVERIFY(!CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
        QCOMPARE(runner.Titles(), QStringList());
    }
    for (const QString &name : {QStringLiteral("a.csv"), QStringLiteral("a.xml")}) {
        CTestFileChooserScope chooser(m_Folder->filePath(name));
        CTestDialogRunnerScope runner;
        QVERIFY(!CCmnRegTableExport::ExportData(*reg, QString(), CCmnRegTableExport::AllFormats, nullptr));
        QCOMPARE(runner.Titles().size(), 1);
    }
    QCOMPARE(boxes.Texts(), QStringList());
    QCOMPARE(QDir(m_Folder->path()).entryList(QDir::Files), QStringList());
}

void TestCmnRegTableExport::largeDataSetAsksBeforePrinting_data()
{
    QTest::addColumn<int>("animals");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("question");
    QTest::newRow("1000, printout") << 1000 << false << QString();
    QTest::newRow("1001, printout") << 1001 << false
                                    << "<p>Your data set is large, and to produce a printout may take a (very) long "
                                       "time and consume a lot of paper.</p><p>Do you wish to continue</p>";
    QTest::newRow("1001, preview") << 1001 << true
                                   << "<p>Your data set is large, and to produce a print preview may take a (very) "
                                      "long time.</p><p>Do you wish to continue</p>";
}

void TestCmnRegTableExport::largeDataSetAsksBeforePrinting()
{
    QFETCH(int, animals);
    QFETCH(bool, preview);
    QFETCH(QString, question);
    CBioReg reg(FieldsSettings());
    for (int i = 0; i < animals; ++i)
        reg.AddNamedRecord(QStringLiteral("A%1").arg(i), false);
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    // The columns are asked for only when the printout goes ahead.
    CTestDialogRunnerScope runner;

    CCmnRegTableExport::PrintData(reg, QString(), nullptr, preview);

    QCOMPARE(boxes.Texts(), question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(runner.Titles(),
             question.isEmpty() ? QStringList{QStringLiteral("Print Data - Select Columns")} : QStringList());
}

void TestCmnRegTableExport::previewShowsTheTablePages()
{
    const QSharedPointer<CBioReg> reg = RegisterOf(120);
    CTestMessageBoxScope boxes;
    CExportUser user;
    int pages = 0;
    user.m_OnPreview = [&pages](CCmnPrintPreviewDialogEx &preview) {
        pages = preview.PreviewWidget()->PageCount();
        OrvRenderForReview(preview, QSize(900, 700), QStringLiteral("export-table-preview.png"));
    };
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });

    CCmnRegTableExport::PrintData(*reg, QStringLiteral("Smith & Jones <UK> herd"), nullptr, true);

    QCOMPARE(user.m_Titles, (QStringList{"Print Preview Data - Select Columns", "Print Preview Data"}));
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
    QCOMPARE(boxes.Texts(), QStringList());
}

void TestCmnRegTableExport::printedToFileIsWrittenWhole()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    const QSharedPointer<CBioReg> reg = RegisterOf(60);
    CTestMessageBoxScope boxes;
    CExportUser user;
    user.m_PrintToFile = m_Folder->filePath(QStringLiteral("printed.pdf"));
    CTestDialogRunnerScope runner([&user](QDialog &dialog) { return user.Run(dialog); });

    CCmnRegTableExport::PrintData(*reg, QString(), nullptr, false);

    QCOMPARE(user.m_Titles, (QStringList{"Print Data - Select Columns", "Print Data"}));
    QCOMPARE(OrvPdfInfoField(user.m_PrintToFile, QStringLiteral("Title")), QStringLiteral("Data"));
    QVERIFY(OrvPdfInfoField(user.m_PrintToFile, QStringLiteral("Pages")).toInt() >= 1);
    QCOMPARE(boxes.Texts(), QStringList());
}

QTEST_MAIN(TestCmnRegTableExport)
#include "tst_cmnregtableexport.moc"
