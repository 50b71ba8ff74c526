#include "cmntextreader.h"

#include "cmntext.h"
#include "cmntextencoding.h"

#include <QIODevice>
#include <QTextCodec>

namespace {

// Large files are decoded this many bytes at a time, never held whole as text.
constexpr qint64 kChunkSize = 10000;

} // namespace

CCmnTextReader::CCmnTextReader()
    : m_LineEndingCode(CmnLineEndingCRLF)
{
}

CCmnTextReader::~CCmnTextReader() = default;

QString CCmnTextReader::Open(const CCmnTextEncoding &encoding, QIODevice *device)
{
    // A failed open must not leave an earlier device's text behind.
    m_Device = nullptr;
    m_Buffer.clear();
    m_Position = 0;
    m_ExpectedMark.clear();

    QTextCodec *codec = CmnCodecForName(encoding.m_CodecName);
    if (!codec)
        return QStringLiteral("unknown/invalid codec '%1'").arg(encoding.m_CodecName);
    m_Codec = codec;
    m_Decoder.reset(codec->makeDecoder());
    if (!m_Decoder)
        return QStringLiteral("internal error, cannot create text decoder");
    m_LineEndingCode = CmnLineEndingCode(encoding.m_LineEndingName);
    m_Device = device;
    if (encoding.m_ByteOrderMark)
        m_ExpectedMark = CmnByteOrderMark(encoding.m_CodecName);
    ReadChunk();
    m_ExpectedMark.clear();
    return QString();
}

void CCmnTextReader::OpenString(qint32 lineEndingCode, const QString &text)
{
    m_Device = nullptr;
    const bool known = lineEndingCode >= CmnLineEndingCR && lineEndingCode <= CmnLineEndingPlatform;
    m_LineEndingCode = known ? lineEndingCode : qint32(CmnLineEndingPlatform);
    m_Buffer = text;
    m_Position = 0;
    m_ExpectedMark.clear();
}

void CCmnTextReader::ReadChunk()
{
    m_Position = 0;
    m_Buffer.clear();
    if (!m_Device || !m_Decoder)
        return;
    // Bytes that decode to nothing (only the mark, or the first part of one
    // character from a device that hands out little at a time) are not the end.
    while (m_Buffer.isEmpty()) {
        QByteArray bytes = m_Device->read(kChunkSize);
        if (bytes.isEmpty()) {
            // A character cut off by the end of the data still shows as damaged.
            if (m_Decoder->needsMoreData()) {
                m_Buffer = QString(QChar::ReplacementCharacter);
                m_Decoder.reset(m_Codec->makeDecoder());
            }
            return;
        }
        // The toolkit's Unicode decoders also drop a leading mark of their own, so
        // a mark cut short by a small first read is not left in the text.
        if (!m_ExpectedMark.isEmpty()) {
            if (bytes.startsWith(m_ExpectedMark))
                bytes.remove(0, m_ExpectedMark.size());
            m_ExpectedMark.clear();
        }
        m_Buffer = m_Decoder->toUnicode(bytes);
    }
}

bool CCmnTextReader::HasMoreText()
{
    if (m_Position >= m_Buffer.size())
        ReadChunk();
    return m_Position < m_Buffer.size();
}

void CCmnTextReader::SkipLineFeedAfterCr()
{
    if (m_Position >= m_Buffer.size())
        ReadChunk();
    if (m_Position < m_Buffer.size() && m_Buffer.at(m_Position) == QLatin1Char('\n'))
        ++m_Position;
}

QString CCmnTextReader::ReadLine()
{
    QString line;
    bool crPending = false;
    for (;;) {
        if (m_Position >= m_Buffer.size()) {
            ReadChunk();
            if (m_Buffer.isEmpty())
                return line;
        }
        // Ordinary characters are copied a run at a time, not one by one.
        const QChar *data = m_Buffer.constData();
        const qsizetype end = m_Buffer.size();
        qsizetype runStart = m_Position;
        while (m_Position < end) {
            const char16_t c = data[m_Position].unicode();
            if (c == u'\r') {
                if (m_LineEndingCode == CmnLineEndingCR) {
                    line.append(data + runStart, m_Position - runStart);
                    ++m_Position;
                    return line;
                }
                if (m_LineEndingCode == CmnLineEndingCRLF) {
                    // Dropped: it either starts the line ending or is stray.
                    line.append(data + runStart, m_Position - runStart);
                    ++m_Position;
                    runStart = m_Position;
                    crPending = true;
                    continue;
                }
                if (m_LineEndingCode == CmnLineEndingPlatform) {
                    line.append(data + runStart, m_Position - runStart);
                    ++m_Position;
                    SkipLineFeedAfterCr();
                    return line;
                }
            } else if (c == u'\n') {
                if (m_LineEndingCode == CmnLineEndingLF || m_LineEndingCode == CmnLineEndingPlatform
                    || (m_LineEndingCode == CmnLineEndingCRLF && crPending)) {
                    line.append(data + runStart, m_Position - runStart);
                    ++m_Position;
                    return line;
                }
            }
            crPending = false;
            ++m_Position;
        }
        line.append(data + runStart, end - runStart);
    }
}
