#include "cmngridlayoutex.h"

#include <algorithm>

namespace {

// Cells are keyed by 16 bits of row and 16 of column.
constexpr int kMaxCellIndex = 0xFFFF;

quint32 CellKey(int row, int column)
{
    return (quint32(row) << 16) | quint32(column);
}

} // namespace

CCmnGridLayoutEx::CCmnGridLayoutEx(QWidget *parent)
    : QGridLayout(parent)
{
}

CCmnGridLayoutEx::CCmnGridLayoutEx(int wrapCount, bool rowWise, QWidget *parent)
    : QGridLayout(parent)
    , m_WrapCount(std::max(wrapCount, 1))
    , m_RowWise(rowWise)
{
}

CCmnGridLayoutEx::~CCmnGridLayoutEx() = default;

void CCmnGridLayoutEx::AddWidget(QWidget *widget, int row, int column, int rowSpan,
                                 int columnSpan, Qt::Alignment alignment)
{
    if (!widget)
        return;
    PlaceItem(row, column, rowSpan, columnSpan);
    addWidget(widget, row, column, rowSpan, columnSpan, alignment);
}

void CCmnGridLayoutEx::AddLayout(QLayout *layout, int row, int column, int rowSpan,
                                 int columnSpan, Qt::Alignment alignment)
{
    if (!layout)
        return;
    PlaceItem(row, column, rowSpan, columnSpan);
    addLayout(layout, row, column, rowSpan, columnSpan, alignment);
}

void CCmnGridLayoutEx::PlaceItem(int &row, int &column, int rowSpan, int columnSpan)
{
    if (row < 0 || column < 0)
        NextFreeCell(row, column);
    MarkCellsUsed(row, column, rowSpan, columnSpan);
}

void CCmnGridLayoutEx::NextFreeCell(int &row, int &column)
{
    if (m_NextRow < 0 || m_NextColumn < 0) {
        m_NextRow = std::max(m_NextRow, 0);
        m_NextColumn = std::max(m_NextColumn, 0);
    }
    // Ends: only finitely many cells are recorded, and every step reaches a new cell.
    while (IsCellUsed(m_NextRow, m_NextColumn)) {
        if (m_RowWise) {
            if (m_NextColumn < m_WrapCount - 1) {
                ++m_NextColumn;
            } else {
                m_NextColumn = 0;
                ++m_NextRow;
            }
        } else {
            if (m_NextRow < m_WrapCount - 1) {
                ++m_NextRow;
            } else {
                m_NextRow = 0;
                ++m_NextColumn;
            }
        }
    }
    row = m_NextRow;
    column = m_NextColumn;
}

void CCmnGridLayoutEx::MarkCellsUsed(int row, int column, int rowSpan, int columnSpan)
{
    if (rowSpan <= 0 || columnSpan <= 0)
        return;
    // Clipping to the keyable range keeps cells from aliasing one another; it also
    // bounds the work of an absurd span.
    const int firstRow = std::max(row, 0);
    const int firstColumn = std::max(column, 0);
    const int lastRow = int(std::min<qint64>(qint64(row) + rowSpan - 1, kMaxCellIndex));
    const int lastColumn = int(std::min<qint64>(qint64(column) + columnSpan - 1, kMaxCellIndex));
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c)
            m_UsedCells.insert(CellKey(r, c));
    }
}

int CCmnGridLayoutEx::LastUsedRow() const
{
    int last = -1;
    for (const quint32 key : m_UsedCells)
        last = std::max(last, int(key >> 16));
    return last;
}

bool CCmnGridLayoutEx::IsCellUsed(int row, int column) const
{
    if (row > kMaxCellIndex || column > kMaxCellIndex)
        return false;
    return m_UsedCells.contains(CellKey(row, column));
}

void CmnSetColumnStretches(QGridLayout *layout, int firstColumn, int count, int stretch)
{
    if (!layout)
        return;
    for (int i = 0; i < count; ++i)
        layout->setColumnStretch(firstColumn + i, stretch);
}

void CmnSetRowStretches(QGridLayout *layout, int firstRow, int count, int stretch)
{
    if (!layout)
        return;
    for (int i = 0; i < count; ++i)
        layout->setRowStretch(firstRow + i, stretch);
}
