#include "cmntabledocumentprinter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

// The resolution the toolkit lays a document out for when it has no device of
// its own: its printing sizes the page margins in it, and so must we.
Q_GUI_EXPORT int qt_defaultDpiX();
Q_GUI_EXPORT int qt_defaultDpiY();

namespace {

// A line width no text reaches, to measure texts unbroken.
constexpr qreal kUnbounded = 1e7;

// The document's only content when it is a table whose rows can be cut
// anywhere; null otherwise, and for a document laid out in pages of its own.
const QTextTable *OnlyTable(const QTextDocument &document)
{
    if (document.pageSize().isValid() && document.pageSize().height() != INT_MAX)
        return nullptr;
    const QList<QTextFrame *> frames = document.rootFrame()->childFrames();
    const auto *table = frames.size() == 1 ? qobject_cast<const QTextTable *>(frames.first()) : nullptr;
    if (!table || table->format().headerRowCount() > 0)
        return nullptr;
    for (QTextFrame::iterator it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (it.currentBlock().isValid() && it.currentBlock().length() > 1)
            return nullptr;
    }
    return table;
}

QTextTable *FirstTable(const QTextDocument &document)
{
    return qobject_cast<QTextTable *>(document.rootFrame()->childFrames().constFirst());
}

// The top of the first text of the table's row, in its document.
qreal RowTop(const QTextDocument &document, const QTextTable &table, int row)
{
    return document.documentLayout()->blockBoundingRect(table.cellAt(row, 0).firstCursorPosition().block()).top();
}

// The rows that hold a column's widest text or its widest piece that cannot
// be broken (a word, or a letter where text breaks anywhere). The toolkit
// sizes a table's columns from those two widths of each column alone, so a
// table of these rows gets the whole table's columns at a small part of the
// cost of laying the whole table out. The measures are the toolkit's own; a
// few rows more per column stand in for any that tie.
QList<int> WidestRows(const QTextDocument &source, const QTextTable &table, const QPaintDevice *device)
{
    constexpr qsizetype kKept = 3;
    using TWidest = QList<std::pair<qreal, int>>;
    const auto offer = [](TWidest &widest, qreal width, int row) {
        const auto at = std::find_if(widest.begin(), widest.end(), [width](const auto &kept) {
            return kept.first < width;
        });
        if (at - widest.begin() < kKept) {
            widest.insert(at, {width, row});
            if (widest.size() > kKept)
                widest.removeLast();
        }
    };
    std::vector<TWidest> words(table.columns());
    std::vector<TWidest> texts(table.columns());
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            qreal word = 0;
            qreal text = 0;
            for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
                const QTextBlock block = it.currentBlock();
                QTextLayout layout(block.text(), source.defaultFont(), device);
                layout.setTextOption(source.defaultTextOption());
                layout.setFormats(block.textFormats());
                layout.beginLayout();
                for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
                    line.setLineWidth(kUnbounded);
                layout.endLayout();
                word = qMax(word, layout.minimumWidth());
                text = qMax(text, layout.maximumWidth());
            }
            offer(words[column], word, row);
            offer(texts[column], text, row);
        }
    }
    QList<int> rows;
    for (int column = 0; column < table.columns(); ++column) {
        for (const auto &kept : words[column] + texts[column]) {
            if (!rows.contains(kept.second))
                rows << kept.second;
        }
    }
    return rows;
}

// Lays documents out as the toolkit's printing lays out its copy of the
// source, and prints their pages numbered on from one document to the next.
class CPagePrinter
{
public:
    CPagePrinter(const QTextDocument &source, QPagedPaintDevice &device, QPainter &painter)
        : m_Source(source)
        , m_Device(device)
        , m_Painter(painter)
        , m_Body(0, 0, device.width(), device.height())
    {
        const qreal sourceDpiX = qt_defaultDpiX();
        const qreal sourceDpiY = qt_defaultDpiY();
        const qreal dpiY = painter.device()->logicalDpiY();
        // Two centimetres in the source's resolution, which the layout scales.
        m_HorizontalMargin = int((2 / 2.54) * sourceDpiX);
        m_VerticalMargin = int((2 / 2.54) * sourceDpiY);
        m_PageNumberPos = QPointF(m_Body.width() - m_HorizontalMargin * dpiY / sourceDpiY,
                                  m_Body.height() - m_VerticalMargin * dpiY / sourceDpiY
                                      + QFontMetrics(source.defaultFont(), painter.device()).ascent()
                                      + 5 * dpiY / 72.0);
        m_Ranges = device.pageRanges();
        m_FromPage = qMax(1, m_Ranges.firstPage());
        if (m_Ranges.lastPage() > 0)
            m_ToPage = m_Ranges.lastPage();
    }

    // An empty document with the source's settings, laid out on the device in
    // pages of the paper's size, or unpaged as wide as the paper.
    std::unique_ptr<QTextDocument> NewDocument(bool paged) const
    {
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(m_Source.defaultFont());
        document->setDefaultTextOption(m_Source.defaultTextOption());
        document->setDocumentMargin(m_Source.documentMargin());
        document->setUseDesignMetrics(m_Source.useDesignMetrics());
        document->setIndentWidth(m_Source.indentWidth());
        document->documentLayout()->setPaintDevice(m_Painter.device());
        QTextFrameFormat format = m_Source.rootFrame()->frameFormat();
        format.setLeftMargin(m_HorizontalMargin);
        format.setRightMargin(m_HorizontalMargin);
        format.setTopMargin(m_VerticalMargin);
        format.setBottomMargin(m_VerticalMargin);
        document->rootFrame()->setFrameFormat(format);
        if (paged)
            document->setPageSize(m_Body.size());
        else
            document->setTextWidth(m_Body.width());
        return document;
    }

    qreal PageHeight() const { return m_Body.height(); }
    QPaintDevice *Device() const { return m_Painter.device(); }

    // Whether every page asked for has been printed.
    bool Done() const { return m_Printed >= m_ToPage; }

    // Prints the document's pages after the first ones skipped up to the last
    // one; false when the device refused a new page.
    bool PrintPages(const QTextDocument &document, int skipped, int last)
    {
        for (int index = skipped + 1; index <= last && !Done(); ++index) {
            const int page = ++m_Printed;
            if (page < m_FromPage)
                continue;
            if (page > m_FromPage && !m_Device.newPage())
                return false;
            if (m_Ranges.isEmpty() || m_Ranges.contains(page))
                PrintPage(document, index, page);
        }
        return true;
    }

private:
    void PrintPage(const QTextDocument &document, int index, int number)
    {
        m_Painter.save();
        m_Painter.translate(m_Body.left(), m_Body.top() - (index - 1) * m_Body.height());
        const QRectF view(0, (index - 1) * m_Body.height(), m_Body.width(), m_Body.height());
        m_Painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        // Black text whatever the desktop's palette: the paper is white.
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&m_Painter, context);
        m_Painter.setClipping(false);
        m_Painter.setFont(QFont(document.defaultFont()));
        const QString text = QString::number(number);
        m_Painter.drawText(qRound(m_PageNumberPos.x() - m_Painter.fontMetrics().horizontalAdvance(text)),
                           qRound(m_PageNumberPos.y() + view.top()), text);
        m_Painter.restore();
    }

    const QTextDocument &m_Source;
    QPagedPaintDevice &m_Device;
    QPainter &m_Painter;
    QRectF m_Body;
    int m_HorizontalMargin = 0;
    int m_VerticalMargin = 0;
    QPointF m_PageNumberPos;
    QPageRanges m_Ranges;
    int m_FromPage = 1;
    int m_ToPage = INT_MAX;
    int m_Printed = 0;
};

// Lays out slices of the source table's rows, each with its columns as wide
// as the whole table's, which the toolkit sizes from every row's texts.
class CTableSlicer
{
public:
    CTableSlicer(const CPagePrinter &printer, const QTextDocument &source, const QTextTable &table)
        : m_Printer(printer)
        , m_Table(table)
    {
        const QList<int> rows = WidestRows(source, table, printer.Device());
        QTextDocument scratch;
        QTextTable *widest = QTextCursor(&scratch).insertTable(int(rows.size()), table.columns(), table.format());
        for (qsizetype row = 0; row < rows.size(); ++row) {
            for (int column = 0; column < table.columns(); ++column) {
                const QTextTableCell cell = table.cellAt(rows.at(row), column);
                QTextCursor text = cell.firstCursorPosition();
                text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                QTextTableCell copy = widest->cellAt(int(row), column);
                copy.setFormat(cell.format());
                copy.firstCursorPosition().insertFragment(text.selection());
            }
        }
        const std::unique_ptr<QTextDocument> whole = printer.NewDocument(false);
        QTextCursor(whole.get()).insertFragment(QTextDocumentFragment(&scratch));
        const QTextTable *laid = FirstTable(*whole);
        // A cell's text is as wide as its column but for the padding on both sides.
        const qreal scale = qreal(printer.Device()->logicalDpiY()) / qt_defaultDpiY();
        const qreal padding = 2 * laid->format().cellPadding();
        for (int column = 0; column < laid->columns(); ++column) {
            const QTextBlock block = laid->cellAt(0, column).firstCursorPosition().block();
            const qreal width = whole->documentLayout()->blockBoundingRect(block).width() / scale;
            m_Widths << QTextLength(QTextLength::FixedLength, width + padding);
        }
    }

    // The rows laid out in pages, the first one's text lowered to the top
    // given on the first page (none: where a table's first row begins).
    std::unique_ptr<QTextDocument> Slice(int first, int count, qreal top)
    {
        QTextDocument scratch;
        QTextCursor rows = m_Table.cellAt(first, 0).firstCursorPosition();
        rows.setPosition(m_Table.cellAt(first + count - 1, m_Table.columns() - 1).lastCursorPosition().position(),
                         QTextCursor::KeepAnchor);
        QTextCursor(&scratch).insertFragment(QTextDocumentFragment(rows));
        QTextTable *part = FirstTable(scratch);
        QTextTableFormat format = part->format();
        format.setColumnWidthConstraints(m_Widths);
        part->setFormat(format);

        std::unique_ptr<QTextDocument> slice = m_Printer.NewDocument(true);
        QTextCursor cursor(slice.get());
        // An empty line as high as the gap above the table.
        if (m_FirstRowTop >= 0 && top > m_FirstRowTop) {
            QTextBlockFormat gap;
            gap.setLineHeight(top - m_FirstRowTop, QTextBlockFormat::FixedHeight);
            cursor.setBlockFormat(gap);
            cursor.insertBlock(QTextBlockFormat());
        }
        cursor.insertFragment(QTextDocumentFragment(&scratch));
        if (m_FirstRowTop < 0)
            m_FirstRowTop = RowTop(*slice, *FirstTable(*slice), 0);
        return slice;
    }

private:
    const CPagePrinter &m_Printer;
    const QTextTable &m_Table;
    QList<QTextLength> m_Widths;
    qreal m_FirstRowTop = -1;
};

} // namespace

CCmnTableDocumentPrinter::CCmnTableDocumentPrinter(const QTextDocument &document)
    : m_Document(document)
{
}

bool CCmnTableDocumentPrinter::Print(QPagedPaintDevice &device)
{
    const QTextTable *table = OnlyTable(m_Document);
    if (!table) {
        m_Document.print(&device);
        return true;
    }
    // As the toolkit does: paper without margins gets a little.
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    if (margins.left() == 0 && margins.right() == 0 && margins.top() == 0 && margins.bottom() == 0)
        device.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    CPagePrinter printer(m_Document, device, painter);
    CTableSlicer slicer(printer, m_Document, *table);

    const int rows = table->rows();
    // The next slice's first row, where its text begins on its first page, and
    // how many of its pages the slice before printed already.
    int first = 0;
    qreal top = -1;
    int skipped = 0;
    while (first < rows && !printer.Done()) {
        for (int count = qMin(m_SliceRows, rows - first);; count = qMin(2 * count, rows - first)) {
            const std::unique_ptr<QTextDocument> slice = slicer.Slice(first, count, top);
            const int pages = slice->pageCount();
            if (first + count == rows)
                return printer.PrintPages(*slice, skipped, pages);
            // The last row to begin above the last page begins the next slice,
            // at the same height on its page: the page breaks then fall
            // through the same rows, even one that a break cuts through.
            const QTextTable *laid = FirstTable(*slice);
            const qreal lastPageTop = (pages - 1) * printer.PageHeight();
            int carried = count - 1;
            while (carried > 0 && RowTop(*slice, *laid, carried) >= lastPageTop)
                --carried;
            if (carried == 0 || pages - 1 <= skipped)
                continue;
            if (!printer.PrintPages(*slice, skipped, pages - 1))
                return false;
            const qreal carriedTop = RowTop(*slice, *laid, carried);
            const int carriedPage = int(carriedTop / printer.PageHeight());
            top = carriedTop - carriedPage * printer.PageHeight();
            skipped = pages - 1 - carriedPage;
            first += carried;
            break;
        }
    }
    return true;
}
