#include "cmnindexkey.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

// Breeders' names of typical length with accents, white-space runs and a few plain
// ASCII ones, picked by a fixed generator so that every run times the same names.
QStringList AccentedNames(int count)
{
    const QStringList given = {
        QString::fromUtf16(u"Am\u00E9lie"),  QString::fromUtf16(u"Bj\u00F6rn"),
        QString::fromUtf16(u"Ch\u00E2teau"), QString::fromUtf16(u"D\u00F3ra"),
        QString::fromUtf16(u"\u00C9lodie"),  QStringLiteral("Hamish"),
        QString::fromUtf16(u"J\u00FCrgen"),  QString::fromUtf16(u"\u0141ucja"),
    };
    const QStringList family = {
        QString::fromUtf16(u"Br\u00FBl\u00E9e"),       QString::fromUtf16(u"\u00D8stergaard"),
        QString::fromUtf16(u"Stra\u00DFe  von Au"),     QString::fromUtf16(u"Dvo\u0159\u00E1k"),
        QString::fromUtf16(u"\u0132sselmeer\tHoeve"),  QStringLiteral("MacLeod of Skye"),
        QString::fromUtf16(u"Nu\u00F1ez de la Pe\u00F1a"), QString::fromUtf16(u"Wi\u015Bniewska"),
    };
    QStringList names;
    names.reserve(count);
    quint32 state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        names << given.at((state >> 8) % given.size()) + QLatin1Char(' ')
                     + family.at((state >> 16) % family.size()) + QLatin1Char(' ')
                     + QString::number(i % 1000);
    }
    return names;
}

void BM_NormaliseIndexText(benchmark::State &state)
{
    const QStringList names = AccentedNames(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const QString &name : names)
            benchmark::DoNotOptimize(CmnNormaliseIndexText(name, 5));
    }
    state.SetItemsProcessed(state.iterations() * names.size());
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_NormaliseIndexText)
    ->Arg(100000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
