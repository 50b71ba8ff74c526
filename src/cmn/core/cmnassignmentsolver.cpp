#include "cmnassignmentsolver.h"

#include <algorithm>
#include <cmath>

namespace {

// Cells this close to zero count as zero.
constexpr double kZeroTolerance = std::numeric_limits<double>::epsilon();

// The cost of the cells added to square the matrix: the smallest positive normal
// double, which counts as zero.
constexpr double kPaddingCost = std::numeric_limits<double>::min();

bool IsImpossible(double cost)
{
    return !(cost < CCmnAssignmentSolver::kImpossibleCost);
}

// A sum kept inside the finite range, so that no cell can become infinite or,
// by a later subtraction, not a number.
double ClampedSum(double a, double b)
{
    const double sum = a + b;
    if (sum > CCmnAssignmentSolver::kImpossibleCost)
        return CCmnAssignmentSolver::kImpossibleCost;
    if (sum < -CCmnAssignmentSolver::kImpossibleCost)
        return -CCmnAssignmentSolver::kImpossibleCost;
    return sum;
}

} // namespace

QList<QPair<int, int>> CCmnAssignmentSolver::Solve(const QList<QList<double>> &costs)
{
    Square(costs);
    if (m_n == 0)
        return {};
    ReduceRows();
    StarZeros();
    while (CoverStarredColumns() < m_n) {
        while (!PrimeZeros())
            AdjustByMinimum();
        Augment();
    }

    qsizetype columnCount = 0;
    for (const QList<double> &row : costs)
        columnCount = qMax(columnCount, row.size());
    QList<QPair<int, int>> pairs;
    for (int row = 0; row < costs.size(); ++row) {
        for (int column = 0; column < columnCount; ++column) {
            if (Mark(row, column) == MarkStar)
                pairs.append({row, column});
        }
    }
    return pairs;
}

void CCmnAssignmentSolver::Square(const QList<QList<double>> &costs)
{
    qsizetype n = costs.size();
    for (const QList<double> &row : costs)
        n = qMax(n, row.size());
    m_n = int(n);

    // The impossible cost itself would overflow as soon as the adjusting step adds it
    // to a covered row, and near the top of the range sums lose every small cost
    // they are added to. So impossible cells get a finite stand-in instead: larger
    // than any total the possible cells can reach, so that an assignment with fewer
    // impossible pairs is always cheaper, yet small enough for exact arithmetic.
    double lowest = 0;
    double highest = 0;
    bool anyPossible = false;
    for (const QList<double> &row : costs) {
        for (double cost : row) {
            if (IsImpossible(cost))
                continue;
            lowest = anyPossible ? qMin(lowest, cost) : cost;
            highest = anyPossible ? qMax(highest, cost) : cost;
            anyPossible = true;
        }
    }
    if (costs.size() < n || std::any_of(costs.cbegin(), costs.cend(),
                                        [n](const QList<double> &row) { return row.size() < n; })) {
        lowest = anyPossible ? qMin(lowest, kPaddingCost) : kPaddingCost;
        highest = anyPossible ? qMax(highest, kPaddingCost) : kPaddingCost;
    }
    const double spread = ClampedSum(highest - lowest, 1);
    const double standIn = ClampedSum(highest, qMin(spread * (2.0 * double(n) + 2.0), kImpossibleCost));

    m_matrix.fill(kPaddingCost, n * n);
    for (int row = 0; row < costs.size(); ++row) {
        const QList<double> &given = costs.at(row);
        for (int column = 0; column < given.size(); ++column)
            Cell(row, column) = IsImpossible(given.at(column)) ? standIn : given.at(column);
    }
    m_pathRow = 0;
    m_pathColumn = 0;
    m_rowCovered.fill(false, n);
    m_columnCovered.fill(false, n);
    m_path.clear();
    m_path.reserve(2 * n);
    m_marks.fill(MarkNone, n * n);
}

void CCmnAssignmentSolver::ReduceRows()
{
    for (int row = 0; row < m_n; ++row) {
        double minimum = Cell(row, 0);
        for (int column = 1; column < m_n; ++column)
            minimum = qMin(minimum, Cell(row, column));
        for (int column = 0; column < m_n; ++column)
            Cell(row, column) = ClampedSum(Cell(row, column), -minimum);
    }
}

void CCmnAssignmentSolver::StarZeros()
{
    for (int row = 0; row < m_n; ++row) {
        for (int column = 0; column < m_n; ++column) {
            if (IsZero(row, column) && !m_rowCovered.at(row) && !m_columnCovered.at(column)) {
                Mark(row, column) = MarkStar;
                m_rowCovered[row] = true;
                m_columnCovered[column] = true;
            }
        }
    }
    ClearCovers();
}

int CCmnAssignmentSolver::CoverStarredColumns()
{
    int stars = 0;
    for (int column = 0; column < m_n; ++column) {
        if (StarInColumn(column) >= 0) {
            m_columnCovered[column] = true;
            ++stars;
        }
    }
    return stars;
}

bool CCmnAssignmentSolver::PrimeZeros()
{
    for (;;) {
        const auto [row, column] = FindUncoveredZero();
        if (row < 0)
            return false;
        Mark(row, column) = MarkPrime;
        const int starColumn = StarInRow(row);
        if (starColumn < 0) {
            m_pathRow = row;
            m_pathColumn = column;
            return true;
        }
        m_rowCovered[row] = true;
        m_columnCovered[starColumn] = false;
    }
}

void CCmnAssignmentSolver::Augment()
{
    m_path.clear();
    m_path.append({m_pathRow, m_pathColumn});
    for (;;) {
        const int starRow = StarInColumn(m_path.constLast().second);
        if (starRow < 0)
            break;
        m_path.append({starRow, m_path.constLast().second});
        m_path.append({starRow, PrimeInRow(starRow)});
    }
    for (const auto &[row, column] : std::as_const(m_path))
        Mark(row, column) = Mark(row, column) == MarkStar ? MarkNone : MarkStar;
    ClearCovers();
    for (int &mark : m_marks) {
        if (mark == MarkPrime)
            mark = MarkNone;
    }
}

void CCmnAssignmentSolver::AdjustByMinimum()
{
    const double minimum = SmallestUncoveredValue();
    for (int row = 0; row < m_n; ++row) {
        for (int column = 0; column < m_n; ++column) {
            if (m_rowCovered.at(row))
                Cell(row, column) = ClampedSum(Cell(row, column), minimum);
            if (!m_columnCovered.at(column))
                Cell(row, column) = ClampedSum(Cell(row, column), -minimum);
        }
    }
}

QPair<int, int> CCmnAssignmentSolver::FindUncoveredZero() const
{
    for (int row = 0; row < m_n; ++row) {
        if (m_rowCovered.at(row))
            continue;
        for (int column = m_n - 1; column >= 0; --column) {
            if (!m_columnCovered.at(column) && IsZero(row, column))
                return {row, column};
        }
    }
    return {-1, -1};
}

double CCmnAssignmentSolver::SmallestUncoveredValue() const
{
    double minimum = kImpossibleCost;
    for (int row = 0; row < m_n; ++row) {
        if (m_rowCovered.at(row))
            continue;
        for (int column = 0; column < m_n; ++column) {
            if (!m_columnCovered.at(column))
                minimum = qMin(minimum, Cell(row, column));
        }
    }
    return minimum;
}

bool CCmnAssignmentSolver::IsZero(int row, int column) const
{
    return std::fabs(Cell(row, column)) <= kZeroTolerance;
}

int CCmnAssignmentSolver::StarInRow(int row) const
{
    for (int column = 0; column < m_n; ++column) {
        if (Mark(row, column) == MarkStar)
            return column;
    }
    return -1;
}

int CCmnAssignmentSolver::StarInColumn(int column) const
{
    for (int row = 0; row < m_n; ++row) {
        if (Mark(row, column) == MarkStar)
            return row;
    }
    return -1;
}

int CCmnAssignmentSolver::PrimeInRow(int row) const
{
    for (int column = 0; column < m_n; ++column) {
        if (Mark(row, column) == MarkPrime)
            return column;
    }
    return -1;
}

void CCmnAssignmentSolver::ClearCovers()
{
    m_rowCovered.fill(false);
    m_columnCovered.fill(false);
}
