#include "cmnacceleratorassigner.h"

#include <QStringList>

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

// Menu-like texts of one to three words from a small stock, some with a number,
// picked by a fixed generator so that every run times the same group.
QStringList MenuTexts(int count)
{
    static constexpr const char *kWords[] = {"open", "Save", "print", "Export", "litter", "Sire",
                                             "dam", "Breed", "colour", "Kennel", "show", "Title",
                                             "judge", "Pedigree", "view", "Zoom", "quit", "Help"};
    QStringList texts;
    texts.reserve(count);
    quint32 state = 12345;
    const auto next = [&state](quint32 bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    for (int i = 0; i < count; ++i) {
        QStringList words;
        const quint32 wordCount = 1 + next(3);
        for (quint32 w = 0; w < wordCount; ++w)
            words << QString::fromLatin1(kWords[next(quint32(std::size(kWords)))]);
        if (next(4) == 0)
            words << QString::number(next(10));
        texts << words.join(QLatin1Char(' '));
    }
    return texts;
}

// Texts that each hold all 36 candidates, in turned orders: every text competes for
// every character, the hardest case for the solver.
QStringList AllCandidateTexts(int count)
{
    const QString all = QString::fromLatin1(kCmnAcceleratorCandidates);
    QStringList texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts << all.mid(i % 36) + all.left(i % 36);
    return texts;
}

void Run(benchmark::State &state, const QStringList &texts)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(AssignTextAccelerators(texts));
    state.SetComplexityN(state.range(0));
}

void BM_AssignMenuTexts(benchmark::State &state)
{
    Run(state, MenuTexts(int(state.range(0))));
}

void BM_AssignAllCandidateTexts(benchmark::State &state)
{
    Run(state, AllCandidateTexts(int(state.range(0))));
}

} // namespace

BENCHMARK(BM_AssignMenuTexts)
    ->Arg(12)->Arg(36)->Arg(100)->Arg(300)->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oNCubed);
BENCHMARK(BM_AssignAllCandidateTexts)
    ->Arg(12)->Arg(36)->Arg(100)->Arg(300)->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oNCubed);

BENCHMARK_MAIN();
