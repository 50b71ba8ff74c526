#pragma once

#include "cmnexporttablecontroller_textfile.h"

#include <QList>
#include <QStringList>

#include <memory>

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
    // 0 for formats that need no style of their own.
    int StyleIndex(const CCmnExportCellFormat &format);
    void WriteStringCell(const QString &text);
    // A failed write of the XML becomes the error.
    void CheckWriter();

    QStringList m_HeaderTexts;
    std::unique_ptr<QXmlStreamWriter> m_Xml;
    QList<CCmnExportCellFormat> m_Formats;
    QList<int> m_ColumnStyles;
    bool m_HasLeadingCell = false;
    QString m_LeadingText;
    QStringList m_DataTexts;
    QList<CCmnExportCellFormat> m_DataFormats;
};
