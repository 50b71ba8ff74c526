#include "cmnregfieldcontextslayout.h"

#include "cmnregfieldcontexts.h"

#include <algorithm>
#include <numeric>

QList<CCmnRegFieldContextGroupCells> CmnRegFieldContextsLayout(const CCmnRegFieldContexts &catalogue)
{
    QList<int> order(catalogue.m_Groups.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&catalogue](int a, int b) {
        return catalogue.m_Groups.at(a).m_OrderKey < catalogue.m_Groups.at(b).m_OrderKey;
    });

    QList<CCmnRegFieldContextGroupCells> groups;
    int row = 0;
    for (const int group : order) {
        CCmnRegFieldContextGroupCells cells;
        cells.m_Group = group;
        cells.m_FirstRow = row;
        cells.m_LastRow = row;
        for (int index = 0; index < catalogue.m_Items.size(); ++index) {
            const CCmnRegFieldContextItem &item = catalogue.m_Items.at(index);
            if (item.m_Group != group)
                continue;
            const CCmnRegFieldContextCell cell{index, row + item.m_Row, item.m_Column + 1, item.m_ColumnSpan};
            cells.m_LastRow = std::max(cells.m_LastRow, cell.m_Row);
            cells.m_Cells.append(cell);
        }
        row = cells.m_LastRow + 1;
        groups.append(cells);
    }
    return groups;
}
