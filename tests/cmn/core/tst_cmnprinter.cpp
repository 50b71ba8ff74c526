#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnprinter.h"
#include "testpdftools.h"

#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

// A PDF printer at 1200 dots per inch on A4 across, with half-inch margins.
void SetUpTarget(QPrinter &target)
{
    target.setOutputFormat(QPrinter::PdfFormat);
    target.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));
}

void PaintPages(QPrinter &printer, int pages)
{
    QPainter painter(&printer);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            QVERIFY(printer.newPage());
        painter.drawText(QPointF(100, 500), QStringLiteral("Smith & Jones <UK>, page %1").arg(page));
        painter.fillRect(QRect(0, 0, printer.width() / 2, printer.height() / 2), Qt::red);
    }
}

QString LongDocument()
{
    QString html;
    for (int i = 1; i <= 150; ++i)
        html += QStringLiteral("<p>Ch. Brackenfield Silver Whisper %1, bred by Smith &amp; Jones</p>").arg(i);
    return html;
}

} // namespace

class TestCmnPrinter : public QObject
{
    Q_OBJECT
private slots:
    void creatorIsTheProductName();
    void recordsEachPageAsLaidOutByTheTarget();
    void laterPagesKeepThePaintersState();
    void recordsATextDocumentPageByPage();
};

void TestCmnPrinter::creatorIsTheProductName()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral(" Orvanta Pedigree "));
    CmnInitFramework(descriptor);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    CmnSetPrinterCreator(printer);
    QCOMPARE(printer.creator(), QStringLiteral("Orvanta Pedigree"));
    QCOMPARE(printer.creator(), QCoreApplication::applicationName());
}

void TestCmnPrinter::recordsEachPageAsLaidOutByTheTarget()
{
    CCmnPrinter target(QPrinter::HighResolution);
    SetUpTarget(target);
    CCmnPrinter recorder(target, CCmnPrinter::RecordPreview);
    QVERIFY(recorder.IsPreviewMode());
    QVERIFY(CmnIsPreviewPrinter(&recorder));
    QVERIFY(!CmnIsPreviewPrinter(&target));
    QVERIFY(!CCmnPrinter(target, CCmnPrinter::RecordOutput).IsPreviewMode());
    QCOMPARE(recorder.logicalDpiY(), target.logicalDpiY());
    QCOMPARE(recorder.width(), target.width());
    QCOMPARE(recorder.height(), target.height());
    QCOMPARE(recorder.pageRect(QPrinter::DevicePixel), target.pageRect(QPrinter::DevicePixel));
    QVERIFY(!recorder.newPage());

    PaintPages(recorder, 5);
    const QList<const QPicture *> pages = recorder.RecordedPages();
    QCOMPARE(pages.size(), 5);
    // Each page holds what was painted on it, in the target's dots.
    QCOMPARE(pages.at(4)->boundingRect().topLeft(), QPoint(0, 0));
    QVERIFY(pages.at(4)->boundingRect().width() >= target.width() / 2);
    QVERIFY(target.RecordedPages().isEmpty());

    // Settings are the target's, whoever changes them.
    recorder.setPageOrientation(QPageLayout::Portrait);
    QCOMPARE(target.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(recorder.width(), target.width());

    // A new painting starts the pages afresh.
    PaintPages(recorder, 2);
    QCOMPARE(recorder.RecordedPages().size(), 2);
}

void TestCmnPrinter::laterPagesKeepThePaintersState()
{
    CCmnPrinter target(QPrinter::HighResolution);
    SetUpTarget(target);
    CCmnPrinter recorder(target, CCmnPrinter::RecordPreview);
    {
        QPainter painter(&recorder);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::green);
        painter.translate(10, 10);
        for (int page = 1; page <= 2; ++page) {
            if (page > 1)
                QVERIFY(recorder.newPage());
            painter.drawRect(QRect(0, 0, 100, 100));
        }
    }
    for (const QPicture *page : recorder.RecordedPages()) {
        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        CmnDrawRecordedPage(painter, QPointF(0, 0), *page);
        painter.end();
        QCOMPARE(image.pixelColor(60, 60), QColor(Qt::green));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(115, 60), QColor(Qt::white));
    }
}

void TestCmnPrinter::recordsATextDocumentPageByPage()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    QTemporaryDir folder;
    QPrinter target(QPrinter::HighResolution);
    SetUpTarget(target);
    target.setOutputFileName(folder.filePath(QStringLiteral("table.pdf")));
    QTextDocument document;
    document.setHtml(LongDocument());
    document.print(&target);
    const int printed = OrvPdfInfoField(target.outputFileName(), QStringLiteral("Pages")).toInt();
    QVERIFY(printed > 1);

    CCmnPrinter recorder(target, CCmnPrinter::RecordPreview);
    document.print(&recorder);
    QCOMPARE(recorder.RecordedPages().size(), printed);
}

QTEST_MAIN(TestCmnPrinter)
#include "tst_cmnprinter.moc"
