#include "cmntextreader.h"

#include "cmnfilenames.h"
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
    m_HeldBack.clear();
    m_ErrorText.clear();

    const QString codecError = CmnCheckCodecName(encoding.m_CodecName);
    if (!codecError.isEmpty())
        return codecError;
    m_Codec = CmnCodecForName(encoding.m_CodecName);
    m_Decoder.reset(m_Codec->makeDecoder());
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
    m_HeldBack.clear();
    m_ErrorText.clear();
}

void CCmnTextReader::ReadChunk()
{
    m_Position = 0;
    m_Buffer.clear();
    if (!m_Device || !m_Decoder || HasFailed())
        return;
    // Bytes that decode to nothing (only the mark, or the first part of one
    // character from a device that hands out little at a time) are not the end.
    while (m_Buffer.isEmpty()) {
        QByteArray bytes = m_HeldBack;
        m_HeldBack.clear();
        const qsizetype held = bytes.size();
        bytes.resize(held + kChunkSize);
        const qint64 got = m_Device->read(bytes.data() + held, kChunkSize);
        if (got < 0) {
            m_ErrorText = CmnDeviceReadErrorText(*m_Device);
            return;
        }
        bytes.resize(held + got);
        if (got == 0) {
            // A character cut off by the end of the data still shows as damaged.
            if (!bytes.isEmpty())
                m_Buffer = m_Decoder->toUnicode(bytes);
            if (m_Decoder->needsMoreData()) {
                m_Buffer += QChar(QChar::ReplacementCharacter);
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
        const qsizetype tail = CmnIncompleteTailLength(m_Codec, bytes.constData(), bytes.size());
        m_HeldBack = bytes.right(tail);
        bytes.chop(tail);
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
            if (m_Buffer.isEmpty()) {
                if (crPending)
                    line.append(QLatin1Char('\r'));
                return line;
            }
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
                    // Held back until the next character shows whether it starts
                    // the line ending; a lone CR is data (in an enclosed field,
                    // say) and stays.
                    line.append(data + runStart, m_Position - runStart);
                    if (crPending)
                        line.append(QLatin1Char('\r'));
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
            if (crPending) {
                line.append(QLatin1Char('\r'));
                crPending = false;
            }
            ++m_Position;
        }
        line.append(data + runStart, end - runStart);
    }
}
