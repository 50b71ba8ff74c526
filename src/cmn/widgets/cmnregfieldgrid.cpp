#include "cmnregfieldgrid.h"

#include "cmngridlayoutex.h"
#include "cmnhtmlescape.h"
#include "cmnhtmltags.h"
#include "cmnlabel.h"
#include "cmnregfieldwidgets.h"
#include "cmntext.h"

#include <algorithm>

CCmnGridLayoutEx *CmnNewColumnsGridLayout(CCmnTabOrDialogOrPanelOrPageMixin *host,
                                          const QList<CCmnRegFieldWidgets> &fullWidthRows,
                                          const QList<CCmnRegFieldWidgets> &columnRows)
{
    auto *grid = new CCmnGridLayoutEx;

    // A column-start flag on the first column row opens nothing: it is the first column anyway.
    QList<int> columnHeights;
    for (qsizetype i = 0; i < columnRows.size(); ++i) {
        if (i == 0 || columnRows[i].m_ColumnStart)
            columnHeights.append(0);
        columnHeights.last() += columnRows[i].GridHeight();
    }
    const int columns = int(columnHeights.size());
    const int tallest = columns == 0 ? 0 : *std::max_element(columnHeights.cbegin(), columnHeights.cend());

    int row = 0;
    for (const CCmnRegFieldWidgets &fieldRow : fullWidthRows) {
        const int height = fieldRow.GridHeight();
        fieldRow.AddToGrid(grid, host, row, 0, height, 2 * columns, columns == 0);
        row += height;
    }

    const int firstColumnRow = row;
    int column = -1;
    for (qsizetype i = 0; i < columnRows.size(); ++i) {
        const CCmnRegFieldWidgets &fieldRow = columnRows[i];
        if (i == 0 || fieldRow.m_ColumnStart) {
            ++column;
            row = firstColumnRow;
        }
        const bool last = i + 1 == columnRows.size() || columnRows[i + 1].m_ColumnStart;
        const int height = fieldRow.GridHeight();
        const int rowSpan = last ? height + tallest - columnHeights[column] : height;
        fieldRow.AddToGrid(grid, host, row, 2 * column, rowSpan, 2, last);
        row += height;
    }

    for (int k = 0; k < std::max(columns, 1); ++k)
        grid->setColumnStretch(2 * k + 1, 1);
    return grid;
}

CCmnLabel *CmnNewFieldLabel(const QString &text, bool bold, QWidget *buddy)
{
    if (buddy && !bold) {
        auto *label = new CCmnLabel(CmnMnemonicSafe(text + QLatin1Char(':')));
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(buddy);
        return label;
    }
    const QString escaped = CmnHtmlEscape(text + QLatin1Char(':'));
    auto *label = new CCmnLabel(bold ? CmnHtmlBold(escaped) : escaped);
    label->setTextFormat(Qt::RichText);
    return label;
}
