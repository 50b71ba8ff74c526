// What the safe save of a document costs beyond writing its stream: the same
// document written into memory, and into its file through the temporary name,
// the sync to disk and the renames.
#include "bioreg.h"
#include "bioregrecord.h"
#include "cmndocumentfilewriter.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettings.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Animals with names and parents among those before them, as a kennel's file has.
std::unique_ptr<CDocument> MakeDocument(int animals)
{
    auto document = std::make_unique<CDocument>(false);
    CBioReg &reg = *document->GetRegister();
    QRandomGenerator random(42);
    for (int n = 1; n <= animals; ++n) {
        const int id = reg.AddNamedRecord(QStringLiteral("Brackenfield Animal %1").arg(n), false);
        CBioRegRecord *record = reg.GetBioRecord(id);
        record->m_Sex = 1 + int(random.bounded(2));
        if (n > 10) {
            record->m_Sire = 1 + int(random.bounded(n - 1));
            record->m_Dam = 1 + int(random.bounded(n - 1));
        }
    }
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();
    return document;
}

void BM_DocumentStreamToMemory(benchmark::State &state)
{
    const std::unique_ptr<CDocument> document = MakeDocument(int(state.range(0)));
    const CDocumentSettings settings;
    for (auto _ : state) {
        QBuffer memory;
        memory.open(QIODevice::WriteOnly);
        if (!CDocumentFile::Write(memory, *document, settings).isEmpty())
            state.SkipWithError("write failed");
        benchmark::DoNotOptimize(memory.data().size());
    }
}

void BM_DocumentSafeSave(benchmark::State &state)
{
    const std::unique_ptr<CDocument> document = MakeDocument(int(state.range(0)));
    const CDocumentSettings settings;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kennel.orv"));
    for (auto _ : state) {
        // Every save after the first replaces the file, as Save does.
        CCmnDocumentFileWriter writer{CCmnMappedPath(path)};
        const QString error =
            writer.Write([&](QIODevice &file) { return CDocumentFile::Write(file, *document, settings); });
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
}

} // namespace

BENCHMARK(BM_DocumentStreamToMemory)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentSafeSave)->Arg(100000)->Unit(benchmark::kMillisecond);
