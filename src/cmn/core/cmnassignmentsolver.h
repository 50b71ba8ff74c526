#pragma once

#include <QList>
#include <QPair>

#include <limits>

// The minimum-cost assignment of rows to columns (Hungarian method, Munkres' six
// steps), used to hand out keyboard accelerators. A solver lives for one call of
// Solve; its fixed scan orders decide between equally cheap assignments, so the
// same costs always give the same pairs.
class CCmnAssignmentSolver
{
public:
    // The cost of a pair that must not be made. Any cell at or above it (or not a
    // number) counts as impossible.
    static constexpr double kImpossibleCost = std::numeric_limits<double>::max();

    // Every chosen (row, column) pair inside the given matrix, rows ascending. The
    // matrix is made square first with cells of cost zero; pairs in those cells are
    // not reported. A row may be paired with an impossible cell only when no
    // assignment can do without it: callers drop such pairs.
    QList<QPair<int, int>> Solve(const QList<QList<double>> &costs);

private:
    enum EMark { MarkNone = 0, MarkStar = 1, MarkPrime = 2 };

    void Square(const QList<QList<double>> &costs);
    void ReduceRows();
    void StarZeros();
    int CoverStarredColumns();
    // Returns true when an augmenting path starts at the zero just primed.
    bool PrimeZeros();
    void Augment();
    void AdjustByMinimum();

    // The first row (from 0) with a zero in an uncovered row and column, and the
    // last such column in it; (-1, -1) when there is none.
    QPair<int, int> FindUncoveredZero() const;
    // The least cell whose row and column are both uncovered.
    double SmallestUncoveredValue() const;

    bool IsZero(int row, int column) const;
    double &Cell(int row, int column) { return m_matrix[qsizetype(row) * m_n + column]; }
    double Cell(int row, int column) const { return m_matrix[qsizetype(row) * m_n + column]; }
    int &Mark(int row, int column) { return m_marks[qsizetype(row) * m_n + column]; }
    int Mark(int row, int column) const { return m_marks[qsizetype(row) * m_n + column]; }
    int StarInRow(int row) const;
    int StarInColumn(int column) const;
    int PrimeInRow(int row) const;
    void ClearCovers();

    int m_n = 0;
    QList<double> m_matrix; // m_n rows of m_n cells, row after row
    int m_pathRow = 0;
    int m_pathColumn = 0;
    QList<bool> m_rowCovered;
    QList<bool> m_columnCovered;
    QList<QPair<int, int>> m_path;
    QList<int> m_marks; // EMark per cell, laid out like m_matrix
};
