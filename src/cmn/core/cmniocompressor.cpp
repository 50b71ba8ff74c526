#include "cmniocompressor.h"

#include <QtGlobal>

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace {

// zlib counts bytes in its own 32-bit unit; larger requests go in pieces.
constexpr qint64 kMaxZlibChunk = std::numeric_limits<uInt>::max();

// A device that keeps taking nothing without reporting an error would be asked
// for ever; after this many fruitless attempts in a row the write fails.
constexpr int kMaxWritesWithoutProgress = 16;

int WindowBits(ECmnIOCompressorFormat format)
{
    switch (format) {
    case ECmnIOCompressorFormat::Gzip:
        return 31;
    case ECmnIOCompressorFormat::RawDeflate:
        return -15;
    case ECmnIOCompressorFormat::Zlib:
        break;
    }
    return 15;
}

// zlib 1.0.x and 1.1.x know neither the gzip wrapper nor header-less streams
// through the window bits.
bool ZlibSupportsGzipAndRaw()
{
    const char *version = zlibVersion();
    if (qstrlen(version) < 3 || version[0] == '0')
        return false;
    return !(version[0] == '1' && (version[2] == '0' || version[2] == '1'));
}

} // namespace

class CCmnIOCompressorPrivate
{
public:
    CCmnIOCompressorPrivate(CCmnIOCompressor *owner, QIODevice *device, qint32 level, quint32 bufferSize);

    void Flush(int flushMode);
    bool Deflate(int flushMode);
    bool WriteBytes(const char *block, qint64 size);
    void SetZlibError(const QString &prefix, int status);
    void Fail(const QString &error);

    CCmnIOCompressor *m_Owner;
    QIODevice *m_Device;
    bool m_ManagesDevice = false;
    z_stream m_Stream {};
    qint32 m_CompressionLevel;
    quint32 m_BufferSize;
    std::unique_ptr<Bytef[]> m_Buffer;
    ECmnIOCompressorState m_State = ECmnIOCompressorState::Closed;
    ECmnIOCompressorFormat m_Format = ECmnIOCompressorFormat::Zlib;
    // Set once the end of the stream has been written, so that close adds nothing.
    bool m_StreamFinished = false;
};

CCmnIOCompressorPrivate::CCmnIOCompressorPrivate(CCmnIOCompressor *owner, QIODevice *device, qint32 level,
                                                 quint32 bufferSize)
    : m_Owner(owner)
    , m_Device(device)
    , m_CompressionLevel(level)
    // zlib cannot move a byte through an empty buffer: every loop would spin.
    , m_BufferSize(std::max<quint32>(bufferSize, 1))
    , m_Buffer(std::make_unique_for_overwrite<Bytef[]>(m_BufferSize))
{
}

void CCmnIOCompressorPrivate::Fail(const QString &error)
{
    m_State = ECmnIOCompressorState::Failed;
    m_Owner->setErrorString(error);
}

void CCmnIOCompressorPrivate::SetZlibError(const QString &prefix, int status)
{
    // zError indexes a fixed table: a code outside it must not reach it.
    const char *text = status >= Z_VERSION_ERROR && status <= Z_NEED_DICT ? zError(status) : nullptr;
    if (text && *text)
        m_Owner->setErrorString(prefix + QString::fromLatin1(text));
    else
        m_Owner->setErrorString(prefix + QStringLiteral(" Unknown error, code ") + QString::number(status));
}

// Runs deflate over the pending input into the buffer and passes each block on,
// until zlib has taken all input (or, when finishing, written the trailer).
bool CCmnIOCompressorPrivate::Deflate(int flushMode)
{
    int status = Z_OK;
    do {
        m_Stream.next_out = m_Buffer.get();
        m_Stream.avail_out = m_BufferSize;
        status = deflate(&m_Stream, flushMode);
        if (status != Z_OK && !(status == Z_STREAM_END && flushMode == Z_FINISH)) {
            m_State = ECmnIOCompressorState::Failed;
            SetZlibError(QStringLiteral("Internal zlib error when compressing: "), status);
            return false;
        }
        if (!WriteBytes(reinterpret_cast<const char *>(m_Buffer.get()), m_BufferSize - m_Stream.avail_out))
            return false;
    } while (flushMode == Z_FINISH ? status != Z_STREAM_END : m_Stream.avail_out == 0);
    return true;
}

void CCmnIOCompressorPrivate::Flush(int flushMode)
{
    m_Stream.next_in = nullptr;
    m_Stream.avail_in = 0;
    Deflate(flushMode);
}

bool CCmnIOCompressorPrivate::WriteBytes(const char *block, qint64 size)
{
    qint64 written = 0;
    int fruitlessWrites = 0;
    while (written < size) {
        const qint64 result = m_Device->write(block + written, size - written);
        if (result < 0) {
            Fail(QStringLiteral("Error writing to underlying device: ") + m_Device->errorString());
            return false;
        }
        if (result == 0) {
            if (++fruitlessWrites >= kMaxWritesWithoutProgress) {
                Fail(QStringLiteral("Error writing to underlying device: the device accepted no data"));
                return false;
            }
            continue;
        }
        fruitlessWrites = 0;
        written += result;
    }
    m_State = ECmnIOCompressorState::WritePending;
    return true;
}

CCmnIOCompressor::CCmnIOCompressor(QIODevice *underlyingDevice, qint32 compressionLevel, quint32 bufferSize)
    : d(std::make_unique<CCmnIOCompressorPrivate>(this, underlyingDevice, compressionLevel, bufferSize))
{
}

CCmnIOCompressor::~CCmnIOCompressor()
{
    close();
}

bool CCmnIOCompressor::isSequential() const
{
    return true;
}

void CCmnIOCompressor::SetStreamFormat(ECmnIOCompressorFormat format)
{
    d->m_Format = format;
}

ECmnIOCompressorFormat CCmnIOCompressor::StreamFormat() const
{
    return d->m_Format;
}

ECmnIOCompressorState CCmnIOCompressor::State() const
{
    return d->m_State;
}

bool CCmnIOCompressor::open(OpenMode mode)
{
    if (isOpen()) {
        qWarning("CCmnIOCompressor::open: device already open");
        return false;
    }
    const bool reading = mode.testFlag(ReadOnly);
    const bool writing = mode.testFlag(WriteOnly);
    if (reading == writing) {
        qWarning("CCmnIOCompressor::open: CCmnIOCompressor can only be opened in the ReadOnly or WriteOnly modes");
        return false;
    }

    if (d->m_Device->isOpen()) {
        d->m_ManagesDevice = false;
        if (!d->m_Device->openMode().testFlag(reading ? ReadOnly : WriteOnly)) {
            qWarning("CCmnIOCompressor::open: underlying device must be open in one of the ReadOnly or WriteOnly modes");
            return false;
        }
    } else {
        d->m_ManagesDevice = true;
        if (!d->m_Device->open(mode)) {
            setErrorString(QStringLiteral("Error opening underlying device: ") + d->m_Device->errorString());
            return false;
        }
    }

    const int windowBits = WindowBits(d->m_Format);
    const bool plainZlib = d->m_Format == ECmnIOCompressorFormat::Zlib;
    if (!plainZlib && !ZlibSupportsGzipAndRaw()) {
        setErrorString(QStringLiteral("The gzip format not supported in this version of zlib."));
        return false;
    }

    d->m_Stream = z_stream {};
    d->m_StreamFinished = false;
    int status = Z_OK;
    if (reading) {
        d->m_State = ECmnIOCompressorState::ReadNotStarted;
        d->m_Stream.next_in = nullptr;
        d->m_Stream.avail_in = 0;
        status = plainZlib ? inflateInit(&d->m_Stream) : inflateInit2(&d->m_Stream, windowBits);
    } else {
        d->m_State = ECmnIOCompressorState::WriteNothingYet;
        status = plainZlib ? deflateInit(&d->m_Stream, d->m_CompressionLevel)
                           : deflateInit2(&d->m_Stream, d->m_CompressionLevel, Z_DEFLATED, windowBits, 8,
                                          Z_DEFAULT_STRATEGY);
    }
    if (status != Z_OK) {
        d->SetZlibError(QStringLiteral("Internal zlib error: "), status);
        return false;
    }
    return QIODevice::open(mode);
}

void CCmnIOCompressor::close()
{
    if (!isOpen())
        return;

    if (openMode().testFlag(ReadOnly)) {
        d->m_State = ECmnIOCompressorState::ReadNotStarted;
        inflateEnd(&d->m_Stream);
    } else {
        if (d->m_State == ECmnIOCompressorState::WritePending && !d->m_StreamFinished) {
            d->m_State = ECmnIOCompressorState::WriteNothingYet;
            d->Flush(Z_FINISH);
            d->m_StreamFinished = true;
        }
        deflateEnd(&d->m_Stream);
    }

    if (d->m_ManagesDevice)
        d->m_Device->close();
    // The state and the error string outlive the close: a caller that skipped
    // Finish learns there that the stream on the device is incomplete.
    QIODevice::close();
}

bool CCmnIOCompressor::Finish()
{
    if (!isOpen() || !openMode().testFlag(WriteOnly)) {
        qWarning("CCmnIOCompressor::Finish: device not open for writing");
        return false;
    }
    if (d->m_State == ECmnIOCompressorState::WritePending && !d->m_StreamFinished) {
        d->m_State = ECmnIOCompressorState::WriteNothingYet;
        d->Flush(Z_FINISH);
        d->m_StreamFinished = true;
    }
    return d->m_State != ECmnIOCompressorState::Failed;
}

qint64 CCmnIOCompressor::bytesAvailable() const
{
    if (!isOpen() || !openMode().testFlag(ReadOnly))
        return 0;
    qint64 count = 0;
    if (d->m_State == ECmnIOCompressorState::ReadNotStarted)
        count = d->m_Device->bytesAvailable(); // kept 64-bit: a cut to 32 bits hides large files
    else if (d->m_State == ECmnIOCompressorState::Reading)
        count = 1;
    count += QIODevice::bytesAvailable();
    // Only whether more may come is known, never how much.
    return count > 0 ? 1 : 0;
}

qint64 CCmnIOCompressor::writeData(const char *data, qint64 size)
{
    if (size < 1)
        return 0;
    if (d->m_State == ECmnIOCompressorState::Failed)
        return -1;
    for (qint64 done = 0; done < size;) {
        const qint64 chunk = std::min(size - done, kMaxZlibChunk);
        d->m_Stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data + done));
        d->m_Stream.avail_in = uInt(chunk);
        if (!d->Deflate(Z_NO_FLUSH))
            return -1;
        done += chunk;
    }
    return size;
}

qint64 CCmnIOCompressor::readData(char *data, qint64 maxSize)
{
    if (d->m_State == ECmnIOCompressorState::ReadFinished)
        return 0;
    if (d->m_State == ECmnIOCompressorState::Failed)
        return -1;
    const qint64 wanted = std::min(maxSize, kMaxZlibChunk);
    if (wanted < 1)
        return 0;

    z_stream &stream = d->m_Stream;
    stream.next_out = reinterpret_cast<Bytef *>(data);
    stream.avail_out = uInt(wanted);
    int status = Z_OK;
    do {
        if (stream.avail_in == 0) {
            const qint64 got = d->m_Device->read(reinterpret_cast<char *>(d->m_Buffer.get()), d->m_BufferSize);
            if (got < 0) {
                d->Fail(QStringLiteral("Error reading data from underlying device: ") + d->m_Device->errorString());
                return -1;
            }
            stream.next_in = d->m_Buffer.get();
            stream.avail_in = uInt(got);
            if (d->m_State != ECmnIOCompressorState::Reading) {
                if (got == 0)
                    return 0;
                d->m_State = ECmnIOCompressorState::Reading;
            }
        }
        status = inflate(&stream, Z_SYNC_FLUSH);
        if (status == Z_BUF_ERROR) {
            // The input ran out before the end of the stream. What this call has
            // already inflated is returned; the next call gives 0.
            return wanted - stream.avail_out;
        }
        if (status != Z_OK && status != Z_STREAM_END) {
            d->m_State = ECmnIOCompressorState::Failed;
            d->SetZlibError(QStringLiteral("Internal zlib error when decompressing: "), status);
            return -1;
        }
    } while (stream.avail_out != 0 && status != Z_STREAM_END);

    if (status == Z_STREAM_END) {
        d->m_State = ECmnIOCompressorState::ReadFinished;
        // Whatever follows the stream belongs to the underlying device's next reader.
        for (uInt i = stream.avail_in; i > 0; --i)
            d->m_Device->ungetChar(char(stream.next_in[i - 1]));
        stream.avail_in = 0;
    }
    return wanted - stream.avail_out;
}
