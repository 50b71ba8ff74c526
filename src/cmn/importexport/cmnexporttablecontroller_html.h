#pragma once

#include "cmnexporttablecontroller_textfile.h"

#include <QStringList>

// Writes the table as an HTML 4.01 page holding one bordered table.
class CCmnExportTableController_HTML : public CCmnExportTableController_TextFile
{
public:
    CCmnExportTableController_HTML(const QString &title, QWidget *parent);

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

private:
    QStringList m_Cells;
    // The data row being written, its cells appended as they come; null outside one.
    CCmnExportLineWriter *m_Line = nullptr;
    // Whether the row has a cell whose end is still to be written.
    bool m_CellOpen = false;
};
