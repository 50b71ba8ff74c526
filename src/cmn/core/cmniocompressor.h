#pragma once

#include <QIODevice>

#include <memory>

class CCmnIOCompressorPrivate;

// The stream formats the device reads and writes. Each maps to zlib's window bits.
enum class ECmnIOCompressorFormat : qint32 {
    Zlib = 0,       // zlib header and trailer
    Gzip = 1,       // gzip header and trailer
    RawDeflate = 2, // bare deflate data
};

enum class ECmnIOCompressorState : qint32 {
    ReadNotStarted = 0,  // open for reading, nothing taken from the underlying device yet
    Reading = 1,         // compressed input has started to arrive
    ReadFinished = 2,    // the end of the compressed stream has been met
    WriteNothingYet = 3, // open for writing, nothing passed to the underlying device yet
    WritePending = 4,    // something was written: the stream must be finished
    Closed = 5,          // never opened
    Failed = 6,          // every read and write fails until the next open
};

// A sequential device on top of another device: what is written to it is deflated
// into the underlying device, what is read from it is inflated from there. The
// document file is read and written through it, so a failure to write the end of
// the stream must never pass unnoticed: call Finish before close when saving.
class CCmnIOCompressor : public QIODevice
{
    Q_OBJECT
public:
    // The underlying device is not owned. Level is zlib's compression level.
    CCmnIOCompressor(QIODevice *underlyingDevice, qint32 compressionLevel, quint32 bufferSize);
    ~CCmnIOCompressor() override;

    bool isSequential() const override;
    bool open(OpenMode mode) override;
    void close() override;
    qint64 bytesAvailable() const override;

    // Read by open: choose it before opening.
    void SetStreamFormat(ECmnIOCompressorFormat format);
    ECmnIOCompressorFormat StreamFormat() const;

    ECmnIOCompressorState State() const;

    // Writes the end of the compressed stream to the underlying device. False when
    // that or an earlier write failed (the error string says why) or when the device
    // is not open for writing. The close that follows writes nothing more.
    [[nodiscard]] bool Finish();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    friend class CCmnIOCompressorPrivate;
    std::unique_ptr<CCmnIOCompressorPrivate> d;
};
