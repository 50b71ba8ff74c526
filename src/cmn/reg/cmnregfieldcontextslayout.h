#pragma once

#include <QList>

class CCmnRegFieldContexts;

// Where one context's check box goes in the "Default Field Usage" grid.
struct CCmnRegFieldContextCell
{
    int m_Item = 0;   // index into the catalogue's items
    int m_Row = 0;
    int m_Column = 0;
    int m_ColumnSpan = 1;
};

// One group of the grid: its name label sits at (first row, 0) when it has items.
struct CCmnRegFieldContextGroupCells
{
    int m_Group = 0;   // index into the catalogue's groups
    int m_FirstRow = 0;
    int m_LastRow = 0;
    QList<CCmnRegFieldContextCell> m_Cells;
};

// The grid of a catalogue: groups by their order key (equal keys keep catalogue
// order), each starting one row below the previous group's last row; an item sits
// at its row counted from the group's first row, one column right of its own column
// (column 0 holds the group labels). A group without items still takes one row.
QList<CCmnRegFieldContextGroupCells> CmnRegFieldContextsLayout(const CCmnRegFieldContexts &catalogue);
