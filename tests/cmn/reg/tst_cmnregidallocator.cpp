#include "cmnbitset.h"
#include "cmnregidallocator.h"

#include <QTest>

namespace {

// An allocator holding ids 1 to `count`.
CCmnRegIdAllocator Filled(int count)
{
    CCmnRegIdAllocator ids;
    for (int i = 0; i < count; ++i)
        ids.Allocate();
    return ids;
}

} // namespace

class TestCmnRegIdAllocator : public QObject
{
    Q_OBJECT
private slots:
    void growsInLargeSteps_data();
    void growsInLargeSteps();
    void clearingKeepsHighestMark();
    void searchesStopAtTheWords_data();
    void searchesStopAtTheWords();
    void reusesFreedIds_data();
    void reusesFreedIds();
    void loadingRecomputesCountAndHighest();
};

void TestCmnRegIdAllocator::growsInLargeSteps_data()
{
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<int>("words");
    QTest::newRow("first bit gives ids 1 to 16,384") << QList<int>{0} << 512;
    QTest::newRow("high first bit needs two more words") << QList<int>{16383} << 514;
    QTest::newRow("one past adds 1,024 words") << QList<int>{0, 16384} << 1536;
    QTest::newRow("far index from empty, odd need raised") << QList<int>{100000} << 3128;
    QTest::newRow("far index after the first words") << QList<int>{0, 100000} << 3640;
}

void TestCmnRegIdAllocator::growsInLargeSteps()
{
    QFETCH(QList<int>, indexes);
    QFETCH(int, words);
    CCmnBitSet bits;
    for (int index : indexes)
        bits.SetBit(index, true);
    QCOMPARE(bits.Words().size(), words);
    QCOMPARE(bits.Count(), indexes.size());
    QCOMPARE(bits.GetSetBits(), QVector<int>(indexes.cbegin(), indexes.cend()));
}

void TestCmnRegIdAllocator::clearingKeepsHighestMark()
{
    CCmnBitSet bits;
    bits.SetBit(3, true);
    QCOMPARE(bits.SetBit(40, true), 40);
    QCOMPARE(bits.SetBit(40, false), 40);
    QCOMPARE(bits.Count(), 1);
    // Clearing beyond the words grows them but sets nothing.
    QCOMPARE(bits.SetBit(20000, false), 40);
    QCOMPARE(bits.Words().size(), 1536);
    QCOMPARE(bits.Count(), 1);
    bits.Clear();
    QCOMPARE(bits.Highest(), -1);
    QCOMPARE(bits.Words().size(), 0);
}

void TestCmnRegIdAllocator::searchesStopAtTheWords_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("nextSet");
    QTest::addColumn<int>("nextClear");
    QTest::newRow("negative start") << -1 << -1 << -1;
    QTest::newRow("inside a run") << 1 << 1 << 3;
    QTest::newRow("across a word") << 3 << 33 << 3;
    QTest::newRow("after the last set bit") << 34 << -1 << 34;
    QTest::newRow("last index of the words") << 16383 << -1 << 16383;
    QTest::newRow("beyond the words") << 16384 << -1 << -1;
}

void TestCmnRegIdAllocator::searchesStopAtTheWords()
{
    QFETCH(int, start);
    QFETCH(int, nextSet);
    QFETCH(int, nextClear);
    CCmnBitSet bits;
    for (int index : {0, 1, 2, 33})
        bits.SetBit(index, true);
    QCOMPARE(bits.NextSetBit(start), nextSet);
    QCOMPARE(bits.NextClearBit(start), nextClear);
}

void TestCmnRegIdAllocator::reusesFreedIds_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("freed");
    QTest::addColumn<QList<int>>("allocated");
    QTest::newRow("first id of an empty store") << 0 << QList<int>{} << QList<int>{1, 2};
    QTest::newRow("freed id first, then after the highest") << 5 << QList<int>{3} << QList<int>{3, 6};
    QTest::newRow("hint follows the last deletion") << 5 << QList<int>{2, 4} << QList<int>{4, 6, 7};
    QTest::newRow("highest id reused") << 5 << QList<int>{5} << QList<int>{5, 6};
    // Nothing free from the hint onwards within the words: the search starts again
    // from the first id.
    QTest::newRow("search wraps to the start") << 16384 << QList<int>{2, 16384} << QList<int>{16384, 2, 16385};
}

void TestCmnRegIdAllocator::reusesFreedIds()
{
    QFETCH(int, count);
    QFETCH(QList<int>, freed);
    QFETCH(QList<int>, allocated);
    CCmnRegIdAllocator ids = Filled(count);
    for (int id : freed)
        QVERIFY(ids.Free(id));
    QList<int> got;
    for (qsizetype i = 0; i < allocated.size(); ++i)
        got.append(ids.Allocate());
    QCOMPARE(got, allocated);
    QCOMPARE(ids.Count(), count - freed.size() + allocated.size());
    QVERIFY(!ids.Free(0));
}

void TestCmnRegIdAllocator::loadingRecomputesCountAndHighest()
{
    CCmnRegIdAllocator ids = Filled(9);
    QVERIFY(ids.Free(9));
    QVERIFY(ids.Free(4));
    CCmnRegIdAllocator loaded;
    loaded.Load(ids.GetUsed().Words(), ids.GetHint());
    QCOMPARE(loaded.GetUsed().Highest(), 7);
    QCOMPARE(loaded.Count(), 7);
    QCOMPARE(loaded.GetUsedIds(), (QVector<int>{1, 2, 3, 5, 6, 7, 8}));
    QCOMPARE(loaded.Allocate(), 4);
    QCOMPARE(loaded.Allocate(), 9);
}

QTEST_GUILESS_MAIN(TestCmnRegIdAllocator)
#include "tst_cmnregidallocator.moc"
