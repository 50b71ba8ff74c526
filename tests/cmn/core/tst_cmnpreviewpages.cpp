#include "cmnpreviewpages.h"

#include <QTest>

using TCells = QList<QPoint>;
using TAreas = QList<QPair<qint32, qint64>>;

class TestCmnPreviewPages : public QObject
{
    Q_OBJECT
private slots:
    void arrangesPages_data();
    void arrangesPages();
    void mostVisiblePage_data();
    void mostVisiblePage();
};

void TestCmnPreviewPages::arrangesPages_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<TCells>("cells");
    QTest::newRow("no pages") << int(CmnPreviewAllPages) << 0 << false << 0 << 0 << TCells();
    QTest::newRow("single") << int(CmnPreviewSinglePage) << 3 << false << 1 << 3
                            << TCells{{0, 0}, {0, 1}, {0, 2}};
    QTest::newRow("facing: page 1 alone on the right") << int(CmnPreviewFacingPages) << 3 << false << 2 << 2
                                                       << TCells{{1, 0}, {0, 1}, {1, 1}};
    QTest::newRow("facing, even count") << int(CmnPreviewFacingPages) << 4 << false << 2 << 3
                                        << TCells{{1, 0}, {0, 1}, {1, 1}, {0, 2}};
    QTest::newRow("all 5 portrait: 3 made even") << int(CmnPreviewAllPages) << 5 << false << 4 << 2
                                                 << TCells{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}};
    QTest::newRow("all 5 landscape: 2 stays") << int(CmnPreviewAllPages) << 5 << true << 2 << 3
                                              << TCells{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}};
    QTest::newRow("all 1 page: 1 made even") << int(CmnPreviewAllPages) << 1 << false << 2 << 1
                                             << TCells{{0, 0}};
    QTest::newRow("all 16 portrait") << int(CmnPreviewAllPages) << 16 << false << 4 << 4 << TCells();
}

void TestCmnPreviewPages::arrangesPages()
{
    QFETCH(int, mode);
    QFETCH(int, pages);
    QFETCH(bool, landscape);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(TCells, cells);
    const CCmnPreviewGrid grid = CmnArrangePreviewPages(ECmnPreviewPageMode(mode), pages, landscape);
    QCOMPARE(grid.m_Columns, columns);
    QCOMPARE(grid.m_Rows, rows);
    QCOMPARE(grid.m_Cells.size(), pages);
    if (!cells.isEmpty())
        QCOMPARE(grid.m_Cells, cells);
}

void TestCmnPreviewPages::mostVisiblePage_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<TAreas>("areas");
    QTest::addColumn<int>("page");
    QTest::newRow("nothing visible keeps the page") << 4 << TAreas() << 4;
    QTest::newRow("larger area wins") << 1 << TAreas{{1, 100}, {2, 300}, {3, 200}} << 2;
    QTest::newRow("equal areas pick the lower page") << 2 << TAreas{{3, 500}, {2, 500}} << 2;
    QTest::newRow("equal areas, listed high first") << 5 << TAreas{{4, 500}, {3, 500}} << 3;
    QTest::newRow("current page not shown") << 1 << TAreas{{6, 10}} << 6;
    QTest::newRow("areas beyond 32 bits") << 1 << TAreas{{2, 5000000000LL}, {3, 4999999999LL}} << 2;
}

void TestCmnPreviewPages::mostVisiblePage()
{
    QFETCH(int, current);
    QFETCH(TAreas, areas);
    QFETCH(int, page);
    QCOMPARE(CmnMostVisiblePage(current, areas), page);
}

QTEST_GUILESS_MAIN(TestCmnPreviewPages)
#include "tst_cmnpreviewpages.moc"
