#include "cmngridlayoutex.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// One placement: {row, column, row span, column span}, with a fifth element 1 to
// add a layout instead of a widget, or 2 to mark the cells only.
using TPlacements = QList<QList<int>>;

class TestCmnGridLayoutEx : public QObject
{
    Q_OBJECT
private slots:
    void placesItems_data();
    void placesItems();
    void recordsOnlyItsOwnItems();
    void lastUsedRow_data();
    void lastUsedRow();
    void setsStretchesOnARun();
};

namespace {

// Adds the placements in order and lists the cell each item landed in, as
// "row,column" separated by blanks.
QString PlaceAll(CCmnGridLayoutEx &grid, const TPlacements &placements)
{
    for (const QList<int> &p : placements) {
        if (p.value(4) == 2) {
            grid.MarkCellsUsed(p[0], p[1], p[2], p[3]);
        } else if (p.value(4) == 1) {
            auto *inner = new QVBoxLayout;
            inner->addWidget(new QLabel(grid.parentWidget()));
            grid.AddLayout(inner, p[0], p[1], p[2], p[3]);
        } else {
            grid.AddWidget(new QLabel(grid.parentWidget()), p[0], p[1], p[2], p[3]);
        }
    }
    QStringList cells;
    for (int i = 0; i < grid.count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        cells << QStringLiteral("%1,%2").arg(row).arg(column);
    }
    return cells.join(QLatin1Char(' '));
}

const QList<int> kAuto{-1, -1, 1, 1};

} // namespace

void TestCmnGridLayoutEx::placesItems_data()
{
    QTest::addColumn<int>("wrapCount");
    QTest::addColumn<bool>("rowWise");
    QTest::addColumn<TPlacements>("placements");
    QTest::addColumn<QString>("cells");

    QTest::newRow("seven automatic wrap after three")
        << 3 << true << TPlacements(7, kAuto) << "0,0 0,1 0,2 1,0 1,1 1,2 2,0";
    QTest::newRow("automatic around an explicit span")
        << 3 << true << TPlacements{{0, 1, 1, 2}, kAuto, kAuto, kAuto} << "0,1 0,0 1,0 1,1";
    QTest::newRow("row without column is placed at the cursor")
        << 3 << true << TPlacements{kAuto, {2, -1, 1, 1}, {-1, 2, 1, 1}} << "0,0 0,1 0,2";
    QTest::newRow("search starts at the origin after explicit only")
        << 3 << true << TPlacements{{1, 1, 1, 1}, {0, 2, 1, 1}, kAuto, kAuto, kAuto, kAuto}
        << "1,1 0,2 0,0 0,1 1,0 1,2";
    QTest::newRow("explicit placements leave the cursor alone")
        << 3 << true << TPlacements{kAuto, {5, 0, 1, 1}, kAuto} << "0,0 5,0 0,1";
    QTest::newRow("wrap after two columns")
        << 2 << true << TPlacements(5, kAuto) << "0,0 0,1 1,0 1,1 2,0";
    QTest::newRow("wrap after four columns")
        << 4 << true << TPlacements(6, kAuto) << "0,0 0,1 0,2 0,3 1,0 1,1";
    QTest::newRow("one column")
        << 1 << true << TPlacements(3, kAuto) << "0,0 1,0 2,0";
    QTest::newRow("column-wise wrap after three rows")
        << 3 << false << TPlacements(5, kAuto) << "0,0 1,0 2,0 0,1 1,1";
    QTest::newRow("column-wise around a row span")
        << 2 << false << TPlacements{{0, 0, 2, 1}, kAuto, kAuto} << "0,0 0,1 1,1";
    QTest::newRow("layouts take cells like widgets")
        << 2 << true << TPlacements{kAuto, {-1, -1, 1, 1, 1}, kAuto} << "0,0 0,1 1,0";
    QTest::newRow("an item spanning a whole row is skipped")
        << 3 << true << TPlacements{kAuto, {1, 0, 1, 3}, kAuto, kAuto, kAuto}
        << "0,0 1,0 0,1 0,2 2,0";
}

void TestCmnGridLayoutEx::placesItems()
{
    QFETCH(int, wrapCount);
    QFETCH(bool, rowWise);
    QFETCH(TPlacements, placements);
    QFETCH(QString, cells);

    QWidget host;
    auto *grid = new CCmnGridLayoutEx(wrapCount, rowWise, &host);
    QCOMPARE(PlaceAll(*grid, placements), cells);
}

void TestCmnGridLayoutEx::recordsOnlyItsOwnItems()
{
    QWidget host;
    auto *grid = new CCmnGridLayoutEx(&host);
    grid->AddWidget(nullptr);
    grid->AddLayout(nullptr, 0, 0);
    QCOMPARE(grid->count(), 0);
    // Items added past the record do not take cells.
    grid->addWidget(new QLabel(&host), 0, 0);
    QCOMPARE(grid->LastUsedRow(), -1);
    QCOMPARE(PlaceAll(*grid, {kAuto}), QStringLiteral("0,0 0,0"));
}

void TestCmnGridLayoutEx::lastUsedRow_data()
{
    QTest::addColumn<TPlacements>("placements");
    QTest::addColumn<int>("lastRow");

    QTest::newRow("new layout") << TPlacements() << -1;
    QTest::newRow("row 4 spanning two rows") << TPlacements{{4, 0, 2, 1}} << 5;
    QTest::newRow("seven automatic") << TPlacements(7, kAuto) << 2;
    QTest::newRow("highest of several") << TPlacements{{3, 2, 1, 1}, {1, 0, 1, 1}} << 3;
    QTest::newRow("marked without an item") << TPlacements{{2, 1, 2, 2, 2}} << 3;
    QTest::newRow("zero span records nothing")
        << TPlacements{{2, 0, 0, 1, 2}, {3, 0, 1, 0, 2}, {4, 0, -1, 1, 2}} << -1;
    QTest::newRow("large rows stay positive") << TPlacements{{40000, 0, 1, 1}} << 40000;
}

void TestCmnGridLayoutEx::lastUsedRow()
{
    QFETCH(TPlacements, placements);
    QFETCH(int, lastRow);

    QWidget host;
    auto *grid = new CCmnGridLayoutEx(&host);
    PlaceAll(*grid, placements);
    QCOMPARE(grid->LastUsedRow(), lastRow);
}

void TestCmnGridLayoutEx::setsStretchesOnARun()
{
    QGridLayout grid;
    CmnSetColumnStretches(&grid, 1, 3, 2);
    CmnSetRowStretches(&grid, 2, 2, 5);
    CmnSetColumnStretches(&grid, 6, 0, 9);
    CmnSetRowStretches(&grid, 6, -1, 9);

    // Empty runs must not grow the grid either.
    QCOMPARE(grid.columnCount(), 4);
    QCOMPARE(grid.rowCount(), 4);
    QList<int> columns, rows;
    for (int i = 0; i < 4; ++i) {
        columns << grid.columnStretch(i);
        rows << grid.rowStretch(i);
    }
    QCOMPARE(columns, (QList<int>{0, 2, 2, 2}));
    QCOMPARE(rows, (QList<int>{0, 0, 5, 5}));
}

QTEST_MAIN(TestCmnGridLayoutEx)
#include "tst_cmngridlayoutex.moc"
