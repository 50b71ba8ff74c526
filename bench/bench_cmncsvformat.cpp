// Splitting delimited text must stay linear in the size of the input, also when
// a quote is never closed. Each benchmark runs at N and 2N rows of 20 fields.
#include "cmncsvformat.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kFields = 20;

// Rows of a comma-separated export: every field enclosed, some holding the
// separator or a doubled quote.
QStringList QuotedLines(int rows)
{
    QStringList lines;
    lines.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QString line;
        for (int f = 0; f < kFields; ++f) {
            if (f > 0)
                line += u',';
            switch (f % 4) {
            case 0: line += QStringLiteral("\"%1\"").arg(r); break;
            case 1: line += QStringLiteral("\"Smith, John\""); break;
            case 2: line += QStringLiteral("\"5\"\" tall\""); break;
            default: line += QStringLiteral("\"Rex of Orvanta\""); break;
            }
        }
        lines.append(line);
    }
    return lines;
}

QStringList TabLines(int rows)
{
    QStringList lines;
    lines.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QStringList fields;
        for (int f = 0; f < kFields; ++f)
            fields.append(QStringLiteral("field %1-%2").arg(r).arg(f));
        lines.append(fields.join(u'\t'));
    }
    return lines;
}

void BM_ParseRowsQuoted(benchmark::State &state)
{
    CCmnCsvFormat format;
    format.SetCommaSeparated(true);
    format.SetEscapeFlag(false);
    format.SetHeaderFlag(false);
    const QStringList lines = QuotedLines(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(format.ParseRows(lines));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The first row opens a quote that nothing closes: the whole rest is scanned once.
void BM_ParseRowsUnterminated(benchmark::State &state)
{
    CCmnCsvFormat format;
    format.SetCommaSeparated(true);
    format.SetEscapeFlag(false);
    format.SetHeaderFlag(false);
    QStringList lines = TabLines(static_cast<int>(state.range(0)));
    for (QString &line : lines)
        line.replace(u'\t', u',');
    lines.first().prepend(u'"');
    for (auto _ : state)
        benchmark::DoNotOptimize(format.ParseRows(lines));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SplitLineTab(benchmark::State &state)
{
    const CCmnCsvFormat format;
    const QStringList lines = TabLines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const QString &line : lines)
            benchmark::DoNotOptimize(format.SplitLine(line));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_ParseRowsQuoted)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseRowsUnterminated)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitLineTab)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
