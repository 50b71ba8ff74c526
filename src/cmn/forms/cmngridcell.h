#pragma once

#include <Qt>

// Where a control goes on a grid: a negative row or column means the grid's next
// free cell. Stretches above 0 are given to the rows and columns the cell spans.
struct CCmnGridCell
{
    CCmnGridCell() = default;
    CCmnGridCell(int row, int column, int rowSpan = 1, int columnSpan = 1, Qt::Alignment alignment = {},
                 int rowStretch = 0, int columnStretch = 0)
        : m_Row(row)
        , m_Column(column)
        , m_RowSpan(rowSpan)
        , m_ColumnSpan(columnSpan)
        , m_Alignment(alignment)
        , m_RowStretch(rowStretch)
        , m_ColumnStretch(columnStretch)
    {
    }

    int m_Row = -1;
    int m_Column = -1;
    int m_RowSpan = 1;
    int m_ColumnSpan = 1;
    Qt::Alignment m_Alignment = {};
    int m_RowStretch = 0;
    int m_ColumnStretch = 0;
};
