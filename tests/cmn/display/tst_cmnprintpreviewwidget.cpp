#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnprinter.h"
#include "cmnprintpreviewgraphicsview.h"
#include "cmnprintpreviewwidgetex.h"
#include "cmnprintpreviewwidgetpageitem.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QFileInfo>

namespace {

// Paints the given number of pages whenever asked, and remembers on what.
class CPagePainter : public QObject
{
public:
    CPagePainter(CCmnPrintPreviewWidgetEx &preview, int pages)
        : m_Pages(pages)
    {
        QObject::connect(&preview, &CCmnPrintPreviewWidgetEx::paintRequested, this, [this](QPrinter *printer) {
            m_Printers << printer;
            m_Previews << CmnIsPreviewPrinter(printer);
            if (m_Pages == 0)
                return;
            QPainter painter(printer);
            for (int page = 1; page <= m_Pages; ++page) {
                if (page > 1)
                    printer->newPage();
                painter.drawRect(QRect(0, 0, printer->width() - 1, printer->height() - 1));
                painter.drawText(QPointF(200, 600), QStringLiteral("Smith & Jones <UK>, page %1").arg(page));
            }
        });
    }

    int m_Pages;
    QList<QPrinter *> m_Printers;
    QList<bool> m_Previews;
};

// A4 upright with half-inch margins, as a PDF printer (the test machine has no printer).
void SetUp(QPrinter &printer, QPageLayout::Orientation orientation = QPageLayout::Portrait)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0.5, 0.5, 0.5, 0.5),
                                      QPageLayout::Inch));
}

// A preview of some pages; shown, it makes its pages.
class CPreviewFixture
{
public:
    explicit CPreviewFixture(int pages)
        : m_Preview(&m_Printer)
        , m_Painter(m_Preview, pages)
    {
        SetUp(m_Printer);
        m_Preview.resize(500, 700);
    }

    QPrinter m_Printer{QPrinter::HighResolution};
    CCmnPrintPreviewWidgetEx m_Preview;
    CPagePainter m_Painter;
};

// Where each page stands, in places of one page item's size.
QList<QPoint> Cells(const CCmnPrintPreviewWidgetEx &preview)
{
    QList<QPoint> cells;
    for (const CCmnPrintPreviewWidgetPageItem *item : preview.PageItems()) {
        const QSizeF place = item->boundingRect().size();
        cells << QPoint(qRound(item->pos().x() / place.width()), qRound(item->pos().y() / place.height()));
    }
    return cells;
}

} // namespace

class TestCmnPrintPreviewWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void recordsThePaintedPages_data();
    void recordsThePaintedPages();
    void arrangesByPageMode_data();
    void arrangesByPageMode();
    void refitsOnlyWhenTheCurrentPageIsNotWhollyShown();
    void scrollingMakesTheMostVisiblePageCurrent();
    void printPaintsOnThePrinterItself();
};

void TestCmnPrintPreviewWidget::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnPrintPreviewWidget::recordsThePaintedPages_data()
{
    QTest::addColumn<int>("pages");
    QTest::newRow("five pages") << 5;
    QTest::newRow("nothing painted") << 0;
}

void TestCmnPrintPreviewWidget::recordsThePaintedPages()
{
    QFETCH(int, pages);
    CPreviewFixture fixture(pages);
    QPrinter &printer = fixture.m_Printer;
    CCmnPrintPreviewWidgetEx &preview = fixture.m_Preview;
    CPagePainter &painter = fixture.m_Painter;
    QSignalSpy changed(&preview, &CCmnPrintPreviewWidgetEx::previewChanged);
    preview.show();
    QVERIFY(preview.Initialized());
    QCOMPARE(painter.m_Previews, QList<bool>{true});
    QVERIFY(painter.m_Printers.constFirst() != &printer);
    QCOMPARE(preview.PageCount(), pages);
    QCOMPARE(preview.PageItems().size(), pages);
    QCOMPARE(preview.CurrentPage(), 1);
    QVERIFY(changed.size() >= 1);
    if (pages == 0) {
        // Nothing to fit: the zoom stays as it was.
        QCOMPARE(preview.ZoomFactor(), 1.0);
        return;
    }
    // Fitted to the page: the whole of page 1 shows, smaller than life.
    QVERIFY(preview.ZoomFactor() < 1.0);
    QCOMPARE(preview.ZoomFactor(), preview.ViewZoomFactor());
    const QRect shown =
        preview.View()->mapFromScene(preview.PageItems().constFirst()->sceneBoundingRect()).boundingRect();
    QVERIFY(preview.View()->viewport()->rect().contains(shown));

    // Asking again replaces the pages.
    painter.m_Pages = 2;
    preview.RebuildPreview();
    QCOMPARE(preview.PageCount(), 2);
    QCOMPARE(preview.PageItems().size(), 2);
}

void TestCmnPrintPreviewWidget::arrangesByPageMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QList<QPoint>>("cells");
    QTest::newRow("single") << int(CmnPreviewSinglePage) << 3 << QList<QPoint>{{0, 0}, {0, 1}, {0, 2}};
    QTest::newRow("facing: page 1 alone on the right")
        << int(CmnPreviewFacingPages) << 3 << QList<QPoint>{{1, 0}, {0, 1}, {1, 1}};
    QTest::newRow("all 5 portrait: 4 columns by 2 rows")
        << int(CmnPreviewAllPages) << 5 << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}};
}

void TestCmnPrintPreviewWidget::arrangesByPageMode()
{
    QFETCH(int, mode);
    QFETCH(int, pages);
    QFETCH(QList<QPoint>, cells);
    CPreviewFixture fixture(pages);
    CCmnPrintPreviewWidgetEx &preview = fixture.m_Preview;
    preview.resize(600, 600);
    preview.show();
    preview.SetPageMode(ECmnPreviewPageMode(mode));
    QCOMPARE(Cells(preview), cells);
    QCOMPARE(preview.View()->scene()->sceneRect(), preview.View()->scene()->itemsBoundingRect());
    // The overview shows everything at once and stops fitting.
    const bool overview = mode == CmnPreviewAllPages;
    QCOMPARE(preview.Fitting(), !overview);
    QCOMPARE(preview.ZoomMode(), overview ? CmnPreviewCustomZoom : CmnPreviewFitPage);
    if (overview) {
        // Once the view has dropped the scroll bars the single page needed.
        QCoreApplication::sendPostedEvents();
        preview.SetPageMode(CmnPreviewAllPages);
        const QRect all = preview.View()->mapFromScene(preview.View()->sceneRect()).boundingRect();
        QVERIFY(preview.View()->viewport()->rect().adjusted(-1, -1, 1, 1).contains(all));
    }
}

void TestCmnPrintPreviewWidget::refitsOnlyWhenTheCurrentPageIsNotWhollyShown()
{
    CPreviewFixture fixture(3);
    CCmnPrintPreviewWidgetEx &preview = fixture.m_Preview;
    preview.show();
    QSignalSpy changed(&preview, &CCmnPrintPreviewWidgetEx::previewChanged);
    const QTransform fitted = preview.View()->transform();
    preview.FitCurrentPage(true);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(preview.View()->transform(), fitted);

    // Zoomed in, page 1 no longer fits: a refit fits it again.
    preview.View()->scale(3, 3);
    preview.FitCurrentPage(true);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(preview.CurrentPage(), 1);
    QCOMPARE(preview.View()->transform(), fitted);

    // Fit width scales the page's width to the viewport's.
    preview.SetZoomMode(CmnPreviewFitWidth);
    preview.FitCurrentPage(true);
    const QRect shown =
        preview.View()->mapFromScene(preview.PageItems().constFirst()->sceneBoundingRect()).boundingRect();
    QVERIFY(qAbs(shown.width() - preview.View()->viewport()->width()) <= 2);
}

void TestCmnPrintPreviewWidget::scrollingMakesTheMostVisiblePageCurrent()
{
    CPreviewFixture fixture(3);
    CCmnPrintPreviewWidgetEx &preview = fixture.m_Preview;
    preview.show();
    QSignalSpy changed(&preview, &CCmnPrintPreviewWidgetEx::previewChanged);
    QScrollBar *scroll = preview.View()->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    QCOMPARE(preview.CurrentPage(), 3);
    QCOMPARE(changed.size(), 1);

    preview.GoToPage(2);
    QCOMPARE(preview.CurrentPage(), 2);
    const QRect shown = preview.View()->mapFromScene(preview.PageItems().at(1)->sceneBoundingRect()).boundingRect();
    QVERIFY(preview.View()->viewport()->rect().contains(shown));
    // Pages that do not exist are not gone to.
    preview.GoToPage(4);
    preview.GoToPage(0);
    QCOMPARE(preview.CurrentPage(), 2);
}

void TestCmnPrintPreviewWidget::printPaintsOnThePrinterItself()
{
    QTemporaryDir folder;
    CPreviewFixture fixture(1);
    QPrinter &printer = fixture.m_Printer;
    CCmnPrintPreviewWidgetEx &preview = fixture.m_Preview;
    CPagePainter &painter = fixture.m_Painter;
    // A PDF printer without a file would refuse the painter.
    printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
    printer.setDocName(QStringLiteral("earlier job"));
    preview.print();
    QCOMPARE(painter.m_Printers, QList<QPrinter *>{&printer});
    QCOMPARE(painter.m_Previews, QList<bool>{false});
    QCOMPARE(printer.docName(), QStringLiteral("earlier job"));
    QVERIFY(QFileInfo(printer.outputFileName()).size() > 0);

    preview.SetDocumentTitle(QStringLiteral("Smith & Jones <UK>"));
    const std::unique_ptr<CCmnPrinter> recorded = preview.RecordPrint();
    QCOMPARE(printer.docName(), QStringLiteral("Orvanta - Smith & Jones <UK>"));
    QVERIFY(!recorded->IsPreviewMode());
    QCOMPARE(recorded->RecordedPages().size(), 1);
}

QTEST_MAIN(TestCmnPrintPreviewWidget)
#include "tst_cmnprintpreviewwidget.moc"
