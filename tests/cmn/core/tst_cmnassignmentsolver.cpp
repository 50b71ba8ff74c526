#include "cmnassignmentsolver.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

using TPairs = QList<QPair<int, int>>;
using TMatrix = QList<QList<double>>;

constexpr double kNo = CCmnAssignmentSolver::kImpossibleCost;

bool Possible(double cost)
{
    return cost < kNo;
}

// The best any assignment can do: the most possible pairs, then the lowest total
// cost of those pairs. Found by trying every assignment.
struct TBest
{
    int count = -1;
    double total = 0;
};

void Search(const TMatrix &costs, int row, QList<bool> &used, int count, double total, TBest &best)
{
    if (row == costs.size()) {
        if (count > best.count || (count == best.count && total < best.total))
            best = {count, total};
        return;
    }
    Search(costs, row + 1, used, count, total, best);
    for (int column = 0; column < costs.at(row).size(); ++column) {
        if (used.at(column) || !Possible(costs.at(row).at(column)))
            continue;
        used[column] = true;
        Search(costs, row + 1, used, count + 1, total + costs.at(row).at(column), best);
        used[column] = false;
    }
}

TBest BruteForce(const TMatrix &costs)
{
    QList<bool> used(costs.isEmpty() ? 0 : costs.first().size(), false);
    TBest best;
    Search(costs, 0, used, 0, 0, best);
    return best;
}

// The pairs' own verdict, after dropping impossible ones; also checks that no row or
// column is used twice and that every pair lies inside the matrix.
TBest Evaluate(const TMatrix &costs, const TPairs &pairs, QString *error)
{
    TBest result{0, 0};
    QList<int> rows;
    QList<int> columns;
    for (const auto &[row, column] : pairs) {
        if (row < 0 || row >= costs.size() || column < 0 || column >= costs.at(row).size()
            || rows.contains(row) || columns.contains(column)) {
            *error = QStringLiteral("bad pair (%1, %2)").arg(row).arg(column);
            return result;
        }
        rows.append(row);
        columns.append(column);
        if (Possible(costs.at(row).at(column))) {
            ++result.count;
            result.total += costs.at(row).at(column);
        }
    }
    return result;
}

} // namespace

class TestCmnAssignmentSolver : public QObject
{
    Q_OBJECT
private slots:
    void solve_data();
    void solve();
    void matchesExhaustiveSearch();
};

void TestCmnAssignmentSolver::solve_data()
{
    QTest::addColumn<TMatrix>("costs");
    QTest::addColumn<TPairs>("expected");

    QTest::newRow("empty") << TMatrix{} << TPairs{};
    QTest::newRow("rows without cells") << TMatrix{{}, {}} << TPairs{};
    QTest::newRow("single cell") << TMatrix{{7}} << TPairs{{0, 0}};
    // Columns A, E, S, V for "Save" and "Save As".
    QTest::newRow("save, save as") << TMatrix{{125001, 125003, 1, 125002}, {54, 125003, 1, 125002}}
                                   << TPairs{{0, 2}, {1, 0}};
    QTest::newRow("cheaper total beats greedy") << TMatrix{{1, 2}, {1, 100}} << TPairs{{0, 1}, {1, 0}};
    // Equal totals: the later column of the first row with a free zero is primed.
    QTest::newRow("tie follows scan order") << TMatrix{{1, 2}, {1, 2}} << TPairs{{0, 0}, {1, 1}};
    QTest::newRow("all equal") << TMatrix{{3, 3}, {3, 3}} << TPairs{{0, 0}, {1, 1}};
    QTest::newRow("more rows than columns") << TMatrix{{5}, {3}, {4}} << TPairs{{1, 0}};
    QTest::newRow("more columns than rows") << TMatrix{{5, 2, 9}} << TPairs{{0, 1}};
    QTest::newRow("impossible avoided at a price") << TMatrix{{1, kNo}, {1, 1000}}
                                                   << TPairs{{0, 0}, {1, 1}};
    // Two rows can only use column 0: one of them must go without.
    QTest::newRow("impossible forced") << TMatrix{{1, kNo, kNo}, {2, kNo, kNo}, {kNo, 3, 4}}
                                       << TPairs{{0, 0}, {1, 2}, {2, 1}};
    QTest::newRow("all impossible") << TMatrix{{kNo, kNo}, {kNo, kNo}} << TPairs{{0, 0}, {1, 1}};
    QTest::newRow("infinity and nan count as impossible")
        << TMatrix{{qInf(), 2}, {qQNaN(), 1}, {1, qInf()}} << TPairs{{1, 1}, {2, 0}};
}

void TestCmnAssignmentSolver::solve()
{
    QFETCH(TMatrix, costs);
    QFETCH(TPairs, expected);
    CCmnAssignmentSolver solver;
    QCOMPARE(solver.Solve(costs), expected);
}

// Random matrices, many with impossible cells, some so many that rows must share a
// column: the solver never keeps an impossible pair that some assignment avoids, and
// its possible pairs cost no more than the best assignment's.
void TestCmnAssignmentSolver::matchesExhaustiveSearch()
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const int rows = random.bounded(1, 7);
        const int columns = random.bounded(1, 7);
        const int impossibleShare = random.bounded(0, 90);
        TMatrix costs(rows);
        for (QList<double> &row : costs) {
            for (int column = 0; column < columns; ++column) {
                if (random.bounded(100) < impossibleShare)
                    row.append(kNo);
                else if (random.bounded(2))
                    row.append(double(random.bounded(1, 6)));
                else
                    row.append(double(random.bounded(1, 37)) / 36 * 125000 + random.bounded(40));
            }
        }
        CCmnAssignmentSolver solver;
        const TPairs pairs = solver.Solve(costs);
        QString error;
        const TBest got = Evaluate(costs, pairs, &error);
        const TBest best = BruteForce(costs);
        const QByteArray where = QStringLiteral("round %1").arg(round).toUtf8();
        QVERIFY2(error.isEmpty(), (where + " " + error.toUtf8()).constData());
        QCOMPARE(pairs.size(), qsizetype(qMin(rows, columns)));
        QVERIFY2(got.count == best.count, where.constData());
        QVERIFY2(qAbs(got.total - best.total) <= 1e-6 * qMax(1.0, best.total), where.constData());
    }
}

QTEST_GUILESS_MAIN(TestCmnAssignmentSolver)
#include "tst_cmnassignmentsolver.moc"
