#include "bioinbreedingcalculator.h"
#include "biopedigree.h"
#include "testpedigreefiles.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include <map>
#include <memory>
#include <utility>

namespace {

constexpr int kGenerations = 20;
constexpr int kHerdSize = 200;
constexpr int kHerdSires = 10;
constexpr int kSampledAnimals = 64;

// Every animal of a generation has a random male and a random female of the one
// before as parents (males at even places); the first generation are founders.
CBioPedigree RandomMating(int animals)
{
    const int perGeneration = animals / kGenerations;
    QRandomGenerator random(2024);
    CBioPedigree pedigree;
    pedigree.Grow(animals, 0);
    for (int id = perGeneration + 1; id <= animals; ++id) {
        const int previous = ((id - 1) / perGeneration - 1) * perGeneration;
        const int sire = previous + 1 + 2 * int(random.bounded(perGeneration / 2));
        const int dam = previous + 2 + 2 * int(random.bounded(perGeneration / 2));
        pedigree.SetParents(id, sire, dam);
    }
    return pedigree;
}

// A closed herd: ten founders, then generations of 200 whose sires are ten males
// of the generation before and whose dams are any of its females.
CBioPedigree ClosedHerd(int animals)
{
    QRandomGenerator random(1947);
    CBioPedigree pedigree;
    pedigree.Grow(animals, 0);
    int previousStart = 1;
    int previousSize = kHerdSires;
    for (int start = previousStart + previousSize; start <= animals; start += kHerdSize) {
        const int end = std::min(animals, start + kHerdSize - 1);
        for (int id = start; id <= end; ++id) {
            const int sire = previousStart + 2 * int(random.bounded(std::min(kHerdSires, previousSize / 2)));
            const int dam = previousStart + 1 + 2 * int(random.bounded(previousSize / 2));
            pedigree.SetParents(id, sire, dam);
        }
        previousStart = start;
        previousSize = end - start + 1;
    }
    return pedigree;
}

const CBioPedigree &Generated(bool herd, int animals)
{
    static std::map<std::pair<bool, int>, std::unique_ptr<CBioPedigree>> made;
    auto &pedigree = made[{herd, animals}];
    if (!pedigree)
        pedigree = std::make_unique<CBioPedigree>(herd ? ClosedHerd(animals) : RandomMating(animals));
    return *pedigree;
}

// The parents of the sampled animal: one of the youngest generation.
CBioParents SampledParents(const CBioPedigree &pedigree, int sample)
{
    return pedigree.Entries().at(pedigree.Highest() - sample);
}

// The mean number of ancestors a call works on. A call's time follows it, not the
// size of the register, and it grows with the register only while the generations
// are too small to hold every line within the limit apart.
double MeanAncestry(const CBioPedigree &pedigree, int generations)
{
    QVector<int> table(pedigree.Highest() + 1);
    qint64 total = 0;
    for (int sample = 0; sample < kSampledAnimals; ++sample) {
        const CBioParents parents = SampledParents(pedigree, sample);
        QVector<int> ids;
        if (pedigree.CollectAncestors(generations, parents.sire, parents.dam, nullptr, &ids, &table))
            total += ids.size();
    }
    return double(total) / kSampledAnimals;
}

// One coefficient as a list shows it: an animal of the youngest generation, a
// different one each time.
void OneCoefficient(benchmark::State &state, bool herd)
{
    const CBioPedigree &pedigree = Generated(herd, int(state.range(0)));
    const int generations = int(state.range(1));
    CBioInbreedingCalculator calculator(pedigree);
    // A register keeps its calculator: the tables are sized by its first call, once.
    const CBioParents first = SampledParents(pedigree, 0);
    double warm = 0.0;
    if (!calculator.OffspringInbreeding(first.sire, first.dam, generations, warm))
        state.SkipWithError("the calculation failed");
    int next = 0;
    double sum = 0.0;
    for (auto _ : state) {
        const CBioParents parents = SampledParents(pedigree, next);
        next = (next + 1) % kSampledAnimals;
        double coefficient = 0.0;
        if (!calculator.OffspringInbreeding(parents.sire, parents.dam, generations, coefficient))
            state.SkipWithError("the calculation failed");
        sum += coefficient;
    }
    benchmark::DoNotOptimize(sum);
    const double ancestry = MeanAncestry(pedigree, generations);
    state.counters["ancestry"] = ancestry;
    state.counters["per_ancestor"] =
        benchmark::Counter(ancestry, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_RandomMating(benchmark::State &state)
{
    OneCoefficient(state, false);
}

void BM_ClosedHerd(benchmark::State &state)
{
    OneCoefficient(state, true);
}

void BM_Genea140AllAnimals(benchmark::State &state)
{
    const QString dir = TestPedigreeDir();
    const CTestPedigreeFile file = ReadTestPedigree(dir + QStringLiteral("/genea140.csv"));
    if (dir.isEmpty() || !file.error.isEmpty()) {
        state.SkipWithError("the shared reference pedigrees are not beside the source tree");
        return;
    }
    CBioPedigree pedigree;
    pedigree.Grow(file.Count(), 0);
    for (int n = 1; n <= file.Count(); ++n)
        pedigree.SetParents(n, file.sires.at(n), file.dams.at(n));
    const int generations = int(state.range(0));
    CBioInbreedingCalculator calculator(pedigree);
    for (auto _ : state) {
        double sum = 0.0;
        for (int n = 1; n <= file.Count(); ++n) {
            double coefficient = 0.0;
            if (!calculator.OffspringInbreeding(file.sires.at(n), file.dams.at(n), generations, coefficient))
                state.SkipWithError("the calculation failed");
            sum += coefficient;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["per_animal"] = benchmark::Counter(file.Count(), benchmark::Counter::kIsIterationInvariantRate
                                                                        | benchmark::Counter::kInvert);
}

void Sizes(benchmark::internal::Benchmark *benchmark)
{
    for (int generations : {8, 12, 24}) {
        for (int animals : {10000, 100000, 1000000})
            benchmark->Args({animals, generations});
    }
}

} // namespace

BENCHMARK(BM_Genea140AllAnimals)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomMating)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClosedHerd)->Apply(Sizes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
