#include "bioinbreedingcalculator.h"
#include "bioinbreedingcoefficients.h"
#include "biopedigree.h"
#include "biosubpedigree.h"
#include "pedigreetesting.h"
#include "testpedigreefiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Caps the process's address space a little above what it uses now, for the
// lifetime of the scope, so that the next large allocation fails.
class CAddressSpaceCap
{
public:
    explicit CAddressSpaceCap(qint64 headroom)
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        m_Valid = statm.open(QIODevice::ReadOnly) && getrlimit(RLIMIT_AS, &m_Old) == 0;
        if (!m_Valid)
            return;
        const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
        rlimit capped = m_Old;
        capped.rlim_cur = rlim_t(pages * sysconf(_SC_PAGESIZE) + headroom);
        m_Valid = pages > 0 && setrlimit(RLIMIT_AS, &capped) == 0;
    }
    ~CAddressSpaceCap()
    {
        if (m_Valid)
            setrlimit(RLIMIT_AS, &m_Old);
    }
    bool IsValid() const { return m_Valid; }

private:
    rlimit m_Old{};
    bool m_Valid = false;
};

// Animals 1..count with parents among the earlier ones, closely bred, some unknown.
CBioPedigree RandomPedigree(QRandomGenerator &random, int count)
{
    CBioPedigree pedigree;
    for (int id = 1; id <= count; ++id) {
        const auto parent = [&]() {
            if (id <= 3 || random.bounded(8) == 0)
                return 0;
            return std::max(1, id - 1 - int(random.bounded(std::min(id - 1, 12))));
        };
        pedigree.AppendIndividual(parent(), parent());
    }
    return pedigree;
}

// The same animals under shuffled ids, as a register has them after imports and
// reused ids: parents no longer come before their offspring. newId[old] is the
// id of the old animal in the result.
CBioPedigree ShuffledPedigree(QRandomGenerator &random, const CBioPedigree &pedigree, QVector<int> &newId)
{
    const int highest = pedigree.Highest();
    newId.resize(highest + 1);
    std::iota(newId.begin(), newId.end(), 0);
    std::shuffle(newId.begin() + 1, newId.end(), random);
    CBioPedigree shuffled;
    shuffled.Grow(highest, 0);
    for (int id = 1; id <= highest; ++id) {
        const CBioParents parents = pedigree.ParentsOf(id);
        shuffled.SetParents(newId[id], newId[parents.sire], newId[parents.dam]);
    }
    return shuffled;
}

// The relationship passes written plainly, over every parent for every sire up to
// the highest parent number among its mates, to hold the fast passes to.
double PlainPassesCoefficient(const CBioPedigree &ordered, int of)
{
    const int n = ordered.Highest();
    std::vector<int> number(n + 1, 0);
    std::vector<CBioParents> parentPedigree(n + 1);
    std::vector<int> bound(n + 1, 0);
    int next = 1;
    for (int j = 1; j <= n; ++j) {
        const CBioParents parents = ordered.ParentsOf(j);
        for (int parent : {parents.sire, parents.dam}) {
            if (parent != 0 && number[parent] == 0) {
                number[parent] = next;
                bound[next] = next;
                parentPedigree[next++] = CBioParents{number[ordered.ParentsOf(parent).sire],
                                                     number[ordered.ParentsOf(parent).dam]};
            }
        }
        if (parents.sire != 0)
            bound[number[parents.sire]] = std::max(bound[number[parents.sire]], number[parents.dam]);
    }
    std::vector<int> bySire(n);
    std::iota(bySire.begin(), bySire.end(), 1);
    std::stable_sort(bySire.begin(), bySire.end(),
                     [&](int a, int b) { return ordered.ParentsOf(a).sire < ordered.ParentsOf(b).sire; });
    std::vector<double> f(n + 1, 0.0), d(n + 1, 0.0), l(n + 1, 0.0);
    f[0] = -1.0;
    int t = 1;
    for (size_t u = 0; u < bySire.size();) {
        const int s = ordered.ParentsOf(bySire[u]).sire;
        if (s == 0) {
            f[bySire[u++]] = 0.0;
            continue;
        }
        for (; t <= s; ++t) {
            if (number[t] != 0)
                d[number[t]] = 0.5 - 0.25 * (f[ordered.ParentsOf(t).sire] + f[ordered.ParentsOf(t).dam]);
        }
        l[number[s]] = 1.0;
        for (int k = number[s]; k >= 1; --k) {
            if (l[k] == 0.0)
                continue;
            if (parentPedigree[k].sire != 0)
                l[parentPedigree[k].sire] += 0.5 * l[k];
            if (parentPedigree[k].dam != 0)
                l[parentPedigree[k].dam] += 0.5 * l[k];
            l[k] *= d[k];
        }
        for (int k = 1; k <= bound[number[s]]; ++k)
            l[k] += 0.5 * (l[parentPedigree[k].sire] + l[parentPedigree[k].dam]);
        for (; u < bySire.size() && ordered.ParentsOf(bySire[u]).sire == s; ++u)
            f[bySire[u]] = 0.5 * l[number[ordered.ParentsOf(bySire[u]).dam]];
        std::fill(l.begin(), l.end(), 0.0);
    }
    return f[of];
}

// The coefficient the step-by-step way: collect, order, add the offspring, compute;
// `plain` gets the same through the plain passes.
bool StepByStep(const CBioPedigree &pedigree, int sire, int dam, int limit, double &coefficient, double *plain = nullptr)
{
    coefficient = 0.0;
    QVector<int> table(pedigree.Highest() + 1);
    QVector<int> ids;
    if (!pedigree.CollectAncestors(limit, sire, dam, nullptr, &ids, &table))
        return false;
    CBioSubPedigree ordered;
    if (!CBioPedigree::BuildOrdered(ordered, pedigree, ids, table, nullptr))
        return false;
    const int offspring = ordered.pedigree.AppendIndividual(ordered.PositionOf(sire), ordered.PositionOf(dam));
    const std::optional<double> inbreeding = ordered.InbreedingOf(offspring);
    coefficient = inbreeding.value_or(0.0);
    if (plain)
        *plain = PlainPassesCoefficient(ordered.pedigree, offspring);
    return inbreeding.has_value();
}

// Half the relationship of sire and dam by the tabular method over every ancestor
// whose shortest line to the offspring has at most `limit` generations, with all
// links among them. Ids are numbered parents first, as RandomPedigree makes them.
double TabularCoefficient(const CBioPedigree &pedigree, int sire, int dam, int limit)
{
    const int highest = pedigree.Highest();
    std::vector<int> distance(size_t(highest) + 1, 0);
    std::vector<int> level{sire, dam};
    for (int generation = 1; generation <= limit && !level.empty(); ++generation) {
        std::vector<int> next;
        for (int id : level) {
            if (id == 0 || distance[id] != 0)
                continue;
            distance[id] = generation;
            next.push_back(pedigree.ParentsOf(id).sire);
            next.push_back(pedigree.ParentsOf(id).dam);
        }
        level.swap(next);
    }
    const auto inside = [&](int id) { return id != 0 && distance[id] != 0; };
    std::vector<std::vector<double>> a(size_t(highest) + 1, std::vector<double>(size_t(highest) + 1, 0.0));
    for (int i = 1; i <= highest; ++i) {
        if (!inside(i))
            continue;
        const CBioParents parents = pedigree.ParentsOf(i);
        const int s = inside(parents.sire) ? parents.sire : 0;
        const int d = inside(parents.dam) ? parents.dam : 0;
        for (int j = 1; j < i; ++j) {
            if (inside(j))
                a[i][j] = a[j][i] = 0.5 * (a[j][s] + a[j][d]);
        }
        a[i][i] = 1.0 + (s != 0 && d != 0 ? 0.5 * a[s][d] : 0.0);
    }
    return 0.5 * a[sire][dam];
}

} // namespace


class TestBioInbreedingCalculator : public QObject
{
    Q_OBJECT
private slots:
    void handCheckedValues_data();
    void handCheckedValues();
    void loopWithinTheLimitFails_data();
    void loopWithinTheLimitFails();
    void runningOutOfMemoryFails();
    void coefficientsOfAWholePedigree();
    void refusesParentsAfterOffspring();
    void agreesWithTabularRelationshipsAndStepByStep();
    void referencePedigrees_data();
    void referencePedigrees();
};

void TestBioInbreedingCalculator::handCheckedValues_data()
{
    QTest::addColumn<QList<CAnimal>>("animals");
    QTest::addColumn<int>("sire");
    QTest::addColumn<int>("dam");
    QTest::addColumn<int>("limit");
    QTest::addColumn<double>("expected");

    const QList<CAnimal> sibs{{1, 0, 0}, {2, 0, 0}, {3, 1, 2}, {4, 1, 2}, {5, 1, 6}, {6, 0, 0}, {7, 3, 4}};
    QTest::newRow("full sibs") << sibs << 3 << 4 << 8 << 0.25;
    QTest::newRow("half sibs") << sibs << 3 << 5 << 8 << 0.125;
    QTest::newRow("sire x daughter") << sibs << 1 << 3 << 8 << 0.25;
    QTest::newRow("son x own dam") << sibs << 3 << 2 << 8 << 0.25;
    QTest::newRow("unrelated") << sibs << 6 << 2 << 8 << 0.0;
    QTest::newRow("unknown dam") << sibs << 3 << 0 << 8 << 0.0;
    QTest::newRow("unknown sire") << sibs << -1 << 3 << 8 << 0.0;
    QTest::newRow("sire outside the index") << sibs << 70 << 3 << 8 << 0.0;
    QTest::newRow("self x self, not inbred") << sibs << 3 << 3 << 8 << 0.5;
    QTest::newRow("self x self, inbred 0.25") << sibs << 7 << 7 << 8 << 0.625;

    // 1 is the grandsire of both 4 and 5: three generations above their offspring.
    const QList<CAnimal> cousins{{1, 0, 0}, {2, 1, 0}, {3, 1, 0}, {4, 2, 0}, {5, 3, 0}};
    QTest::newRow("common great-grandparent, limit 3") << cousins << 4 << 5 << 3 << 0.03125;
    QTest::newRow("common great-grandparent, limit 2") << cousins << 4 << 5 << 2 << 0.0;
    QTest::newRow("common great-grandparent, no limit") << cousins << 4 << 5 << -1 << 0.03125;

    // 1 is the sire of 3 and the dam of 4: its roles differ by offspring.
    const QList<CAnimal> roles{{1, 0, 0}, {2, 0, 0}, {3, 1, 2}, {4, 2, 1}, {5, 3, 4}};
    QTest::newRow("sire in one family, dam in another") << roles << 3 << 4 << 8 << 0.25;
    QTest::newRow("its offspring x its sire") << roles << 5 << 3 << 8 << 0.375;

    // P is common to S (through S1 and S2) and D (through S2, four generations up
    // a line): cutting at three generations keeps S2 and P with all their links.
    enum { P = 1, U1, U2, U3, U4, S1, S2, S, D1, D };
    const QList<CAnimal> cut{{P, 0, 0},    {U1, 0, 0},   {U2, 0, 0},  {U3, 0, 0}, {U4, 0, 0},
                             {S1, P, U1},  {S2, P, U2},  {S, S1, S2}, {D1, U3, S2}, {D, U4, D1}};
    QTest::newRow("cut at three generations keeps every link") << cut << int(S) << int(D) << 3 << 0.078125;
    // At two generations S2 still counts: it is D1's dam inside the cut.
    QTest::newRow("cut at two generations keeps the link to S2") << cut << int(S) << int(D) << 2 << 0.0625;

    // The textbook pedigree: 5 = (4 x 3), half sibs through 1; 6 = (5 x 2).
    const QList<CAnimal> textbook{{1, 0, 0}, {2, 0, 0}, {3, 1, 2}, {4, 1, 0}, {5, 4, 3}, {6, 5, 2}};
    QTest::newRow("textbook 4 x 3") << textbook << 4 << 3 << 8 << 0.125;
    QTest::newRow("textbook 5 x 2") << textbook << 5 << 2 << 8 << 0.125;
    QTest::newRow("textbook 5 x 6") << textbook << 5 << 6 << 8 << 0.34375;
    QTest::newRow("textbook 6 x 3") << textbook << 6 << 3 << 8 << 0.28125;
}

void TestBioInbreedingCalculator::handCheckedValues()
{
    QFETCH(QList<CAnimal>, animals);
    QFETCH(int, sire);
    QFETCH(int, dam);
    QFETCH(int, limit);
    QFETCH(double, expected);
    const CBioPedigree pedigree = PedigreeOf(animals);
    CBioInbreedingCalculator calculator(pedigree);
    double coefficient = -1.0;
    QVERIFY(calculator.OffspringInbreeding(sire, dam, limit, coefficient));
    QCOMPARE(coefficient, expected);
}

void TestBioInbreedingCalculator::loopWithinTheLimitFails_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("loop within the limit") << 4 << false;
    QTest::newRow("loop starting beyond the limit") << 3 << true;
    QTest::newRow("no limit") << -1 << false;
    QTest::newRow("huge limit") << 1000000000 << false;
}

void TestBioInbreedingCalculator::loopWithinTheLimitFails()
{
    QFETCH(int, limit);
    QFETCH(bool, succeeds);
    // 2 is its own dam's dam, three and four generations above 5 x 6.
    const CBioPedigree pedigree = PedigreeOf({{1, 0, 2}, {2, 0, 1}, {3, 0, 1}, {4, 0, 0}, {5, 4, 3}, {6, 4, 0}});
    CBioInbreedingCalculator calculator(pedigree);
    double coefficient = -1.0;
    QCOMPARE(calculator.OffspringInbreeding(5, 6, limit, coefficient), succeeds);
    QCOMPARE(coefficient, succeeds ? 0.125 : 0.0);
    double stepByStep = -1.0;
    QCOMPARE(StepByStep(pedigree, 5, 6, limit, stepByStep), succeeds);
}

void TestBioInbreedingCalculator::runningOutOfMemoryFails()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("The address sanitizer needs more address space than a cap leaves.");
#endif
    CBioPedigree pedigree;
    pedigree.Grow(4000000, 0);
    pedigree.SetParents(3, 1, 2);
    CBioInbreedingCalculator calculator(pedigree);
    double coefficient = -1.0;
    {
        const CAddressSpaceCap cap(8 << 20);
        QVERIFY(cap.IsValid());
        QVERIFY(!calculator.OffspringInbreeding(3, 3, 8, coefficient));
    }
    QCOMPARE(coefficient, 0.0);
    QVERIFY(calculator.OffspringInbreeding(3, 3, 8, coefficient));
    QCOMPARE(coefficient, 0.5);
}

void TestBioInbreedingCalculator::coefficientsOfAWholePedigree()
{
    // Ancestors come out as a side product: 5 = (3 x 4) full sibs, 6 = (5 x 3).
    const QVector<CBioParents> pedigree{{0, 0}, {0, 0}, {0, 0}, {1, 2}, {1, 2}, {3, 4}, {5, 3}};
    std::vector<double> coefficients(7, 9.0);
    QVERIFY(ComputeInbreedingCoefficients(pedigree.constData(), 6, coefficients.data()));
    QCOMPARE(coefficients, (std::vector<double>{-1.0, 0.0, 0.0, 0.0, 0.0, 0.25, 0.375}));
}

void TestBioInbreedingCalculator::refusesParentsAfterOffspring()
{
    const QVector<CBioParents> pedigree{{0, 0}, {0, 2}, {0, 0}};
    std::vector<double> coefficients(3);
    QVERIFY(!ComputeInbreedingCoefficients(pedigree.constData(), 2, coefficients.data()));
}

void TestBioInbreedingCalculator::agreesWithTabularRelationshipsAndStepByStep()
{
    QRandomGenerator random(104);
    CBioPedigree pedigree;
    CBioPedigree shuffled;
    CBioInbreedingCalculator calculator(pedigree);   // kept across pedigrees of every size
    CBioInbreedingCalculator shuffledCalculator(shuffled);
    QVector<int> newId;
    for (int round = 0; round < 60; ++round) {
        pedigree = RandomPedigree(random, 20 + int(random.bounded(100)));
        shuffled = ShuffledPedigree(random, pedigree, newId);
        const int highest = pedigree.Highest();
        for (int pairing = 0; pairing < 5; ++pairing) {
            const int sire = 1 + int(random.bounded(highest));
            const int dam = pairing == 0 ? sire : 1 + int(random.bounded(highest));
            const int limit = 1 + int(random.bounded(10));
            double fast = -1.0;
            double stepByStep = -1.0;
            double plain = -1.0;
            QVERIFY(calculator.OffspringInbreeding(sire, dam, limit, fast));
            QVERIFY(StepByStep(pedigree, sire, dam, limit, stepByStep, &plain));
            QCOMPARE(std::bit_cast<quint64>(fast), std::bit_cast<quint64>(stepByStep));
            QCOMPARE(std::bit_cast<quint64>(fast), std::bit_cast<quint64>(plain));
            const double tabular = TabularCoefficient(pedigree, sire, dam, limit);
            QVERIFY2(std::abs(fast - tabular) < 1e-12,
                     qPrintable(QStringLiteral("%1 x %2 at %3: %4, tabular %5")
                                    .arg(sire).arg(dam).arg(limit).arg(fast).arg(tabular)));
            double underShuffledIds = -1.0;
            QVERIFY(shuffledCalculator.OffspringInbreeding(newId[sire], newId[dam], limit, underShuffledIds));
            QVERIFY2(std::abs(underShuffledIds - tabular) < 1e-12,
                     qPrintable(QStringLiteral("shuffled %1 x %2 at %3: %4, tabular %5")
                                    .arg(sire).arg(dam).arg(limit).arg(underShuffledIds).arg(tabular)));
        }
    }
}

void TestBioInbreedingCalculator::referencePedigrees_data()
{
    QTest::addColumn<QString>("set");
    for (const char *set : {"Mrode2", "ExamplePed", "pedCows", "genea140"})
        QTest::newRow(set) << QString::fromLatin1(set);
}

void TestBioInbreedingCalculator::referencePedigrees()
{
    QFETCH(QString, set);
    const QString dir = TestPedigreeDir();
    if (dir.isEmpty())
        QSKIP("The shared reference pedigrees are not beside the source tree.");
    const CTestPedigreeFile file = ReadTestPedigree(dir + QLatin1Char('/') + set + QStringLiteral(".csv"));
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    QString error;
    const QVector<double> expected = ReadTestCoefficients(dir + QLatin1Char('/') + set + QStringLiteral(".F.csv"), file, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QList<CTestMating> matings = ReadTestMatings(dir + QLatin1Char('/') + set + QStringLiteral(".matings.csv"), file, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    CBioPedigree pedigree;
    pedigree.Grow(file.Count(), 0);
    for (int n = 1; n <= file.Count(); ++n)
        pedigree.SetParents(n, file.sires.at(n), file.dams.at(n));
    CBioInbreedingCalculator calculator(pedigree);
    QElapsedTimer timer;
    timer.start();
    for (int n = 1; n <= file.Count(); ++n) {
        double coefficient = -1.0;
        QVERIFY(calculator.OffspringInbreeding(file.sires.at(n), file.dams.at(n), 24, coefficient));
        QVERIFY2(std::abs(coefficient - expected.at(n)) < 1e-9,
                 qPrintable(QStringLiteral("%1: %2, expected %3").arg(file.ids.at(n - 1)).arg(coefficient).arg(expected.at(n))));
    }
    qInfo("%d animals in %lld ms", file.Count(), timer.elapsed());
    for (const CTestMating &mating : matings) {
        double coefficient = -1.0;
        QVERIFY(calculator.OffspringInbreeding(mating.sire, mating.dam, 24, coefficient));
        QVERIFY2(std::abs(coefficient - mating.coefficient) < 1e-9,
                 qPrintable(QStringLiteral("%1 x %2: %3, expected %4")
                                .arg(file.ids.at(mating.sire - 1), file.ids.at(mating.dam - 1))
                                .arg(coefficient).arg(mating.coefficient)));
    }
}

QTEST_GUILESS_MAIN(TestBioInbreedingCalculator)
#include "tst_bioinbreedingcalculator.moc"
