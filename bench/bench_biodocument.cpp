// Opens and saves a 100,000-animal document through the document file, beside
// inflating and deflating the same bytes through the compressed stream device:
// the difference is the cost of the data stream, the register and the settings.

#include "bioreg.h"
#include "bioregrecord.h"
#include "cmndatastream.h"
#include "cmndate.h"
#include "cmndocumentfilewriter.h"
#include "cmniocompressor.h"
#include "cmnregvaluekind.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettings.h"

#include <QBuffer>
#include <QDataStream>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kAnimals = 100000;
constexpr int kBreederField = 1;
constexpr qint64 kPiece = 64 * 1024;

struct CBenchFiles
{
    QByteArray file;  // the document file as written
    QByteArray inner; // the same file inflated
};

// Animals with names, sexes, birth dates, a breeder and parents among the
// animals before them, as a breeder's register has.
void FillDocument(CDocument &document, CDocumentSettings &settings)
{
    CCmnRegUserFieldSet fields;
    fields.AddField(QStringLiteral("Breeder"), CCmnRegUserField(kBreederField, CCmnRegFieldDef()));
    settings.m_FieldsSettings.SetUserFields(fields);
    settings.RefreshBuiltInFields();
    document.ApplySettings(nullptr, settings, true);

    const QSharedPointer<CBioReg> reg = document.GetRegister();
    const QStringList words{"Ch.", "Bella", "Smith & Jones", "Élan", "of", "Kennel", "Rex", "Gold", "Dawn", "Hill"};
    QRandomGenerator random(42);
    for (int n = 1; n <= kAnimals; ++n) {
        QString name;
        for (int w = 0; w < 3; ++w)
            name += words.at(random.bounded(words.size())) + QLatin1Char(' ');
        reg->AddNamedRecord(name + QString::number(n), false);
        CBioRegRecord *animal = reg->GetBioRecord(n);
        animal->m_Sex = 1 + int(random.bounded(2));
        if (n > 100) {
            animal->m_Sire = 1 + int(random.bounded(n - 1));
            animal->m_Dam = 1 + int(random.bounded(n - 1));
        }
        CCmnDate born;
        born.SetGregorianYmd(1 + int(random.bounded(28)), 1 + int(random.bounded(12)), 1970 + int(random.bounded(50)));
        animal->SetValue(-103, CmnRegValueDate, QVariant::fromValue(born));
        animal->SetValue(kBreederField, CmnRegValueText, words.at(random.bounded(words.size())));
    }
    reg->RebuildParentIndex();
}

const CBenchFiles &Files()
{
    static const CBenchFiles files = [] {
        CBenchFiles made;
        CDocument document(false);
        CDocumentSettings settings;
        FillDocument(document, settings);
        QBuffer output(&made.file);
        output.open(QIODevice::WriteOnly);
        if (!CDocumentFile::Write(output, document, settings).isEmpty())
            qFatal("The document was not written");
        QBuffer input(&made.file);
        input.open(QIODevice::ReadOnly);
        CCmnIOCompressor device(&input, CDocumentFile::kCompressionLevel, CDocumentFile::kBufferSize);
        device.open(QIODevice::ReadOnly);
        made.inner = device.readAll();
        return made;
    }();
    return files;
}

// Reads in pieces, as the data stream does: nothing holds the inflated stream whole.
void BM_InflateFile(benchmark::State &state)
{
    QByteArray file = Files().file;
    auto piece = std::make_unique_for_overwrite<char[]>(kPiece);
    for (auto _ : state) {
        QBuffer input(&file);
        input.open(QIODevice::ReadOnly);
        CCmnIOCompressor device(&input, CDocumentFile::kCompressionLevel, CDocumentFile::kBufferSize);
        device.open(QIODevice::ReadOnly);
        qint64 total = 0;
        for (qint64 got; (got = device.read(piece.get(), kPiece)) > 0;)
            total += got;
        if (total != Files().inner.size())
            state.SkipWithError("inflated size differs");
    }
    state.counters["inflated_MB"] = double(Files().inner.size()) / 1e6;
}

void BM_OpenDocument(benchmark::State &state)
{
    QByteArray file = Files().file;
    for (auto _ : state) {
        auto document = std::make_unique<CDocument>(false);
        CDocumentSettings settings;
        QBuffer input(&file);
        input.open(QIODevice::ReadOnly);
        QString warning;
        QStringList messages;
        if (!CDocumentFile::Read(input, *document, settings, nullptr, warning, messages).isEmpty()
            || document->GetRegister()->GetRecordCount() != kAnimals)
            state.SkipWithError("the document did not read back");
        // Freeing the register is not part of opening.
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}

// The same stream read from memory: what the register itself costs, apart from
// the file layer and the inflating.
void BM_ReadRegisterFromMemory(benchmark::State &state)
{
    const QByteArray &inner = Files().inner;
    for (auto _ : state) {
        auto document = std::make_unique<CDocument>(false);
        QDataStream in(inner);
        CmnPrepareDataStream(in);
        quint32 marker = 0;
        in >> marker;
        if (!document->ExchangeStream(in, false).isEmpty() || in.status() != QDataStream::Ok
            || document->GetRegister()->GetRecordCount() != kAnimals)
            state.SkipWithError("the register did not read");
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}

void BM_DeflateStream(benchmark::State &state)
{
    const QByteArray &inner = Files().inner;
    for (auto _ : state) {
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        CCmnIOCompressor device(&output, CDocumentFile::kCompressionLevel, CDocumentFile::kBufferSize);
        device.open(QIODevice::WriteOnly);
        for (qint64 at = 0; at < inner.size(); at += kPiece)
            device.write(inner.constData() + at, qMin(kPiece, inner.size() - at));
        if (!device.Finish())
            state.SkipWithError("deflating failed");
    }
}

void BM_SaveDocument(benchmark::State &state)
{
    CDocument document(false);
    CDocumentSettings settings;
    FillDocument(document, settings);
    for (auto _ : state) {
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        if (!CDocumentFile::Write(output, document, settings).isEmpty())
            state.SkipWithError("the document was not written");
    }
}

// The same document saved as Save does: through the temporary file, synced to
// disk, the old file linked to the backup name and replaced by a rename.
void BM_SafeSaveDocument(benchmark::State &state)
{
    CDocument document(false);
    CDocumentSettings settings;
    FillDocument(document, settings);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kennel.orv"));
    for (auto _ : state) {
        CCmnDocumentFileWriter writer{CCmnMappedPath(path)};
        if (!writer.Write([&](QIODevice &file) { return CDocumentFile::Write(file, document, settings); }).isEmpty())
            state.SkipWithError("the document was not saved");
    }
}

} // namespace

BENCHMARK(BM_InflateFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRegisterFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeflateStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SafeSaveDocument)->Unit(benchmark::kMillisecond);
