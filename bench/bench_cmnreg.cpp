#include "cmnreg.h"
#include "cmnregrecord.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include <memory>

namespace {

class CBenchRecord : public CCmnRegRecord
{
public:
    using CCmnRegRecord::CCmnRegRecord;
    QString GetName() const override { return QString(); }
};

class CBenchReg : public CCmnReg
{
public:
    CRecordPtr CreateRecord() override { return CRecordPtr(new CBenchRecord(this)); }
};

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

BENCHMARK(BM_DeleteRecords)->Args({100000, 10000})->Args({10000, 1000})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
