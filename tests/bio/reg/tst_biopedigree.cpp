#include "biopedigree.h"

#include <QTest>

Q_DECLARE_METATYPE(CBioParents)

namespace {

QVector<CBioParents> NoParents(int count)
{
    return QVector<CBioParents>(count);
}

} // namespace

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

QTEST_GUILESS_MAIN(TestBioPedigree)
#include "tst_biopedigree.moc"
