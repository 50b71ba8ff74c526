// Loads built Halvane dog files of 100,000 and 200,000 animals (and 20,000 contacts) and
// decodes every record of both registers the way the import walks them, trimming the
// cache every 1000 records; and runs the whole import of the same files (load, field
// discovery, conversion into an animal register). Reports the peak of loaded entities
// and the process's peak resident memory beside the time.

#include "../tests/bio/reg/bioregtesting.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacydataimport_recordiditerator.h"
#include "biolegacyentityfactory.h"
#include "biolegacyimportparams.h"
#include "biolegacyregimport.h"
#include "biolegacyschemas.h"
#include "biolegacyspeciesflags.h"
#include "legacydocumentwriter.h"
#include "legacyrecordwriter.h"

#include <QBuffer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <map>

namespace {

QList<QList<int>> NewestGroups(int kind)
{
    QList<QList<int>> groups;
    for (int group = 0; group < BioLegacyGroupCount; ++group)
        groups.append(LegacySchemaOfKind(kind).Group(EBioLegacyGroup(group)).Ids());
    return groups;
}

QByteArray BuildFile(int animals, int contacts)
{
    BioLegacySetSpeciesFlags("dog");
    BuildLegacyContactSchema();
    BuildLegacyAnimalSchema();
    QList<CTestLegacyRegister> regs(9);
    const QList<QList<int>> contactGroups = NewestGroups(0);
    const QList<QList<int>> animalGroups = NewestGroups(1);
    for (int id = 1; id <= contacts; ++id) {
        CTestLegacyRecord record;
        record.kindByte = 130;
        record.version = 9;
        record.integerFlag = 1;
        record.texts = {{96, "Smith & Jones " + QByteArray::number(id)}, {98, "01234 567890"}};
        regs[0].records.insert(id, EncodeTestLegacyRecord(record, contactGroups));
    }
    QList<QByteArray> names;
    for (int i = 0; i < 1000; ++i)
        names.append("Name" + QByteArray::number(i));
    regs[1].animal = true;
    regs[1].dictionaryIds = {15};
    regs[1].dictionaries = {names};
    for (int id = 1; id <= animals; ++id) {
        CTestLegacyRecord record;
        record.kindByte = 129;
        record.version = 13;
        record.integerFlag = 1;
        record.booleans = {{17, 1 + id % 2}};
        record.tokens = {{15, {quint32(id % 1000)}}};
        record.texts = {{16, "Pet " + QByteArray::number(id)}};
        record.dates = {{30, {1990 + id % 30, 1 + id % 12, 1 + id % 28}}};
        record.references = {{27, id / 2}, {28, id / 3}, {25, 1 + id % contacts}};
        regs[1].records.insert(id, EncodeTestLegacyRecord(record, animalGroups));
    }
    return WriteTestLegacyFile("dog", true, regs);
}

const QByteArray &FileOf(int animals)
{
    static std::map<int, QByteArray> files;
    auto found = files.find(animals);
    if (found == files.end())
        found = files.emplace(animals, BuildFile(animals, 20000)).first;
    return found->second;
}

long PeakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void BM_LoadAndDecodeEveryRecord(benchmark::State &state)
{
    const QByteArray &bytes = FileOf(int(state.range(0)));
    int peak = 0;
    qint64 decoded = 0;
    for (auto _ : state) {
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        CBioLegacyDataImport_HvDoc doc;
        if (!doc.Load(&buffer).isEmpty()) {
            state.SkipWithError("load failed");
            return;
        }
        for (int kind = 0; kind < 2; ++kind) {
            CBioLegacyDataImport_Reg *reg = doc.RegisterOfKind(kind);
            CBioLegacyDataImport_RecordIdIterator ids;
            ids.Init(nullptr);
            int walked = 0;
            for (qint32 id = ids.First(&reg->Map()); id != kBioLegacyNoRecord; id = ids.Next()) {
                benchmark::DoNotOptimize(reg->GetEntity(id));
                ++decoded;
                peak = qMax(peak, reg->LoadedCount());
                if (++walked % 1000 == 0)
                    reg->TrimCache();
            }
        }
    }
    state.counters["peak_entities"] = peak;
    state.counters["records"] = double(decoded) / double(state.iterations());
    state.counters["peak_rss_MiB"] = double(PeakResidentKiB()) / 1024.0;
}

// Sees the animal register's cache at every checkpoint of the conversion.
class CEntityCounter : public CBioLegacyImportProgress
{
public:
    explicit CEntityCounter(const CBioLegacyDataImport_Reg &animals) : m_Animals(animals) {}
    void NextPhase(const QString &, int) override {}
    void SetProgress(int) override {}
    bool WasCanceled() override
    {
        m_Peak = qMax(m_Peak, m_Animals.LoadedCount());
        return false;
    }

    const CBioLegacyDataImport_Reg &m_Animals;
    int m_Peak = 0;
};

void BM_WholeImport(benchmark::State &state)
{
    const QByteArray &bytes = FileOf(int(state.range(0)));
    int peak = 0;
    int records = 0;
    for (auto _ : state) {
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        CBioLegacyDataImport_HvDoc doc;
        if (!doc.Load(&buffer).isEmpty()) {
            state.SkipWithError("load failed");
            return;
        }
        // Most candidates hold nothing in these files, so the discovery reads every record.
        CBioLegacyImportParams params;
        const CCmnRegFieldContextMask none;
        params.DiscoverFields(doc, none, none, none, none, none);
        peak = qMax(peak, doc.RegisterOfKind(1)->LoadedCount());
        CBioReg reg(BioTestDefaultFieldsSettings());
        CEntityCounter counter(*doc.RegisterOfKind(1));
        QStringList messages;
        if (!BioRegImportLegacyData(reg, &counter, &messages, doc, params).isEmpty()) {
            state.SkipWithError("import failed");
            return;
        }
        peak = qMax(peak, counter.m_Peak);
        records = reg.GetRecordCount();
    }
    state.counters["peak_entities"] = peak;
    state.counters["records"] = records;
    state.counters["peak_rss_MiB"] = double(PeakResidentKiB()) / 1024.0;
}

} // namespace

BENCHMARK(BM_LoadAndDecodeEveryRecord)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeImport)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
