#include "benchregister.h"
#include "cmndatastream.h"
#include "cmnreg.h"
#include "cmnregindexlist.h"
#include "cmnregrecord.h"
#include "cmnregvaluekind.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDataStream>
#include <QRandomGenerator>

#include <memory>

namespace {

using namespace OrvBench;

QByteArray Written(const CCmnReg &reg)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    reg.Write(out);
    return bytes;
}

void BM_WriteRegister(benchmark::State &state)
{
    const auto reg = MakeRegister(int(state.range(0)));
    qint64 size = 0;
    for (auto _ : state)
        size = Written(*reg).size();
    state.counters["MB"] = double(size) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The whole read: parsing and then filing every record in the index.
void BM_ReadRegister(benchmark::State &state)
{
    QByteArray bytes = Written(*MakeRegister(int(state.range(0))));
    auto reg = std::make_unique<CBenchReg>();
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QDataStream in(&buffer);
        CmnPrepareDataStream(in);
        if (!reg->Read(in))
            state.SkipWithError("read failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The index part of the read alone.
void BM_RebuildIndexLists(benchmark::State &state)
{
    const auto reg = MakeRegister(int(state.range(0)));
    for (auto _ : state)
        reg->RebuildIndexLists();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Deleting records one after another from a large register: each deletion must
// cost the same however many records remain.
void BM_DeleteRecords(benchmark::State &state)
{
    const int records = int(state.range(0));
    const int deletions = int(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        auto reg = std::make_unique<CBenchReg>();
        for (int i = 0; i < records; ++i)
            reg->AddRecord(reg->CreateRecord(), false);
        QRandomGenerator random(17);
        QVector<int> ids = reg->GetRecordIds();
        std::shuffle(ids.begin(), ids.end(), random);
        state.ResumeTiming();
        for (int i = 0; i < deletions; ++i)
            reg->DeleteRecord(ids.at(i), true);
        benchmark::DoNotOptimize(reg->GetRecordCount());
        state.PauseTiming();
        reg.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * deletions);
}

} // namespace

BENCHMARK(BM_WriteRegister)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRegister)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildIndexLists)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteRecords)->Args({100000, 10000})->Args({10000, 1000})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
