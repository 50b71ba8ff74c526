#pragma once

#include <Qt>

class QLayout;
class QWidget;

// A widget or a layout with the grid cell it goes into: controls that are laid
// out on a grid by their base hand over their widgets as a list of these.
class CCmnGridItem
{
public:
    static CCmnGridItem Widget(QWidget *widget, int row, int column, int rowSpan = 1, int columnSpan = 1,
                               Qt::Alignment alignment = {})
    {
        return CCmnGridItem(widget, nullptr, row, column, rowSpan, columnSpan, alignment);
    }
    static CCmnGridItem Layout(QLayout *layout, int row, int column, int rowSpan = 1, int columnSpan = 1,
                               Qt::Alignment alignment = {})
    {
        return CCmnGridItem(nullptr, layout, row, column, rowSpan, columnSpan, alignment);
    }

    QWidget *m_Widget = nullptr;
    QLayout *m_Layout = nullptr;
    int m_Row = 0;
    int m_Column = 0;
    int m_RowSpan = 1;
    int m_ColumnSpan = 1;
    Qt::Alignment m_Alignment = {};

private:
    CCmnGridItem(QWidget *widget, QLayout *layout, int row, int column, int rowSpan, int columnSpan,
                 Qt::Alignment alignment)
        : m_Widget(widget)
        , m_Layout(layout)
        , m_Row(row)
        , m_Column(column)
        , m_RowSpan(rowSpan)
        , m_ColumnSpan(columnSpan)
        , m_Alignment(alignment)
    {
    }
};
