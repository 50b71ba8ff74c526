#pragma once

#include <QString>

// How one column of an exported record table is written: the column kind (that
// of the field's value; 8 a date, 10 a field that no longer exists), two integers
// whose meaning belongs to the writer, and the date format of date columns.
struct CCmnExportCellFormat
{
    int m_Kind = 10;
    int m_Int1 = 0;
    int m_Int2 = -1;
    QString m_Text;

    friend bool operator==(const CCmnExportCellFormat &, const CCmnExportCellFormat &) = default;
};
