#include "cmnexporttablecontroller_textdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>

namespace {

// The layout of a document that is printed or written but never shown: it
// lays out nothing. Printing lays out a copy of the document for the printer
// with the toolkit's own layout; the toolkit would otherwise first lay out the
// whole table of the document itself for the screen (a sixth of a table's
// printing time), only to throw it away. The table holds text only, so the
// copy needs no object handlers from this layout.
class CUnshownDocumentLayout : public QAbstractTextDocumentLayout
{
public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;

    void draw(QPainter *, const PaintContext &) override {}
    int hitTest(const QPointF &, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 0; }
    QSizeF documentSize() const override { return {}; }
    QRectF frameBoundingRect(QTextFrame *) const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock &) const override { return {}; }

protected:
    void documentChanged(int, int, int) override {}
};

} // namespace

CCmnExportTableController_TextDocument::CCmnExportTableController_TextDocument(const QString &title,
                                                                               QWidget *parent)
    : CCmnExportTableController(title, parent)
    , m_Document(std::make_unique<QTextDocument>())
    , m_Scratch(std::make_unique<QTextDocument>())
{
    m_Document->setDocumentLayout(new CUnshownDocumentLayout(m_Document.get()));
}

CCmnExportTableController_TextDocument::~CCmnExportTableController_TextDocument() = default;

void CCmnExportTableController_TextDocument::BeginTable(bool leadingCell, int rows, int columns)
{
    m_Cursor = QTextCursor(m_Document.get());
    m_ScratchCursor = QTextCursor(m_Scratch.get());
    QTextTableFormat format;
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    // A table needs a column even when no field was chosen.
    m_Table = m_ScratchCursor.insertTable(rows + 1, qMax(1, columns + (leadingCell ? 1 : 0)), format);
    m_Row = 0;
    m_Column = 0;
}

void CCmnExportTableController_TextDocument::AddCell(const QString &text, bool bold)
{
    if (!m_Table || m_Row >= m_Table->rows() || m_Column >= m_Table->columns())
        return;
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor cursor = m_Table->cellAt(m_Row, m_Column++).firstCursorPosition();
    cursor.insertText(text, format);
}

void CCmnExportTableController_TextDocument::AddPlainHeaderCell(const QString &text)
{
    AddCell(text, true);
}

void CCmnExportTableController_TextDocument::BeginHeaderRow()
{
    m_Column = 0;
}

void CCmnExportTableController_TextDocument::AddHeaderCell(const CCmnExportCellFormat &, const QString &text)
{
    AddCell(text, true);
}

void CCmnExportTableController_TextDocument::EndHeaderRow()
{
    ++m_Row;
}

void CCmnExportTableController_TextDocument::BeginDataRow()
{
    m_Column = 0;
}

void CCmnExportTableController_TextDocument::AddDataCell(const CCmnExportCellFormat &, const QString &valueText,
                                                         const QString &)
{
    AddCell(valueText, false);
}

void CCmnExportTableController_TextDocument::EndDataRow()
{
    ++m_Row;
}

void CCmnExportTableController_TextDocument::EndTable()
{
    if (!m_Table)
        return;
    m_Cursor.insertFragment(QTextDocumentFragment(m_Scratch.get()));
    m_Table = nullptr;
    m_Scratch->clear();
}
