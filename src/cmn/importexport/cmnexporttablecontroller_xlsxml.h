#pragma once

#include "cmnbytewriter.h"
#include "cmnexporttablecontroller_textfile.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QXmlStreamWriter;

// Writes the table as an Excel 2003 XML spreadsheet: one worksheet, a number
// style for every distinct number or date format among the columns, and cells
// typed as strings, numbers or dates.
class CCmnExportTableController_XLSXML : public CCmnExportTableController_TextFile
{
public:
    CCmnExportTableController_XLSXML(const QString &title, QWidget *parent);
    ~CCmnExportTableController_XLSXML() override;

    // UTF-8, LF line ends and no byte-order mark.
    bool Open(const QString &fileName);

    bool NeedsColumnFormats() const override;
    void AddColumnFormat(const CCmnExportCellFormat &format) override;
    // Appends a format not seen before.
    int ColumnFormatIndex(const CCmnExportCellFormat &format) override;
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
    // A date cell must hold an ISO date: a spreadsheet rejects any other text there.
    QString ValueDateFormat() const override;

private:
    static bool SameStyle(const CCmnExportCellFormat &a, const CCmnExportCellFormat &b)
    {
        return a.m_Kind == b.m_Kind && a.m_Int1 == b.m_Int1 && a.m_Int2 == b.m_Int2;
    }
    // 0 for formats that need no style of their own.
    int StyleIndex(const CCmnExportCellFormat &format);
    void WriteStringCell(const QString &text);
    // A failed write of the XML becomes the error.
    void CheckWriter();
    // Moves what the XML writer has written into the bytes for the file.
    void TakeXml();

    QStringList m_HeaderTexts;
    // The XML writer writes the parts around the rows into this text.
    std::unique_ptr<QXmlStreamWriter> m_Xml;
    QString m_XmlText;
    // The rows are nearly all of the file and go straight into its bytes as
    // UTF-8: their markup is ASCII, copied as it stands, and only the cell texts
    // are encoded. Through the XML writer, element by element, and a text encoded
    // afterwards, the file cost several times as much.
    CCmnByteWriter m_Bytes;
    QList<CCmnExportCellFormat> m_Formats;
    QList<int> m_ColumnStyles;
    // What a data column's cells were last written with: the format decides
    // the style, which is looked up only when it changes.
    struct SDataColumn
    {
        bool m_Known = false;
        CCmnExportCellFormat m_Format;
        // The cell's opening up to its type, when the cell has a style other
        // than its column's; else empty.
        std::string m_StyledStart;
    };
    const SDataColumn &DataColumn(const CCmnExportCellFormat &format)
    {
        // Inline: asked for every cell, and nearly always the column's format again.
        if (m_DataColumn < qsizetype(m_DataColumns.size())) {
            const SDataColumn &column = m_DataColumns[size_t(m_DataColumn)];
            if (column.m_Known && SameStyle(column.m_Format, format))
                return column;
        }
        return FindDataColumn(format);
    }
    const SDataColumn &FindDataColumn(const CCmnExportCellFormat &format);
    std::vector<SDataColumn> m_DataColumns;
    // For cells past the listed columns.
    SDataColumn m_ExtraColumn;
    bool m_HasLeadingCell = false;
    QString m_LeadingText;
    // The data row's next column.
    qsizetype m_DataColumn = 0;
};
