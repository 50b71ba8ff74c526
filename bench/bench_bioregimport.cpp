// Importing delimited text into the register against reading and splitting the
// same bytes with the text reader and ParseRows: 10 columns, 3 of them user fields,
// at 100,000 and 1,000,000 rows, with numeric IDs, text IDs and numeric IDs spread
// wider than the bit array covers.
//
// With --growth[=rounds] (8 by default) it measures instead how each side grows from 100,000 to
// 1,000,000 rows, in rounds that time both sizes back to back (see Growth).
#include "bioimportcols.h"
#include "bioreg.h"
#include "bioterminology.h"
#include "cmncsvformat.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldssettings.h"
#include "cmntextencoding.h"
#include "cmntextreader.h"

#include <QBuffer>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <malloc.h>
#include <vector>

namespace {

enum EIds { NumericIds, TextIds, WideIds };

QByteArray Herd(int rows, EIds ids)
{
    const auto id = [ids](int n) -> QByteArray {
        switch (ids) {
        case TextIds: return "K" + QByteArray::number(n * 7) + "X";
        case WideIds: return QByteArray::number(qint64(n) * 1000000007LL);
        default: return QByteArray::number(n);
        }
    };
    QByteArray herd("ID,Name,Sire,Dam,Sex,Born,Title,Owner,Colour,Weight\n");
    herd.reserve(qsizetype(rows) * 90);
    for (int n = 1; n <= rows; ++n) {
        herd += id(n) + ",\"Rex " + QByteArray::number(n) + ", Jr\"," + (n > 2 ? id(n - 2) : QByteArray()) + ','
                + (n > 1 ? id(n - 1) : QByteArray()) + ',' + (n % 2 ? "M" : "F") + ','
                + QByteArray::number(1 + n % 28) + "/03/2001,Ch,Smith & Jones <UK>,Brindle,"
                + QByteArray::number(n % 40) + ".5\n";
    }
    return herd;
}

CCmnCsvFormat Format()
{
    CCmnCsvFormat format;
    format.SetCommaSeparated(true);
    format.SetEscapeFlag(false);
    return format;
}

const CCmnTextEncoding kUtf8(QStringLiteral("UTF-8"), QStringLiteral("LF"), 1);

CBioImportCols Cols(EIds ids)
{
    CBioImportCols cols;
    cols.SetDefaults();
    (void)cols.FromString(QStringLiteral("0;1:1,%1,;2:6,1,;3:2,%1,;4:3,%1,;5:4,1,;6:5,2,;7:14,1,;8:12,1,Owner;"
                                         "9:12,1,Colour;10:12,4,Weight;dateformat:dd/mm/yyyy")
                              .arg(ids == TextIds ? 1 : 3));
    return cols;
}

void ReadAndParseRows(QByteArray &bytes, const CCmnCsvFormat &format)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CCmnTextReader reader;
    (void)reader.Open(kUtf8, &buffer);
    QStringList lines;
    while (reader.HasMoreText())
        lines.append(reader.ReadLine());
    benchmark::DoNotOptimize(format.ParseRows(lines));
}

// Whether every row became one animal.
bool Import(QByteArray &bytes, const CCmnCsvFormat &format, const CBioImportCols &cols, int rows)
{
    CBioReg reg{CCmnRegFieldsSettings()};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QString warning;
    QStringList messages;
    const QString result = reg.ImportDelimitedText(nullptr, warning, messages, CCmnRegFieldContextMask(), kUtf8, format,
                                                   cols, &buffer, 200, QString());
    return result.isEmpty() && reg.GetRecordIds().size() == rows;
}

void BM_ReadAndParseRows(benchmark::State &state)
{
    QByteArray bytes = Herd(int(state.range(0)), NumericIds);
    const CCmnCsvFormat format = Format();
    for (auto _ : state)
        ReadAndParseRows(bytes, format);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Import(benchmark::State &state, EIds ids)
{
    QByteArray bytes = Herd(int(state.range(0)), ids);
    const CCmnCsvFormat format = Format();
    const CBioImportCols cols = Cols(ids);
    for (auto _ : state) {
        if (!Import(bytes, format, cols, int(state.range(0)))) {
            state.SkipWithError("the import did not give one animal per row");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One side of the comparison: the reference (no IDs) or an import.
struct CGrowthSide
{
    const char *m_Name;
    bool m_Import;
    EIds m_Ids;
    // Timings of both sizes per round: the reference's are the shortest, and
    // one of them scattered the most.
    int m_Blocks;
    QByteArray m_Small;
    QByteArray m_Large;
    std::vector<double> m_Growth;
    double m_SmallTotal = 0;
    double m_LargeTotal = 0;
};

// The machine is shared, and how fast it runs drifts by as much as half: sizes
// timed minutes apart, as the ordinary run times them, give ratios that scatter
// by a third. So each round times every side at both sizes back to back and
// takes the ratios within the round, where the drift cancels out: five imports
// of 100,000 rows, one of a million, five more of 100,000, so that the small
// size sits on both sides of the large one in time and as long; the reference,
// three times shorter, does that three times. An untimed round first touches
// the memory that the later ones reuse. A side's growth is its total time at a
// million over its total at 100,000 across the rounds.
int Growth(int rounds)
{
    constexpr int kSmall = 100000;
    constexpr int kLarge = 1000000;
    constexpr int kSmallTimes = kLarge / kSmall;
    constexpr double kYardstick = 1.2;
    const CCmnCsvFormat format = Format();
    std::vector<CGrowthSide> sides{{"BM_ReadAndParseRows", false, NumericIds, 3, {}, {}, {}, {}, {}},
                                   {"BM_Import/numeric", true, NumericIds, 1, {}, {}, {}, {}, {}},
                                   {"BM_Import/text", true, TextIds, 1, {}, {}, {}, {}, {}},
                                   {"BM_Import/wide", true, WideIds, 1, {}, {}, {}, {}, {}}};
    for (CGrowthSide &side : sides) {
        side.m_Small = Herd(kSmall, side.m_Ids);
        side.m_Large = Herd(kLarge, side.m_Ids);
    }
    // CPU milliseconds of one run over the bytes, or a negative number when the
    // import went wrong.
    const auto time = [&format](CGrowthSide &side, QByteArray &bytes, int rows, int times) {
        const CBioImportCols cols = Cols(side.m_Ids);
        const double start = ThreadCpuMs();
        for (int i = 0; i < times; ++i) {
            if (!side.m_Import)
                ReadAndParseRows(bytes, format);
            else if (!Import(bytes, format, cols, rows))
                return -1.0;
        }
        return (ThreadCpuMs() - start) / times;
    };
    std::printf("%-20s %5s %10s %10s %8s %10s\n", "side", "round", "100k ms", "1M ms", "1M/100k", "/ reference");
    const auto failed = [](const CGrowthSide &side) {
        std::printf("%s: the import did not give one animal per row\n", side.m_Name);
        return 1;
    };
    // The heap keeps what an import frees and never hands memory to mmap, so
    // that after the first round no import pays for fresh pages: otherwise every
    // million-row import faulted its memory in afresh while the repeated small
    // ones reused theirs, and the kernel's share of that, which other work on the
    // machine slows, scattered the large size's times.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
    for (CGrowthSide &side : sides) {
        if (time(side, side.m_Large, kLarge, 1) <= 0 || time(side, side.m_Small, kSmall, 1) <= 0)
            return failed(side);
    }
    for (int round = 0; round < rounds; ++round) {
        double reference = 0;
        for (CGrowthSide &side : sides) {
            double small = 0;
            double large = 0;
            for (int block = 0; block < side.m_Blocks; ++block) {
                const double before = time(side, side.m_Small, kSmall, kSmallTimes / 2);
                const double once = time(side, side.m_Large, kLarge, 1);
                const double after = time(side, side.m_Small, kSmall, kSmallTimes / 2);
                if (before <= 0 || once <= 0 || after <= 0)
                    return failed(side);
                small += (before + after) / 2 / side.m_Blocks;
                large += once / side.m_Blocks;
            }
            const double growth = large / small;
            if (!side.m_Import)
                reference = growth;
            side.m_Growth.push_back(growth);
            side.m_SmallTotal += small;
            side.m_LargeTotal += large;
            std::printf("%-20s %5d %10.1f %10.1f %8.2f %10.2f\n", side.m_Name, round + 1, small, large, growth,
                        growth / reference);
            std::fflush(stdout);
        }
    }
    std::printf("\nOver %d rounds: 1M/100k from the total times (the rounds' median and range in brackets):\n",
                rounds);
    const CGrowthSide &reference = sides.front();
    const double referenceGrowth = reference.m_LargeTotal / reference.m_SmallTotal;
    for (const CGrowthSide &side : sides) {
        const double growth = side.m_LargeTotal / side.m_SmallTotal;
        const auto [low, high] = std::minmax_element(side.m_Growth.begin(), side.m_Growth.end());
        std::printf("%-20s 1M/100k %5.2f (%5.2f, %5.2f to %5.2f)", side.m_Name, growth, Median(side.m_Growth), *low,
                    *high);
        if (side.m_Import) {
            std::printf("  %4.2f x reference's, at most %.1f: %s;  100k: %4.2f x reference", growth / referenceGrowth,
                        kYardstick, growth / referenceGrowth <= kYardstick ? "met" : "NOT met",
                        side.m_SmallTotal / reference.m_SmallTotal);
        }
        std::printf("\n");
    }
    return 0;
}

} // namespace

BENCHMARK(BM_ReadAndParseRows)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Import, numeric, NumericIds)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Import, text, TextIds)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Import, wide, WideIds)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BioCreateTerminology();
    if (argc > 1 && std::strncmp(argv[1], "--growth", 8) == 0) {
        const int rounds = argv[1][8] == '=' ? std::max(1, std::atoi(argv[1] + 9)) : 8;
        const int result = Growth(rounds);
        BioDestroyTerminology();
        return result;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    BioDestroyTerminology();
    return 0;
}
