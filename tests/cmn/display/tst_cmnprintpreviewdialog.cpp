#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnprintpreviewdialogex.h"
#include "cmnprintpreviewwidgetex.h"
#include "cmnsystemsettings.h"
#include "cmntoolbar.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "testpdftools.h"
#include "testsettingsscope.h"
#include "testurlopenerscope.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <memory>

namespace {

using Dialog = CCmnPrintPreviewDialogEx;
constexpr qint32 kAllOptions = CmnPrintPreviewNavigation | CmnPrintPreviewOrientation | CmnPrintPreviewPageSetup
    | CmnPrintPreviewPageModes;

// Pages of a pedigree-like chart: a frame, a title and a column of ancestors.
void PaintPages(QPrinter *printer, int pages)
{
    if (pages == 0)
        return;
    QPainter painter(printer);
    const int width = printer->width();
    const int height = printer->height();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(14);
    painter.setFont(font);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer->newPage();
        painter.setPen(QPen(Qt::darkBlue, width / 300));
        painter.drawRect(QRect(0, 0, width, height));
        painter.drawText(QRect(0, 0, width, height / 8), Qt::AlignCenter,
                         QStringLiteral("Smith & Jones <UK> - page %1 of %2").arg(page).arg(pages));
        for (int row = 0; row < 4; ++row) {
            const QRect box(width / 10, height / 6 + row * height / 5, width * 8 / 10, height / 7);
            painter.fillRect(box, QColor(0xE8, 0xF0, 0xE0));
            painter.drawRect(box);
            painter.drawText(box, Qt::AlignCenter,
                             QStringLiteral("Ch. Brackenfield Silver Whisper of Glenmorangie %1").arg(row + 1));
        }
    }
}

// A preview of some pages on a PDF printer with no file (the test machine has no
// printer), A4 upright with half-inch margins.
class CPreviewFixture
{
public:
    explicit CPreviewFixture(int pages, qint32 options = kAllOptions)
        : m_Printer(QPrinter::HighResolution)
    {
        m_Printer.setOutputFormat(QPrinter::PdfFormat);
        m_Printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));
        m_Printer.setDocName(QStringLiteral("Smith & Jones <UK>"));
        m_Dialog = std::make_unique<Dialog>(options, &m_Printer);
        QObject::connect(m_Dialog.get(), &Dialog::paintRequested, [pages](QPrinter *printer) {
            PaintPages(printer, pages);
        });
        m_Dialog->resize(900, 700);
    }

    void Show() { m_Dialog->show(); }
    QAction *Action(Dialog::EAction which) const { return m_Dialog->Action(which); }
    QString ZoomText() const { return m_Dialog->ZoomBox()->lineEdit()->text(); }
    void TypeZoom(const QString &text)
    {
        m_Dialog->ZoomBox()->lineEdit()->setText(text);
        m_Dialog->Slot_editingFinished_ZoomFactor();
    }

    QPrinter m_Printer;
    std::unique_ptr<Dialog> m_Dialog;
};

QStringList ToolBarTexts(const CCmnToolBar &toolBar)
{
    QStringList texts;
    for (QAction *action : toolBar.actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

bool Enabled(QAction *action)
{
    return action->isEnabled() && (!action->actionGroup() || action->actionGroup()->isEnabled());
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCmnPrintPreviewDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buildsTheToolBarOfItsOptions();
    void pageCountAndNavigation_data();
    void pageCountAndNavigation();
    void zoomBySteps();
    void typedZoom_data();
    void typedZoom();
    void overviewStopsFittingAndPaging();
    void printsToPdf();
    void cancelledSaveKeepsThePreview();
    void unwritablePdfIsNamedAndKeepsThePreview();
    void printsToPostScript();
    void printDialogsFileIsWrittenWhole_data();
    void printDialogsFileIsWrittenWhole();
    void previewsATextDocument();
    void rendersFacingAndAllPages();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<QTemporaryDir> m_Folder;
};

void TestCmnPrintPreviewDialog::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnPrintPreviewDialog::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CmnCreateSystemSettings();
    m_Folder = std::make_unique<QTemporaryDir>();
}

void TestCmnPrintPreviewDialog::cleanup()
{
    m_Folder.reset();
    CmnDestroySystemSettings();
    m_Settings.reset();
}

void TestCmnPrintPreviewDialog::buildsTheToolBarOfItsOptions()
{
    CPreviewFixture full(1);
    QCOMPARE(full.m_Dialog->windowTitle(), QStringLiteral("Print Preview: Smith & Jones <UK>"));
    QCOMPARE(ToolBarTexts(*full.m_Dialog->ToolBar()),
             (QStringList{"Fit width", "Fit page", "|", QString(), "Zoom out", "Zoom in", "|", "Portrait",
                          "Landscape", "|", "First page", "Previous page", QString(), "Next page", "Last page", "|",
                          "Show single page", "Show facing pages", "Show overview of all pages", "|", "Page setup",
                          "Print"}));
    QVERIFY(full.Action(Dialog::FitPageAction)->isChecked());
    QVERIFY(full.Action(Dialog::SinglePageAction)->isChecked());
    QVERIFY(full.Action(Dialog::PortraitAction)->isChecked());
    QCOMPARE(full.Action(Dialog::FitWidthAction)->objectName(), QStringLiteral("m_pAction_FitWidth"));
    QCOMPARE(full.Action(Dialog::AllPagesAction)->objectName(), QStringLiteral("m_pAction_ModeOverview"));
    QVERIFY(!full.Action(Dialog::NextPageAction)->icon().isNull());
    QVERIFY(!full.Action(Dialog::PageSetupAction)->icon().isNull());
    // The page set-up needs a real printer.
    QVERIFY(!full.Action(Dialog::PageSetupAction)->isEnabled());
    auto *zoomIn = qobject_cast<QToolButton *>(full.m_Dialog->ToolBar()->widgetForAction(full.Action(Dialog::ZoomInAction)));
    QVERIFY(zoomIn && zoomIn->autoRepeat());
    QCOMPARE(zoomIn->autoRepeatInterval(), 200);

    CPreviewFixture bare(1, 0);
    QCOMPARE(ToolBarTexts(*bare.m_Dialog->ToolBar()),
             (QStringList{"Fit width", "Fit page", "|", QString(), "Zoom out", "Zoom in", "|", "Print"}));
    for (const Dialog::EAction action : {Dialog::NextPageAction, Dialog::PortraitAction, Dialog::AllPagesAction,
                                         Dialog::PageSetupAction})
        QCOMPARE(bare.Action(action), nullptr);
    QCOMPARE(bare.m_Dialog->PageNumberEdit(), nullptr);
}

void TestCmnPrintPreviewDialog::pageCountAndNavigation_data()
{
    QTest::addColumn<int>("pages");
    QTest::newRow("five pages") << 5;
    QTest::newRow("nothing painted") << 0;
}

void TestCmnPrintPreviewDialog::pageCountAndNavigation()
{
    QFETCH(int, pages);
    CPreviewFixture fixture(pages);
    fixture.Show();
    CCmnPrintPreviewWidgetEx *preview = fixture.m_Dialog->PreviewWidget();
    QCOMPARE(preview->PageCount(), pages);
    QCOMPARE(fixture.m_Dialog->PageCountLabel()->text(), QStringLiteral("/ %1").arg(pages));
    QCOMPARE(fixture.m_Dialog->PageNumberEdit()->text(), QStringLiteral("1"));
    QVERIFY(!Enabled(fixture.Action(Dialog::FirstPageAction)));
    QVERIFY(!Enabled(fixture.Action(Dialog::PreviousPageAction)));
    QCOMPARE(Enabled(fixture.Action(Dialog::NextPageAction)), pages > 1);
    QCOMPARE(Enabled(fixture.Action(Dialog::LastPageAction)), pages > 1);
    if (pages == 0)
        return;

    fixture.Action(Dialog::NextPageAction)->trigger();
    QCOMPARE(preview->CurrentPage(), 2);
    QVERIFY(Enabled(fixture.Action(Dialog::PreviousPageAction)));
    fixture.Action(Dialog::LastPageAction)->trigger();
    QCOMPARE(preview->CurrentPage(), 5);
    QCOMPARE(fixture.m_Dialog->PageNumberEdit()->text(), QStringLiteral("5"));
    QVERIFY(!Enabled(fixture.Action(Dialog::NextPageAction)));
    QVERIFY(!Enabled(fixture.Action(Dialog::LastPageAction)));

    fixture.m_Dialog->PageNumberEdit()->setText(QStringLiteral("3"));
    fixture.m_Dialog->Slot_editingFinished_PageNum();
    QCOMPARE(preview->CurrentPage(), 3);
    fixture.Action(Dialog::FirstPageAction)->trigger();
    QCOMPARE(preview->CurrentPage(), 1);
}

void TestCmnPrintPreviewDialog::zoomBySteps()
{
    CPreviewFixture fixture(2);
    fixture.Show();
    fixture.TypeZoom(QStringLiteral("100"));
    QCOMPARE(fixture.ZoomText(), QStringLiteral("100%"));
    fixture.Action(Dialog::ZoomInAction)->trigger(); // the buttons, not the actions, zoom
    QCOMPARE(fixture.ZoomText(), QStringLiteral("100%"));
    auto *toolBar = fixture.m_Dialog->ToolBar();
    auto *zoomIn = qobject_cast<QToolButton *>(toolBar->widgetForAction(fixture.Action(Dialog::ZoomInAction)));
    auto *zoomOut = qobject_cast<QToolButton *>(toolBar->widgetForAction(fixture.Action(Dialog::ZoomOutAction)));
    zoomIn->click();
    QCOMPARE(fixture.ZoomText(), QStringLiteral("110.0%"));
    QVERIFY(qFuzzyCompare(fixture.m_Dialog->PreviewWidget()->ViewZoomFactor(), 1.1));
    zoomOut->click();
    QCOMPARE(fixture.ZoomText(), QStringLiteral("100.0%"));
    QVERIFY(!fixture.Action(Dialog::FitPageAction)->isChecked());
    QVERIFY(!fixture.m_Dialog->PreviewWidget()->Fitting());

    // A fit action fits again.
    fixture.Action(Dialog::FitWidthAction)->trigger();
    QVERIFY(fixture.Action(Dialog::FitWidthAction)->isChecked());
    QVERIFY(!fixture.Action(Dialog::FitPageAction)->isChecked());
    QVERIFY(fixture.m_Dialog->PreviewWidget()->Fitting());
    QCOMPARE(fixture.m_Dialog->PreviewWidget()->ZoomMode(), CmnPreviewFitWidth);
}

void TestCmnPrintPreviewDialog::typedZoom_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("zoom");
    QTest::newRow("number") << "150" << "150%" << 1.5;
    QTest::newRow("with percent") << "150%" << "150%" << 1.5;
    QTest::newRow("above 1000") << "5000" << "1000%" << 10.0;
    QTest::newRow("fraction") << "12.5%" << "12.5%" << 0.125;
    QTest::newRow("not a number") << "large" << "large" << -1.0;
}

void TestCmnPrintPreviewDialog::typedZoom()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, zoom);
    CPreviewFixture fixture(1);
    fixture.Show();
    const double fitted = fixture.m_Dialog->PreviewWidget()->ZoomFactor();
    fixture.TypeZoom(typed);
    QCOMPARE(fixture.ZoomText(), shown);
    CCmnPrintPreviewWidgetEx *preview = fixture.m_Dialog->PreviewWidget();
    if (zoom < 0) {
        QCOMPARE(preview->ZoomFactor(), fitted);
        QVERIFY(fixture.Action(Dialog::FitPageAction)->isChecked());
        return;
    }
    QCOMPARE(preview->ZoomFactor(), zoom);
    QVERIFY(qFuzzyCompare(preview->ViewZoomFactor(), zoom));
    QCOMPARE(preview->ZoomMode(), CmnPreviewCustomZoom);
    QVERIFY(!fixture.Action(Dialog::FitPageAction)->isChecked());
    QVERIFY(!fixture.Action(Dialog::FitWidthAction)->isChecked());
}

void TestCmnPrintPreviewDialog::overviewStopsFittingAndPaging()
{
    CPreviewFixture fixture(5);
    fixture.Show();
    fixture.Action(Dialog::AllPagesAction)->trigger();
    CCmnPrintPreviewWidgetEx *preview = fixture.m_Dialog->PreviewWidget();
    QCOMPARE(preview->PageMode(), CmnPreviewAllPages);
    QVERIFY(!fixture.Action(Dialog::FitPageAction)->isChecked());
    QVERIFY(!fixture.Action(Dialog::FitWidthAction)->isChecked());
    QVERIFY(!Enabled(fixture.Action(Dialog::FitPageAction)));
    QVERIFY(!Enabled(fixture.Action(Dialog::NextPageAction)));
    QVERIFY(!fixture.m_Dialog->PageNumberEdit()->isEnabled());

    fixture.Action(Dialog::FacingPagesAction)->trigger();
    QCOMPARE(preview->PageMode(), CmnPreviewFacingPages);
    QVERIFY(fixture.Action(Dialog::FitPageAction)->isChecked());
    QVERIFY(Enabled(fixture.Action(Dialog::FitPageAction)));
    QVERIFY(Enabled(fixture.Action(Dialog::NextPageAction)));
    QVERIFY(preview->Fitting());
    // The zoom mode waits for a fit action.
    QCOMPARE(preview->ZoomMode(), CmnPreviewCustomZoom);
}

void TestCmnPrintPreviewDialog::printsToPdf()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    CPreviewFixture fixture(5);
    fixture.Show();
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("Smith & Jones <UK>")));
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    fixture.Action(Dialog::PrintAction)->trigger();
    const QString path = m_Folder->filePath(QStringLiteral("Smith & Jones <UK>.pdf"));
    QCOMPARE(chooser.Requests().size(), 1);
    QCOMPARE(chooser.Requests().constFirst().m_Caption, QStringLiteral("Export to PDF"));
    QCOMPARE(chooser.Requests().constFirst().m_Filter, QStringLiteral("*.pdf"));
    QCOMPARE(fixture.m_Printer.outputFileName(), path);
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Pages")), QStringLiteral("5"));
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Creator")), QStringLiteral("Orvanta"));
    QCOMPARE(fixture.m_Dialog->result(), int(QDialog::Accepted));
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().constFirst().m_Options.m_MessageId, 100);
}

void TestCmnPrintPreviewDialog::cancelledSaveKeepsThePreview()
{
    CPreviewFixture fixture(5);
    const QString earlier = m_Folder->filePath(QStringLiteral("earlier.pdf"));
    {
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an earlier print");
    }
    fixture.m_Printer.setOutputFileName(earlier);
    fixture.Show();
    CTestFileChooserScope chooser{QString()};
    CTestMessageBoxScope boxes;
    fixture.Action(Dialog::PrintAction)->trigger();
    QCOMPARE(chooser.Requests().size(), 1);
    QCOMPARE(chooser.Requests().constFirst().m_Folder, earlier);
    QCOMPARE(ReadAll(earlier), QByteArray("an earlier print"));
    QVERIFY(fixture.m_Dialog->isVisible());
    QCOMPARE(fixture.m_Dialog->result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 0);
}

void TestCmnPrintPreviewDialog::unwritablePdfIsNamedAndKeepsThePreview()
{
    CPreviewFixture fixture(2);
    fixture.Show();
    const QString path = m_Folder->filePath(QStringLiteral("missing/pedigree.pdf"));
    CTestFileChooserScope chooser(path);
    CTestMessageBoxScope boxes;
    fixture.Action(Dialog::PrintAction)->trigger();
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().constFirst().m_Text, QStringLiteral("<p>Failed to export to '%1'</p>").arg(path));
    QCOMPARE(boxes.Requests().constFirst().m_Icon, QMessageBox::Warning);
    QVERIFY(fixture.m_Dialog->isVisible());
}

void TestCmnPrintPreviewDialog::printsToPostScript()
{
    CPreviewFixture fixture(3);
    fixture.m_Printer.setOutputFileName(m_Folder->filePath(QStringLiteral("pedigree.ps")));
    fixture.Show();
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("chart")));
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    fixture.Action(Dialog::PrintAction)->trigger();
    QCOMPARE(chooser.Requests().constFirst().m_Caption, QStringLiteral("Export to PostScript"));
    QCOMPARE(chooser.Requests().constFirst().m_DefaultSuffix, QStringLiteral("ps"));
    const QByteArray postScript = ReadAll(m_Folder->filePath(QStringLiteral("chart.ps")));
    QVERIFY(postScript.startsWith("%!PS-Adobe-3.0"));
    QVERIFY(postScript.contains("\n%%Pages: 3\n"));
    QCOMPARE(fixture.m_Dialog->result(), int(QDialog::Accepted));
}

void TestCmnPrintPreviewDialog::printDialogsFileIsWrittenWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("written");

    QTest::newRow("writable") << QStringLiteral("printed.pdf") << true;
    QTest::newRow("missing folder") << QStringLiteral("missing/printed.pdf") << false;
}

// Sent to a file from the print dialog ("Print to File"), the pages are written
// as every file is: whole, or not at all and the file named.
void TestCmnPrintPreviewDialog::printDialogsFileIsWrittenWhole()
{
    QFETCH(QString, file);
    QFETCH(bool, written);

    CPreviewFixture fixture(2, kAllOptions | CmnPrintPreviewSimplePrintDialog);
    fixture.m_Printer.setOutputFormat(QPrinter::NativeFormat);
    if (fixture.m_Printer.outputFormat() != QPrinter::NativeFormat)
        QSKIP("no printer is installed here");
    fixture.Show();
    const QString path = m_Folder->filePath(file);
    // What the system's print dialog does when the user prints to a file.
    const CTestDialogRunnerScope runner([&](QDialog &) {
        fixture.m_Printer.setOutputFileName(path);
        return int(QDialog::Accepted);
    });
    CTestMessageBoxScope boxes;
    fixture.Action(Dialog::PrintAction)->trigger();
    QCOMPARE(runner.Titles(), QStringList{"Print"});
    if (written) {
        QCOMPARE(boxes.Requests().size(), 0);
        QVERIFY(ReadAll(path).startsWith("%PDF"));
        QCOMPARE(fixture.m_Dialog->result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("<p>Failed to export to '%1'</p>").arg(path)});
        QVERIFY(fixture.m_Dialog->isVisible());
    }
}

void TestCmnPrintPreviewDialog::previewsATextDocument()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    Dialog dialog(kAllOptions, &printer);
    QTextDocument document;
    QString html;
    for (int i = 1; i <= 200; ++i)
        html += QStringLiteral("<p>Smith &amp; Jones &lt;UK&gt; %1</p>").arg(i);
    document.setHtml(html);
    dialog.SetTextDocument(&document);
    dialog.show();
    QVERIFY(dialog.PreviewWidget()->PageCount() > 2);
    QCOMPARE(dialog.PageCountLabel()->text(), QStringLiteral("/ %1").arg(dialog.PreviewWidget()->PageCount()));
}

void TestCmnPrintPreviewDialog::rendersFacingAndAllPages()
{
    CPreviewFixture fixture(5);
    fixture.Show();
    for (const auto &[action, name] : {std::pair{Dialog::FacingPagesAction, "facing"},
                                       std::pair{Dialog::AllPagesAction, "all-pages"}}) {
        fixture.Action(action)->trigger();
        QCoreApplication::sendPostedEvents();
        QVERIFY(OrvKeepForReview(fixture.m_Dialog->grab().toImage(),
                                 QStringLiteral("print-preview-%1.png").arg(QLatin1String(name))));
    }
}

QTEST_MAIN(TestCmnPrintPreviewDialog)
#include "tst_cmnprintpreviewdialog.moc"
