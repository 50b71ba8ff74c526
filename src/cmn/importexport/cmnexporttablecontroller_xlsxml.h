#pragma once

#include "cmnexporttablecontroller_textfile.h"

#include <QList>
#include <QStringEncoder>
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
    // Writes the XML made so far to the file; with `whenLarge`, only once it has
    // grown past a buffer's worth.
    void FlushXml(bool whenLarge);
    // The text of a data cell, escaped as the XML writer escapes it.
    void AppendCharacters(QStringView text);

    QStringList m_HeaderTexts;
    std::unique_ptr<QXmlStreamWriter> m_Xml;
    // The XML writer writes into this text, which goes to the file in large
    // pieces: written straight to the file, every tag and attribute would be
    // encoded and written on its own, which made the export many times slower.
    QString m_XmlText;
    QStringEncoder m_Encoder{QStringEncoder::Utf8};
    // Escapes the cell texts that need it, with the writer's own rules.
    std::unique_ptr<QXmlStreamWriter> m_Escaper;
    QString m_EscapedText;
    QList<CCmnExportCellFormat> m_Formats;
    QList<int> m_ColumnStyles;
    bool m_HasLeadingCell = false;
    QString m_LeadingText;
    // The data row's next column.
    qsizetype m_DataColumn = 0;
};
