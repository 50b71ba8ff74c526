#include "bioancestoroccurrences.h"
#include "biopedigree.h"
#include "biosubpedigree.h"
#include "pedigreetesting.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(CBioParents)

namespace {

QVector<CBioParents> NoParents(int count)
{
    return QVector<CBioParents>(count);
}

// Animals 1..count, each with parents among the earlier ones or unknown, often
// shared so that ancestors are met along many paths.
CBioPedigree RandomPedigree(QRandomGenerator &random, int count)
{
    CBioPedigree pedigree;
    for (int id = 1; id <= count; ++id) {
        const auto parent = [&]() { return id > 4 && random.bounded(6) != 0 ? 1 + int(random.bounded(id - 1)) : 0; };
        pedigree.AppendIndividual(parent(), parent());
    }
    return pedigree;
}

QVector<int> Collect(const CBioPedigree &pedigree, int limit, int sire, int dam,
                     QVector<CBioAncestorOccurrences> *occurrences = nullptr)
{
    QVector<int> ids;
    QVector<int> table(pedigree.Highest() + 1, 7);
    if (!pedigree.CollectAncestors(limit, sire, dam, occurrences, &ids, &table))
        return {-1};
    return ids;
}

using COccurrenceCounts = CBioAncestorOccurrences::Counts;

} // namespace

Q_DECLARE_METATYPE(COccurrenceCounts)

class TestBioPedigree : public QObject
{
    Q_OBJECT
private slots:
    void clearedTableHoldsOnlyEntryZero();
    void growMakesIndividualsWithoutParents();
    void growReservesInLargeSteps();
    void appendNumbersFromOne();
    void resetIndividualGrowsAndClears();
    void parentsOfNumbersThatDoNotExistAreLeftAlone();
    void danglingParentsReadAsUnknown_data();
    void danglingParentsReadAsUnknown();

    void limitOneListsSireAndDam();
    void halfSibsMeetTheirCommonSireOnceOnEachSide();
    void pathsAreCountedInEachGeneration();
    void walkWithoutCountsMeetsTheSameAncestorsInTheSameOrder();
    void walkThroughLoopEndsAtTheLimit();
    void walkSkipsParentsOfUnknownIds();
    void orderPutsFoundersFirstAndAncestorsBeforeDescendants();
    void orderCutsLinksLeavingTheAncestry();
    void orderReportsLoopWithItsPath_data();
    void orderReportsLoopWithItsPath();
    void orderedRandomAncestriesKeepEveryLink();
};

void TestBioPedigree::clearedTableHoldsOnlyEntryZero()
{
    CBioPedigree pedigree;
    pedigree.AppendIndividual(0, 0);
    pedigree.Clear();
    QCOMPARE(pedigree.Highest(), 0);
    QCOMPARE(pedigree.Entries(), NoParents(1));
}

void TestBioPedigree::growMakesIndividualsWithoutParents()
{
    CBioPedigree pedigree;
    pedigree.Grow(10, 0);
    QCOMPARE(pedigree.Highest(), 10);
    QCOMPARE(pedigree.Entries(), NoParents(11));

    pedigree.SetParents(10, 3, 4);
    pedigree.Grow(5, 0);
    QCOMPARE(pedigree.Highest(), 10);
    QCOMPARE(pedigree.Entries().size(), 11);
    QCOMPARE(pedigree.Entries().at(10), (CBioParents{3, 4}));
}

void TestBioPedigree::growReservesInLargeSteps()
{
    CBioPedigree pedigree;
    pedigree.Grow(10, 0);
    QVERIFY(pedigree.Entries().capacity() >= 4011);
    const auto *storage = pedigree.Entries().constData();
    for (int i = 0; i < 3000; ++i)
        pedigree.AppendIndividual(0, 0);
    QCOMPARE(pedigree.Entries().constData(), storage);

    pedigree.Grow(20000, 50000);
    QVERIFY(pedigree.Entries().capacity() >= 70001);
}

void TestBioPedigree::appendNumbersFromOne()
{
    CBioPedigree pedigree;
    QCOMPARE(pedigree.AppendIndividual(0, 0), 1);
    QCOMPARE(pedigree.AppendIndividual(1, 0), 2);
    QCOMPARE(pedigree.Highest(), 2);
    QCOMPARE(pedigree.ParentsOf(2), (CBioParents{1, 0}));
}

void TestBioPedigree::resetIndividualGrowsAndClears()
{
    CBioPedigree pedigree;
    pedigree.Grow(3, 0);
    pedigree.SetParents(3, 1, 2);
    pedigree.ResetIndividual(3);
    QCOMPARE(pedigree.ParentsOf(3), CBioParents());
    pedigree.ResetIndividual(7);
    QCOMPARE(pedigree.Highest(), 7);
    pedigree.SetParents(7, 1, 2);
    pedigree.ClearParents(7);
    QCOMPARE(pedigree.ParentsOf(7), CBioParents());
}

void TestBioPedigree::parentsOfNumbersThatDoNotExistAreLeftAlone()
{
    CBioPedigree pedigree;
    pedigree.Grow(2, 0);
    pedigree.SetParents(3, 1, 2);
    pedigree.SetParents(0, 1, 2);
    pedigree.SetParents(-1, 1, 2);
    pedigree.ClearParents(5);
    pedigree.ResetIndividual(-4);
    QCOMPARE(pedigree.Highest(), 2);
    QCOMPARE(pedigree.Entries(), NoParents(3));
}

void TestBioPedigree::danglingParentsReadAsUnknown_data()
{
    QTest::addColumn<int>("individual");
    QTest::addColumn<CBioParents>("stored");
    QTest::addColumn<CBioParents>("read");
    QTest::newRow("known parents") << 3 << CBioParents{1, 2} << CBioParents{1, 2};
    QTest::newRow("sire beyond the table") << 3 << CBioParents{9, 2} << CBioParents{0, 2};
    QTest::newRow("negative dam") << 3 << CBioParents{1, -5} << CBioParents{1, 0};
    QTest::newRow("number beyond the table") << 4 << CBioParents{1, 2} << CBioParents{};
}

void TestBioPedigree::danglingParentsReadAsUnknown()
{
    QFETCH(int, individual);
    QFETCH(CBioParents, stored);
    QFETCH(CBioParents, read);
    CBioPedigree pedigree;
    pedigree.Grow(3, 0);
    pedigree.SetParents(3, stored.sire, stored.dam);
    QCOMPARE(pedigree.ParentsOf(individual), read);
}

void TestBioPedigree::limitOneListsSireAndDam()
{
    const CBioPedigree pedigree = PedigreeOf({{1, 0, 0}, {2, 0, 0}, {3, 1, 2}, {4, 1, 2}, {5, 0, 0}});
    QVector<CBioAncestorOccurrences> occurrences;
    QCOMPARE(Collect(pedigree, 1, 3, 4, &occurrences), (QVector<int>{3, 4}));
    QCOMPARE(occurrences.size(), 2);
    QCOMPARE(occurrences[0].At(1), (COccurrenceCounts{1, 0}));
    QCOMPARE(occurrences[1].At(1), (COccurrenceCounts{0, 1}));
    QCOMPARE(occurrences[1].Nearest(), 1);
    QCOMPARE(occurrences[1].Furthest(), 1);
    // The pairing's own parents are listed even when no generation is asked for.
    QCOMPARE(Collect(pedigree, 0, 3, 4), (QVector<int>{3, 4}));
    QCOMPARE(Collect(pedigree, 1, 0, 4), (QVector<int>{4}));
}

void TestBioPedigree::halfSibsMeetTheirCommonSireOnceOnEachSide()
{
    // 4 and 5 share their sire 1; their dams 2 and 3 are unrelated.
    const CBioPedigree pedigree = PedigreeOf({{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 1, 2}, {5, 1, 3}});
    QVector<CBioAncestorOccurrences> occurrences;
    QCOMPARE(Collect(pedigree, 8, 4, 5, &occurrences), (QVector<int>{4, 1, 2, 5, 3}));
    const CBioAncestorOccurrences &sire = occurrences[1];
    QCOMPARE(sire.At(2), (COccurrenceCounts{1, 1}));
    QCOMPARE(sire.Nearest(), 2);
    QCOMPARE(sire.Furthest(), 2);
}

void TestBioPedigree::pathsAreCountedInEachGeneration()
{
    // 1 is the sire of 2 and the grandsire of 3: the pairing 4 x 2 meets it on the
    // sire's side through 3 and through 4's dam 2, and on the dam's side through 2.
    const CBioPedigree pedigree = PedigreeOf({{1, 0, 0}, {2, 1, 0}, {3, 2, 0}, {4, 3, 2}});
    QVector<CBioAncestorOccurrences> occurrences;
    QCOMPARE(Collect(pedigree, 8, 4, 2, &occurrences), (QVector<int>{4, 3, 2, 1}));
    const CBioAncestorOccurrences &founder = occurrences[3];
    QCOMPARE(founder.At(2), (COccurrenceCounts{0, 1}));
    QCOMPARE(founder.At(3), (COccurrenceCounts{1, 0}));
    QCOMPARE(founder.At(4), (COccurrenceCounts{1, 0}));
    QCOMPARE(founder.Nearest(), 2);
    QCOMPARE(founder.Furthest(), 4);
    QCOMPARE(occurrences[2].At(3), (COccurrenceCounts{1, 0}));
}

void TestBioPedigree::walkWithoutCountsMeetsTheSameAncestorsInTheSameOrder()
{
    QRandomGenerator random(20);
    for (int round = 0; round < 40; ++round) {
        const CBioPedigree pedigree = RandomPedigree(random, 60);
        const int sire = 40 + int(random.bounded(21));
        const int dam = 40 + int(random.bounded(21));
        for (int limit : {1, 2, 3, 5, 8, 12}) {
            QVector<CBioAncestorOccurrences> occurrences;
            const QVector<int> everyPath = Collect(pedigree, limit, sire, dam, &occurrences);
            QCOMPARE(Collect(pedigree, limit, sire, dam), everyPath);
            QCOMPARE(occurrences.size(), everyPath.size());
        }
    }
}

void TestBioPedigree::walkThroughLoopEndsAtTheLimit()
{
    // 1 is its own grandsire.
    const CBioPedigree pedigree = PedigreeOf({{1, 2, 0}, {2, 1, 0}, {3, 1, 0}});
    QVector<CBioAncestorOccurrences> occurrences;
    QCOMPARE(Collect(pedigree, 6, 3, 0, &occurrences), (QVector<int>{3, 1, 2}));
    QCOMPARE(occurrences[1].Nearest(), 2);
    QCOMPARE(occurrences[1].Furthest(), 6);
    QCOMPARE(occurrences[1].At(4), (COccurrenceCounts{1, 0}));
    // Asked for no limit, the walk still ends.
    QCOMPARE(Collect(pedigree, -1, 3, 0), (QVector<int>{3, 1, 2}));
    occurrences.clear();
    QCOMPARE(Collect(pedigree, -1, 3, 0, &occurrences), (QVector<int>{3, 1, 2}));
    QVERIFY(occurrences[1].Furthest() <= 24);
    occurrences.clear();
    QCOMPARE(Collect(pedigree, 1000000, 3, 0, &occurrences), (QVector<int>{3, 1, 2}));
    QVERIFY(occurrences[1].Furthest() <= 24);
}

void TestBioPedigree::walkSkipsParentsOfUnknownIds()
{
    CBioPedigree pedigree = PedigreeOf({{1, 0, 0}, {2, 1, 0}, {3, 2, 1}});
    pedigree.SetParents(2, 99, 1);
    QCOMPARE(Collect(pedigree, 8, 3, 0), (QVector<int>{3, 2, 1}));
    QCOMPARE(Collect(pedigree, 8, 50, 3), (QVector<int>{3, 2, 1}));
    QVector<int> ids;
    QVERIFY(pedigree.CollectAncestors(8, 2, 3, nullptr, &ids, nullptr));
    QCOMPARE(ids, (QVector<int>{2, 1, 3}));
    QVector<int> shortTable(1);
    ids.clear();
    QVERIFY(pedigree.CollectAncestors(8, 2, 3, nullptr, &ids, &shortTable));
    QCOMPARE(ids, (QVector<int>{2, 1, 3}));
}

void TestBioPedigree::orderPutsFoundersFirstAndAncestorsBeforeDescendants()
{
    // 10 and 20 are founders, 30 their offspring, 40 = (30 x 20).
    const CBioPedigree source = PedigreeOf({{10, 0, 0}, {20, 0, 0}, {30, 10, 20}, {40, 30, 20}});
    const QVector<int> ids = Collect(source, 8, 40, 0);
    QCOMPARE(ids, (QVector<int>{40, 30, 10, 20}));
    CBioSubPedigree ordered;
    QVector<int> marks;
    QVector<int> loop{5};
    QVERIFY(CBioPedigree::BuildOrdered(ordered, source, ids, marks, &loop));
    QVERIFY(loop.isEmpty());
    QCOMPARE(ordered.positionToId, (QVector<int>{0, 10, 20, 30, 40}));
    QCOMPARE(ordered.pedigree.Highest(), 4);
    QCOMPARE(ordered.pedigree.ParentsOf(3), (CBioParents{1, 2}));
    QCOMPARE(ordered.pedigree.ParentsOf(4), (CBioParents{3, 2}));
    QCOMPARE(ordered.idToPosition.size(), 41);
    QCOMPARE(ordered.PositionOf(30), 3);
    QCOMPARE(ordered.PositionOf(25), 0);
    QCOMPARE(ordered.PositionOf(400), 0);
    QCOMPARE(marks.size(), 41);
    QCOMPARE(marks.at(30), 30);
    QCOMPARE(marks.at(31), 0);
}

void TestBioPedigree::orderCutsLinksLeavingTheAncestry()
{
    // Within two generations of 5 x 6 the grandparents 3 and 4 have no known
    // parents, so they come first with the founder 2, in the order they finish.
    const CBioPedigree source = PedigreeOf({{1, 0, 0}, {2, 0, 0}, {3, 1, 0}, {4, 0, 1}, {5, 3, 2}, {6, 4, 2}});
    const QVector<int> ids = Collect(source, 2, 5, 6);
    QCOMPARE(ids, (QVector<int>{5, 3, 2, 6, 4}));
    CBioSubPedigree ordered;
    QVector<int> marks(source.Highest() + 1, 9);
    QVERIFY(CBioPedigree::BuildOrdered(ordered, source, ids, marks, nullptr));
    QCOMPARE(ordered.positionToId, (QVector<int>{0, 3, 2, 4, 5, 6}));
    QCOMPARE(ordered.pedigree.ParentsOf(1), CBioParents());
    QCOMPARE(ordered.pedigree.ParentsOf(5), (CBioParents{3, 2}));
    QCOMPARE(marks.at(1), 0);
}

void TestBioPedigree::orderReportsLoopWithItsPath_data()
{
    QTest::addColumn<QList<CAnimal>>("animals");
    QTest::addColumn<int>("start");
    QTest::addColumn<QVector<int>>("path");
    QTest::newRow("own grandsire") << QList<CAnimal>{{1, 2, 0}, {2, 1, 0}} << 1 << QVector<int>{1, 2, 1};
    QTest::newRow("own dam") << QList<CAnimal>{{1, 0, 1}} << 1 << QVector<int>{1, 1};
    QTest::newRow("cycle of dams above a sound line")
        << QList<CAnimal>{{1, 0, 2}, {2, 0, 3}, {3, 0, 4}, {4, 0, 2}, {5, 6, 1}, {6, 0, 0}} << 5
        << QVector<int>{2, 3, 4, 2};
}

void TestBioPedigree::orderReportsLoopWithItsPath()
{
    QFETCH(QList<CAnimal>, animals);
    QFETCH(int, start);
    QFETCH(QVector<int>, path);
    const CBioPedigree source = PedigreeOf(animals);
    CBioSubPedigree ordered;
    QVector<int> marks;
    QVector<int> loop;
    QVERIFY(!CBioPedigree::BuildOrdered(ordered, source, Collect(source, 10, start, 0), marks, &loop));
    QCOMPARE(loop, path);
}

void TestBioPedigree::orderedRandomAncestriesKeepEveryLink()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 30; ++round) {
        const CBioPedigree source = RandomPedigree(random, 80);
        const QVector<int> ids = Collect(source, 1 + int(random.bounded(6)), 80, 79);
        CBioSubPedigree ordered;
        QVector<int> marks;
        QVERIFY(CBioPedigree::BuildOrdered(ordered, source, ids, marks, nullptr));
        const int n = ordered.pedigree.Highest();
        QCOMPARE(n, ids.size());
        for (int position = 1; position <= n; ++position) {
            const int id = ordered.positionToId.at(position);
            QCOMPARE(ordered.PositionOf(id), position);
            const CBioParents parents = ordered.pedigree.ParentsOf(position);
            const CBioParents sourceParents = source.ParentsOf(id);
            QVERIFY(parents.sire < position && parents.dam < position);
            QCOMPARE(ordered.positionToId.at(parents.sire), ids.contains(sourceParents.sire) ? sourceParents.sire : 0);
            QCOMPARE(ordered.positionToId.at(parents.dam), ids.contains(sourceParents.dam) ? sourceParents.dam : 0);
        }
    }
}

QTEST_GUILESS_MAIN(TestBioPedigree)
#include "tst_biopedigree.moc"
