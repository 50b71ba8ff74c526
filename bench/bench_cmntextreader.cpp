// Reads a large delimited text file line by line through the text reader and
// writes a million lines through the text writer, each beside the plain way of
// doing the same with QFile and the codec, so that the layer's own cost shows as
// the difference. Before the timings it reports each side's peak memory.

#include "cmntextencoding.h"
#include "cmntextreader.h"
#include "cmntextwriter.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextCodec>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>

namespace {

constexpr qsizetype kFileSize = 50 * 1000 * 1000;
constexpr qint64 kWrittenLines = 1000 * 1000;

struct CLineTotals
{
    qint64 m_Lines = 0;
    qint64 m_Chars = 0;
    bool operator==(const CLineTotals &) const = default;
};

// Register rows as an import would meet them: names with accents, so that the
// UTF-8 decoder meets multi-byte characters, separated by semicolons.
QString MakeRecord(QRandomGenerator &random)
{
    static const char16_t *const kNames[] = {u"Bella", u"Rex", u"Aster", u"Mooncoat", u"Tilly", u"Baron", u"Skye", u"Odin"};
    static const char16_t *const kKennels[] = {u"of Glenmoor", u"vom H\u00f6chwald", u"Sunridge", u"de la Br\u00fbme",
                                               u"Kestrel Hill", u"\u00c5sgard"};
    static const char16_t *const kColours[] = {u"black", u"tan", u"sable", u"blue merle", u"red", u"brindle"};
    return QString::fromUtf16(kNames[random.bounded(8)]) + QLatin1Char(' ')
           + QString::fromUtf16(kKennels[random.bounded(6)]) + QLatin1Char(';')
           + QString::number(random.bounded(3)) + QLatin1Char(';') + QString::number(1990 + random.bounded(35))
           + QLatin1Char('-') + QString::number(1 + random.bounded(12)) + QLatin1Char('-')
           + QString::number(1 + random.bounded(28)) + QLatin1Char(';')
           + QString::fromUtf16(kColours[random.bounded(6)]) + QLatin1Char(';')
           + QString::number(random.bounded(500000)) + QLatin1Char(';') + QString::number(random.bounded(500000))
           + QLatin1Char(';') + QString::number(random.bounded(10000) / 100.0, 'f', 2);
}

bool WriteInputFile(const QString &path)
{
    QRandomGenerator random(20240611);
    QByteArray data;
    data.reserve(kFileSize + 256);
    while (data.size() < kFileSize) {
        data += MakeRecord(random).toUtf8();
        data += '\n';
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

CLineTotals ReaderRead(const QString &path)
{
    CLineTotals totals;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    CCmnTextReader reader;
    if (!reader.Open(CCmnTextEncoding(QStringLiteral("UTF-8"), QStringLiteral("LOCALE"), 1), &file).isEmpty())
        return {};
    while (reader.HasMoreText()) {
        const QString line = reader.ReadLine();
        ++totals.m_Lines;
        totals.m_Chars += line.size();
    }
    return totals;
}

// The plain way: the whole file decoded at once, then cut at each LF.
CLineTotals PlainRead(const QString &path)
{
    CLineTotals totals;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(file.readAll());
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), at);
        if (end < 0)
            end = text.size();
        const QString line = text.mid(at, end - at);
        ++totals.m_Lines;
        totals.m_Chars += line.size();
        at = end + 1;
    }
    return totals;
}

bool WriterWrite(const QString &path, const QStringList &pool)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    CCmnTextWriter writer;
    if (!writer.Open(CCmnTextEncoding(QStringLiteral("UTF-8"), QStringLiteral("LOCALE"), 0), &file).isEmpty())
        return false;
    for (qint64 i = 0; i < kWrittenLines; ++i) {
        if (!writer.WriteLine(pool.at(i % pool.size())).isEmpty())
            return false;
    }
    return writer.Close().isEmpty();
}

// The plain way: each line and its LF encoded and handed to the file.
bool PlainWrite(const QString &path, const QStringList &pool)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextCodec *codec = QTextCodec::codecForName("UTF-8");
    for (qint64 i = 0; i < kWrittenLines; ++i) {
        const QByteArray bytes = codec->fromUnicode(pool.at(i % pool.size()) + QLatin1Char('\n'));
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return file.flush();
}

qint64 StatusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// How far the resident set rose above where it stood while the work ran: the
// kernel's high-water mark is reset to the current size first.
qint64 PeakRiseKiB(const std::function<void()> &work)
{
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1)
        return -1;
    reset.close();
    const qint64 before = StatusKiB("VmRSS:");
    work();
    return StatusKiB("VmHWM:") - before;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("records.csv"));
    const QString output = folder.filePath(QStringLiteral("written.csv"));
    if (!folder.isValid() || !WriteInputFile(input)) {
        std::fprintf(stderr, "Cannot write the input file: nothing measured\n");
        return 1;
    }
    QRandomGenerator random(7);
    QStringList pool;
    for (int i = 0; i < 1000; ++i)
        pool.append(MakeRecord(random));

    // Both sides must do the same work, or the comparison means nothing.
    const CLineTotals totals = ReaderRead(input);
    QByteArray written;
    if (WriterWrite(output, pool)) {
        QFile file(output);
        if (file.open(QIODevice::ReadOnly))
            written = file.readAll();
    }
    QByteArray plainWritten;
    if (PlainWrite(output, pool)) {
        QFile file(output);
        if (file.open(QIODevice::ReadOnly))
            plainWritten = file.readAll();
    }
    if (totals.m_Lines == 0 || !(totals == PlainRead(input)) || written.isEmpty() || written != plainWritten) {
        std::fprintf(stderr, "The reader or writer and the plain way disagree: nothing measured\n");
        return 1;
    }
    std::printf("input %lld bytes, %lld lines; output %lld bytes, %lld lines\n", qlonglong(kFileSize),
                qlonglong(totals.m_Lines), qlonglong(written.size()), qlonglong(kWrittenLines));
    written.clear();
    written.squeeze();
    plainWritten.clear();
    plainWritten.squeeze();

    std::printf("peak memory rise, KiB: read/reader %lld, read/plain %lld, write/writer %lld, write/plain %lld\n",
                qlonglong(PeakRiseKiB([&] { ReaderRead(input); })),
                qlonglong(PeakRiseKiB([&] { PlainRead(input); })),
                qlonglong(PeakRiseKiB([&] { WriterWrite(output, pool); })),
                qlonglong(PeakRiseKiB([&] { PlainWrite(output, pool); })));

    const auto setBytes = [](benchmark::State &state, qint64 bytes) {
        state.SetBytesProcessed(qint64(state.iterations()) * bytes);
    };
    benchmark::RegisterBenchmark("Read/Reader", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(ReaderRead(input).m_Chars);
        setBytes(state, kFileSize);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Read/Plain", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(PlainRead(input).m_Chars);
        setBytes(state, kFileSize);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Write/Writer", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(WriterWrite(output, pool));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Write/Plain", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(PlainWrite(output, pool));
    })->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
