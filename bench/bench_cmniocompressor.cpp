// Compares the compressed stream device with driving zlib by hand on the same
// data, so that the device's own cost (buffering, Qt device calls, pushing back
// the bytes after the stream) shows as the difference between the two.

#include "cmniocompressor.h"

#include <QBuffer>
#include <QByteArray>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <memory>

namespace {

constexpr qsizetype kDataSize = 100 * 1000 * 1000;
constexpr qint32 kLevel = 6;
constexpr quint32 kDeviceBuffer = 65500;
// The size of the pieces the callers hand over or ask for.
constexpr qsizetype kPiece = 64 * 1024;

// Register-like records: names, kennels, dates and numbers picked at random, so
// the text compresses about as well as a document's does, not like one repeated line.
QByteArray MakeRecords(qsizetype size)
{
    static const char *const kNames[] = {"Bella", "Rex", "Aster", "Mooncoat", "Tilly", "Baron", "Skye", "Odin"};
    static const char *const kKennels[] = {"of Glenmoor", "vom Hochwald", "Sunridge", "de la Brume", "Kestrel Hill"};
    static const char *const kColours[] = {"black", "tan", "sable", "blue merle", "red", "brindle"};
    QRandomGenerator random(20240611);
    QByteArray text;
    text.reserve(size + 256);
    while (text.size() < size) {
        text += "name=";
        text += kNames[random.bounded(8)];
        text += ' ';
        text += kKennels[random.bounded(5)];
        text += ";sex=" + QByteArray::number(random.bounded(3)) + ";born=" + QByteArray::number(1990 + random.bounded(35))
                + '-' + QByteArray::number(1 + random.bounded(12)) + '-' + QByteArray::number(1 + random.bounded(28))
                + ";colour=" + kColours[random.bounded(6)] + ";sire=" + QByteArray::number(random.bounded(500000))
                + ";dam=" + QByteArray::number(random.bounded(500000))
                + ";coi=" + QByteArray::number(random.bounded(10000) / 100.0, 'f', 2) + '\n';
    }
    text.truncate(size);
    return text;
}

QByteArray DeviceCompress(const QByteArray &data)
{
    QBuffer output;
    CCmnIOCompressor device(&output, kLevel, kDeviceBuffer);
    if (!device.open(QIODevice::WriteOnly))
        return {};
    for (qsizetype at = 0; at < data.size(); at += kPiece) {
        if (device.write(data.constData() + at, qMin(kPiece, data.size() - at)) < 0)
            return {};
    }
    if (!device.Finish())
        return {};
    device.close();
    return output.data();
}

QByteArray ZlibCompress(const QByteArray &data)
{
    z_stream stream {};
    deflateInit(&stream, kLevel);
    auto block = std::make_unique_for_overwrite<Bytef[]>(kDeviceBuffer);
    QByteArray output;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    int status = Z_OK;
    do {
        stream.next_out = block.get();
        stream.avail_out = kDeviceBuffer;
        status = deflate(&stream, Z_FINISH);
        output.append(reinterpret_cast<const char *>(block.get()), kDeviceBuffer - stream.avail_out);
    } while (status == Z_OK);
    deflateEnd(&stream);
    return status == Z_STREAM_END ? output : QByteArray();
}

// Returns the number of bytes inflated, or -1.
qint64 DeviceDecompress(QByteArray &compressed, char *piece)
{
    QBuffer input(&compressed);
    CCmnIOCompressor device(&input, kLevel, kDeviceBuffer);
    if (!device.open(QIODevice::ReadOnly))
        return -1;
    qint64 total = 0;
    for (;;) {
        const qint64 got = device.read(piece, kPiece);
        if (got <= 0)
            return got < 0 ? -1 : total;
        total += got;
    }
}

qint64 ZlibDecompress(const QByteArray &compressed, char *piece)
{
    z_stream stream {};
    inflateInit(&stream);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    qint64 total = 0;
    int status = Z_OK;
    do {
        stream.next_out = reinterpret_cast<Bytef *>(piece);
        stream.avail_out = uInt(kPiece);
        status = inflate(&stream, Z_NO_FLUSH);
        total += kPiece - stream.avail_out;
    } while (status == Z_OK);
    inflateEnd(&stream);
    return status == Z_STREAM_END ? total : -1;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const QByteArray data = MakeRecords(kDataSize);
    QByteArray compressed = DeviceCompress(data);
    auto piece = std::make_unique_for_overwrite<char[]>(kPiece);

    // Both sides must do the same work, or the comparison means nothing.
    QByteArray check;
    {
        QBuffer input(&compressed);
        CCmnIOCompressor device(&input, kLevel, kDeviceBuffer);
        if (device.open(QIODevice::ReadOnly))
            check = device.readAll();
    }
    if (compressed.isEmpty() || check != data || ZlibCompress(data) != compressed) {
        std::fprintf(stderr, "The device and zlib disagree: nothing measured\n");
        return 1;
    }
    std::printf("data %lld bytes, compressed %lld bytes (%.1f %%)\n", qlonglong(data.size()),
                qlonglong(compressed.size()), 100.0 * double(compressed.size()) / double(data.size()));

    const auto setBytes = [&data](benchmark::State &state) {
        state.SetBytesProcessed(qint64(state.iterations()) * data.size());
    };
    benchmark::RegisterBenchmark("Write/Device", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(DeviceCompress(data).size());
        setBytes(state);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Write/Zlib", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(ZlibCompress(data).size());
        setBytes(state);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Read/Device", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(DeviceDecompress(compressed, piece.get()));
        setBytes(state);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Read/Zlib", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(ZlibDecompress(compressed, piece.get()));
        setBytes(state);
    })->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
