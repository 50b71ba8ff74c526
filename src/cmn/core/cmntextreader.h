#pragma once

#include <QByteArray>
#include <QSharedPointer>
#include <QString>

class CCmnTextEncoding;
class QIODevice;
class QTextCodec;
class QTextDecoder;

// Cuts text into lines by a chosen line ending, either from a device that it
// decodes a chunk at a time or from a string. The device stays the caller's: the
// reader never closes it. Ask HasMoreText before every ReadLine, so that data
// ending with a line ending gives no extra empty line.
class CCmnTextReader
{
public:
    CCmnTextReader();
    ~CCmnTextReader();

    // Reads the first chunk of the open device. "unknown/invalid codec '%1'" or
    // "internal error, cannot create text decoder" when the encoding's codec
    // cannot decode; the reader then has no text.
    [[nodiscard]] QString Open(const CCmnTextEncoding &encoding, QIODevice *device);
    // Hands out the lines of the text, cut by an ECmnLineEnding code.
    void OpenString(qint32 lineEndingCode, const QString &text);

    // Refills the buffer when it is used up; false once the text is exhausted or
    // the device failed.
    bool HasMoreText();
    // The next line without its line ending. CR (code 0) or LF (code 1) ends a
    // line, the other staying in it; with code 2 only CR LF does, and a lone CR or
    // LF stays in the line; the platform code accepts CR LF, LF and CR.
    QString ReadLine();
    // Replaces the buffer with the next decoded chunk of the device (empty at its
    // end, without a device, or once the device failed).
    void ReadChunk();

    // "read error", with the device's own reason when it gives one, once reading
    // the device failed; the text read before the failure stays readable, and the
    // reader then reports no more text. Empty while all is well.
    const QString &ErrorText() const { return m_ErrorText; }
    bool HasFailed() const { return !m_ErrorText.isEmpty(); }

    CCmnTextReader(const CCmnTextReader &) = delete;
    CCmnTextReader &operator=(const CCmnTextReader &) = delete;

private:
    // After a CR that ends a line, skips an LF that follows, even in the next chunk.
    void SkipLineFeedAfterCr();

    QTextCodec *m_Codec = nullptr; // the registry's, never deleted
    // Keeps its state between chunks, so that a character whose bytes straddle
    // two chunks decodes whole.
    QSharedPointer<QTextDecoder> m_Decoder;
    qint32 m_LineEndingCode;
    QIODevice *m_Device = nullptr;
    QString m_Buffer;
    qsizetype m_Position = 0;
    // Skipped at the start of the data; set only while the first chunk is read.
    QByteArray m_ExpectedMark;
    // The end of the last chunk that begins a character the chunk does not finish.
    QByteArray m_HeldBack;
    QString m_ErrorText;
};
