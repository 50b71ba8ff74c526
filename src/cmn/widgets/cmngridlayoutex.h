#pragma once

#include <QGridLayout>
#include <QSet>

// A grid layout that remembers which cells are taken, so that forms can be filled
// item by item: an item given a negative row or column goes into the next free
// cell, found by a cursor that runs along a row (or down a column) and wraps after
// a fixed number of cells. Only items added through AddWidget and AddLayout are
// recorded; the plain QGridLayout operations bypass the record.
class CCmnGridLayoutEx : public QGridLayout
{
    Q_OBJECT
public:
    explicit CCmnGridLayoutEx(QWidget *parent = nullptr);
    // rowWise: the cursor moves along a row and wraps to the next row after
    // wrapCount cells; otherwise it moves down a column and wraps to the next column.
    CCmnGridLayoutEx(int wrapCount, bool rowWise, QWidget *parent = nullptr);
    ~CCmnGridLayoutEx() override;

    // A negative row or column places the item in the next free cell. A null item
    // is ignored.
    void AddWidget(QWidget *widget, int row = -1, int column = -1, int rowSpan = 1,
                   int columnSpan = 1, Qt::Alignment alignment = {});
    void AddLayout(QLayout *layout, int row = -1, int column = -1, int rowSpan = 1,
                   int columnSpan = 1, Qt::Alignment alignment = {});

    // The first free cell at or after the cursor. The cursor stays on it: the
    // caller marks it taken, and the next search moves on from there.
    void NextFreeCell(int &row, int &column);
    // Records the cells covered by the spans as taken; a span of 0 or less records
    // nothing. Cells outside rows and columns 0 to 65535 are not recorded.
    void MarkCellsUsed(int row, int column, int rowSpan, int columnSpan);
    // The highest row of any recorded cell; -1 when none is.
    [[nodiscard]] int LastUsedRow() const;

private:
    void PlaceItem(int &row, int &column, int rowSpan, int columnSpan);
    [[nodiscard]] bool IsCellUsed(int row, int column) const;

    int m_NextRow = -1;
    int m_NextColumn = -1;
    int m_WrapCount = 3;
    bool m_RowWise = true;
    QSet<quint32> m_UsedCells; // (row << 16) | column
};

// setColumnStretch / setRowStretch with one stretch on count consecutive columns or
// rows from the first; nothing for a count of 0 or less or a null layout.
void CmnSetColumnStretches(QGridLayout *layout, int firstColumn, int count, int stretch);
void CmnSetRowStretches(QGridLayout *layout, int firstRow, int count, int stretch);
