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

constexpr int kNameField = 1;

// Named by its first field, so that a register read back can be indexed.
class CBenchRecord : public CCmnRegRecord
{
public:
    using CCmnRegRecord::CCmnRegRecord;
    QString GetName() const override { return GetValue(kNameField, CmnRegValueText).toString(); }
};

class CBenchReg : public CCmnReg
{
public:
    CRecordPtr CreateRecord() override { return CRecordPtr(new CBenchRecord(this)); }
    QList<CCmnRegIndexList *> GetIndexLists() override { return {&m_All}; }
    QList<CCmnRegIndexList *> GetIndexListsForRecord(const CCmnRegRecord &) override { return {&m_All}; }

    CCmnRegIndexList m_All;
};

// N records of ten values each: a name, texts, numbers and a date, like a
// breeder's register.
std::unique_ptr<CBenchReg> MakeRegister(int records)
{
    auto reg = std::make_unique<CBenchReg>();
    QRandomGenerator random(42);
    const QStringList words{"Ch.", "Bella", "Smith & Jones", "Élan", "of", "Kennel", "Rex", "Gold", "Dawn", "Hill"};
    for (int i = 0; i < records; ++i) {
        auto record = reg->CreateRecord();
        QString name;
        for (int w = 0; w < 3; ++w)
            name += words.at(random.bounded(words.size())) + QLatin1Char(' ');
        record->SetValue(kNameField, CmnRegValueText, name + QString::number(i));
        for (int field = 2; field <= 5; ++field)
            record->SetValue(field, CmnRegValueText, words.at(random.bounded(words.size())));
        record->SetValue(6, CmnRegValueInteger, int(random.bounded(1000)));
        record->SetValue(7, CmnRegValueNumber, random.generateDouble() * 50);
        record->SetValue(8, CmnRegValueFraction, float(random.generateDouble()));
        record->SetValue(9, CmnRegValueBoolean, random.bounded(2) == 1);
        CCmnDate date;
        date.SetGregorianYmd(1 + int(random.bounded(28)), 1 + int(random.bounded(12)), 1970 + int(random.bounded(50)));
        record->SetValue(10, CmnRegValueDate, QVariant::fromValue(date));
        reg->AddRecord(record, false);
    }
    reg->RebuildIndexLists();
    return reg;
}

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
