#pragma once

#include "cmnexporttablecontroller.h"

#include <QTextCursor>

#include <memory>

class QTextDocument;
class QTextTable;

// Builds the table as a rich-text document, for printing, previewing and
// writing as PDF, PostScript or Open Document text. The table is filled in a
// document of its own and moved into the output document in one step at the end.
class CCmnExportTableController_TextDocument : public CCmnExportTableController
{
public:
    CCmnExportTableController_TextDocument(const QString &title, QWidget *parent);
    ~CCmnExportTableController_TextDocument() override;

    void BeginTable(bool leadingCell, int rows, int columns) override;
    void AddPlainHeaderCell(const QString &text) override;
    void BeginHeaderRow() override;
    void AddHeaderCell(const CCmnExportCellFormat &format, const QString &text) override;
    void EndHeaderRow() override;
    void BeginDataRow() override;
    void AddDataCell(const CCmnExportCellFormat &format, const QString &valueText,
                     const QString &displayText) override;
    void EndDataRow() override;
    void EndTable() override;

    // The output; it holds the table once the table has ended. It is for
    // printing and writing only: it has no layout of its own, so its size and
    // page count are known only to a printed copy.
    QTextDocument *Document() const { return m_Document.get(); }

private:
    void AddCell(const QString &text, bool bold);

    std::unique_ptr<QTextDocument> m_Document;
    QTextCursor m_Cursor;
    std::unique_ptr<QTextDocument> m_Scratch;
    QTextCursor m_ScratchCursor;
    QTextTable *m_Table = nullptr;
    int m_Row = 0;
    int m_Column = 0;
};
