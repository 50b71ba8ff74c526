// How long record lists, exports and imports spend on date text: formatting 100,000
// dates in each calendar and reading 100,000 typed dates.

#include "cmndate.h"

#include <QList>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

constexpr int kDates = 100000;
const QString kFormat = QStringLiteral("[mm/[dd/]]yyyy");

// Single days, months and years spread over the years each calendar is used for.
QList<CCmnDate> SampleDates(int calendar)
{
    QList<CCmnDate> dates;
    dates.reserve(kDates);
    for (int i = 0; dates.size() < kDates; ++i) {
        CCmnDate date;
        const int day = i % 4 == 0 ? 0 : 1 + i % 28;
        const int month = i % 10 == 0 ? 0 : 1 + i % 12;
        switch (calendar) {
        case CmnDateCalendarHebrew:
            (void)date.SetHebrewYmd(day, month, 5000 + i % 800);
            break;
        case CmnDateCalendarFrenchRepublican:
            (void)date.SetFrenchRepublicanYmd(day, month, 1 + i % 14);
            break;
        case CmnDateCalendarJulian:
            (void)date.SetJulianYmd(day, month, 1000 + i % 800);
            break;
        default:
            (void)date.SetGregorianYmd(day, month, 1500 + i % 600, calendar == CmnDateCalendarGregorianDual);
            break;
        }
        if (!date.IsEmpty())
            dates.append(date);
    }
    return dates;
}

void BM_FormatDates(benchmark::State &state)
{
    const int calendar = int(state.range(0));
    const QList<CCmnDate> dates = SampleDates(calendar);
    for (auto _ : state) {
        qsizetype length = 0;
        for (const CCmnDate &date : dates)
            length += date.Format(kFormat, calendar).size();
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * kDates);
}
BENCHMARK(BM_FormatDates)->ArgName("calendar")->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

void BM_ParseTypedDates(benchmark::State &state)
{
    QStringList texts;
    texts.reserve(kDates);
    for (int i = 0; i < kDates; ++i) {
        const int day = 1 + i % 28;
        const int month = 1 + i % 12;
        const int year = 1800 + i % 300;
        switch (i % 4) {
        case 0: texts << QStringLiteral("%1/%2/%3").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0')).arg(year); break;
        case 1: texts << QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year % 100, 2, 10, QLatin1Char('0')); break;
        case 2: texts << QStringLiteral("%1/%2").arg(month).arg(year); break;
        default: texts << QString::number(year); break;
        }
    }
    for (auto _ : state) {
        int read = 0;
        for (const QString &text : texts)
            read += CCmnDate::Parse(text, kFormat, CmnDateCalendarGregorian).IsEmpty() ? 0 : 1;
        if (read != kDates)
            state.SkipWithError("a typed date was not read");
        benchmark::DoNotOptimize(read);
    }
    state.SetItemsProcessed(state.iterations() * kDates);
}
BENCHMARK(BM_ParseTypedDates)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
