#include "cmnpagefiles.h"
#include "cmnprinter.h"
#include "cmntabledocumentprinter.h"
#include "testpdftools.h"

#include <QImage>
#include <QPageRanges>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <memory>
#include <numeric>

namespace {

// A record table as the export builds it: a bold header row, then rows whose
// texts wrap to one to four lines, so that page breaks cut through rows. The
// first column holds the record's mark ("R17"); empty tables have no texts.
std::unique_ptr<QTextDocument> RecordTable(int records, int columns, bool empty = false)
{
    auto document = std::make_unique<QTextDocument>();
    QTextTableFormat format;
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    QTextTable *table = QTextCursor(document.get()).insertTable(records + 1, columns, format);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int column = 0; column < columns && !empty; ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(QStringLiteral("Field %1").arg(column), bold);
    for (int row = 1; row <= records && !empty; ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(QStringLiteral("R%1").arg(row));
        for (int column = 1; column < columns; ++column)
            table->cellAt(row, column).firstCursorPosition().insertText(
                QStringLiteral("value ").repeated((row * 7 + column * 3) % 9));
    }
    return document;
}

// A table too wide for the paper in two columns, the last of which has its
// longest text in one row and its widest letter ("m", where a text may break
// anywhere) in another, short row: those rows alone set that column's width.
std::unique_ptr<QTextDocument> TableSizedByTwoRows(int records)
{
    std::unique_ptr<QTextDocument> document = RecordTable(records, 3, true);
    QTextTable *table = qobject_cast<QTextTable *>(document->rootFrame()->childFrames().constFirst());
    for (int row = 1; row <= records; ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(QStringLiteral("R%1").arg(row));
        table->cellAt(row, 1).firstCursorPosition().insertText(QStringLiteral("notes ").repeated(20));
        const QString last = row == records - 7 ? QStringLiteral("a far longer text ").repeated(6)
            : row == records - 20              ? QStringLiteral("m")
                                               : QStringLiteral("sire and dog of the litter");
        table->cellAt(row, 2).firstCursorPosition().insertText(last);
    }
    return document;
}

std::unique_ptr<QTextDocument> Paragraphs(int count)
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    for (int paragraph = 0; paragraph < count; ++paragraph)
        cursor.insertText(QStringLiteral("Paragraph %1 of a pedigree's notes.\n").arg(paragraph));
    return document;
}

QImage Render(const QPicture &page, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CmnDrawRecordedPage(painter, QPointF(0, 0), page);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(std::shared_ptr<QTextDocument>)

class TestCmnTableDocumentPrinter : public QObject
{
    Q_OBJECT
private slots:
    void printsThePagesTheToolkitPrints_data();
    void printsThePagesTheToolkitPrints();
    void printsEveryRecordOnceInOrder();
};

void TestCmnTableDocumentPrinter::printsThePagesTheToolkitPrints_data()
{
    QTest::addColumn<std::shared_ptr<QTextDocument>>("document");
    QTest::addColumn<int>("sliceRows");
    QTest::addColumn<QString>("ranges");
    QTest::newRow("many slices") << std::shared_ptr<QTextDocument>(RecordTable(240, 9)) << 20 << "";
    QTest::newRow("slices grown to fill pages") << std::shared_ptr<QTextDocument>(RecordTable(90, 9)) << 3 << "";
    QTest::newRow("columns sized by two rows") << std::shared_ptr<QTextDocument>(TableSizedByTwoRows(150)) << 20 << "";
    QTest::newRow("one slice") << std::shared_ptr<QTextDocument>(RecordTable(60, 9)) << 400 << "";
    QTest::newRow("header alone") << std::shared_ptr<QTextDocument>(RecordTable(0, 9)) << 20 << "";
    QTest::newRow("empty column") << std::shared_ptr<QTextDocument>(RecordTable(120, 1, true)) << 20 << "";
    QTest::newRow("page ranges") << std::shared_ptr<QTextDocument>(RecordTable(240, 9)) << 20 << "2-3,6-8";
    QTest::newRow("range past the end") << std::shared_ptr<QTextDocument>(RecordTable(60, 9)) << 20 << "9-12";
    QTest::newRow("not a table") << std::shared_ptr<QTextDocument>(Paragraphs(150)) << 20 << "";
}

void TestCmnTableDocumentPrinter::printsThePagesTheToolkitPrints()
{
    QFETCH(std::shared_ptr<QTextDocument>, document);
    QFETCH(int, sliceRows);
    QFETCH(QString, ranges);
    CCmnPrinter target;
    CCmnPrinter toolkit(target, CCmnPrinter::RecordOutput);
    CCmnPrinter ours(target, CCmnPrinter::RecordOutput);
    for (const QString &range : ranges.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = range.split(QLatin1Char('-'));
        QPageRanges pages = toolkit.pageRanges();
        pages.addRange(ends.first().toInt(), ends.last().toInt());
        toolkit.setPageRanges(pages);
        ours.setPageRanges(pages);
    }
    document->print(&toolkit);
    CCmnTableDocumentPrinter printer(*document);
    printer.SetSliceRows(sliceRows);
    QVERIFY(printer.Print(ours));

    const QList<const QPicture *> expected = toolkit.RecordedPages();
    const QList<const QPicture *> actual = ours.RecordedPages();
    QCOMPARE(actual.size(), expected.size());
    const QSize size = target.pageLayout().fullRectPixels(target.resolution()).size();
    QList<int> differing;
    for (qsizetype page = 0; page < expected.size(); ++page) {
        if (Render(*actual.at(page), size) != Render(*expected.at(page), size))
            differing << int(page + 1);
    }
    QCOMPARE(differing, QList<int>());
}

void TestCmnTableDocumentPrinter::printsEveryRecordOnceInOrder()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    constexpr int kRecords = 300;
    const std::unique_ptr<QTextDocument> document = RecordTable(kRecords, 9);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("records.pdf"));
    CCmnPrinter layout;
    const TCmnPagePainter paint = [&document](QPagedPaintDevice &device) {
        CCmnTableDocumentPrinter printer(*document);
        printer.SetSliceRows(25);
        return printer.Print(device);
    };
    QCOMPARE(CmnWritePdfFile(path, layout.pageLayout(), layout.resolution(), QString(), paint), QString());

    QList<int> marks;
    const QRegularExpression mark(QStringLiteral("\\bR(\\d+)\\b"));
    for (const QRegularExpressionMatch &match : mark.globalMatch(OrvPdfText(path)))
        marks << match.captured(1).toInt();
    QList<int> records(kRecords);
    std::iota(records.begin(), records.end(), 1);
    QCOMPARE(marks, records);
}

QTEST_MAIN(TestCmnTableDocumentPrinter)
#include "tst_cmntabledocumentprinter.moc"
