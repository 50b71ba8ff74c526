#pragma once

#include "cmnautomaticorcustomcsvformat.h"
#include "cmnexporttablecontroller_textfile.h"

#include <QStringList>

// Writes the table as delimited text, one line per row, in the chosen format;
// the header line only when the format says the first line names the columns.
class CCmnExportTableController_CSV : public CCmnExportTableController_TextFile
{
public:
    CCmnExportTableController_CSV(const QString &title, QWidget *parent);

    bool Open(const QString &fileName, const CCmnAutomaticOrCustomTextEncoding &encoding,
              const CCmnAutomaticOrCustomCsvFormat &format);

    void AddPlainHeaderCell(const QString &text) override;
    void BeginHeaderRow() override;
    void AddHeaderCell(const CCmnExportCellFormat &format, const QString &text) override;
    void EndHeaderRow() override;
    void BeginDataRow() override;
    void AddDataCell(const CCmnExportCellFormat &format, const QString &valueText,
                     const QString &displayText) override;
    void EndDataRow() override;

private:
    const CCmnCsvFormat &Format() const { return m_Format.Effective(); }

    CCmnAutomaticOrCustomCsvFormat m_Format;
    QStringList m_Cells;
    // The data row being written, its cells appended as they come; null outside one.
    CCmnExportLineWriter *m_Line = nullptr;
    bool m_FirstCell = true;
};
