#include "cmnexporttablecontroller_textdocument.h"

#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>

CCmnExportTableController_TextDocument::CCmnExportTableController_TextDocument(const QString &title,
                                                                               QWidget *parent)
    : CCmnExportTableController(title, parent)
    , m_Document(std::make_unique<QTextDocument>())
    , m_Scratch(std::make_unique<QTextDocument>())
{
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
