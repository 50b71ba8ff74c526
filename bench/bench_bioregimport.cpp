// Importing delimited text into the register against reading and splitting the
// same bytes with the text reader and ParseRows: 10 columns, 3 of them user fields,
// at 100,000 and 1,000,000 rows, with numeric IDs, text IDs and numeric IDs spread
// wider than the bit array covers.
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

void BM_ReadAndParseRows(benchmark::State &state)
{
    QByteArray bytes = Herd(int(state.range(0)), NumericIds);
    const CCmnCsvFormat format = Format();
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        CCmnTextReader reader;
        (void)reader.Open(kUtf8, &buffer);
        QStringList lines;
        while (reader.HasMoreText())
            lines.append(reader.ReadLine());
        benchmark::DoNotOptimize(format.ParseRows(lines));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Import(benchmark::State &state, EIds ids)
{
    QByteArray bytes = Herd(int(state.range(0)), ids);
    const CCmnCsvFormat format = Format();
    CBioImportCols cols;
    cols.SetDefaults();
    (void)cols.FromString(QStringLiteral("0;1:1,%1,;2:6,1,;3:2,%1,;4:3,%1,;5:4,1,;6:5,2,;7:14,1,;8:12,1,Owner;"
                                         "9:12,1,Colour;10:12,4,Weight;dateformat:dd/mm/yyyy")
                              .arg(ids == TextIds ? 1 : 3));
    for (auto _ : state) {
        CBioReg reg{CCmnRegFieldsSettings()};
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QString warning;
        QStringList messages;
        const QString result = reg.ImportDelimitedText(nullptr, warning, messages, CCmnRegFieldContextMask(), kUtf8,
                                                       format, cols, &buffer, 200, QString());
        if (!result.isEmpty() || reg.GetRecordIds().size() != state.range(0)) {
            state.SkipWithError("the import did not give one animal per row");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    BioDestroyTerminology();
    return 0;
}
