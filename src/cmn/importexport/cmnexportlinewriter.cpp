#include "cmnexportlinewriter.h"

#include "cmntext.h"
#include "cmntextencoding.h"

#include <QTextCodec>

#include <algorithm>

namespace {

// The UTF-8 codec's number in the registry.
constexpr int kUtf8Mib = 106;
// The codec's lines are encoded and written once they hold this many characters:
// line by line, encoding and writing cost more than making the lines.
constexpr qsizetype kLinesChars = 1 << 16;
constexpr qsizetype kFirstLineCapacity = 1024;

} // namespace

QString CCmnExportLineWriter::Open(const CCmnTextEncoding &encoding, QIODevice *file)
{
    const QString error = m_Writer.Open(encoding, file);
    if (!error.isEmpty())
        return error;
    const QTextCodec *codec = CmnCodecForName(encoding.m_CodecName);
    m_Utf8 = codec && codec->mibEnum() == kUtf8Mib;
    m_Bytes.SetDevice(file);
    // Every line ending is ASCII.
    m_LineEndingBytes = CmnLineEndingText(CmnLineEndingCode(encoding.m_LineEndingName)).toLatin1();
    return QString();
}

void CCmnExportLineWriter::Grow(qsizetype size)
{
    const qsizetype capacity = std::max(2 * m_LineCapacity, std::max(m_LineSize + size, kFirstLineCapacity));
    auto line = std::make_unique<char16_t[]>(size_t(capacity));
    std::copy(m_Line.get(), m_Line.get() + m_LineSize, line.get());
    m_Line = std::move(line);
    m_LineCapacity = capacity;
}

void CCmnExportLineWriter::AppendUtf8Rest(QStringView text)
{
    const std::string_view lineEnding(m_LineEndingBytes.constData(), size_t(m_LineEndingBytes.size()));
    // Split as CCmnTextWriter::AppendLine splits: a CR LF is one line end.
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n')) {
        QStringView line = text.first(at);
        if (line.endsWith(u'\r'))
            line.chop(1);
        m_Bytes.AppendUtf8(line);
        m_Bytes.Append(lineEnding);
        text = text.sliced(at + 1);
        text = text.sliced(m_Bytes.AppendPrintableAscii(text));
    }
    m_Bytes.AppendUtf8(text);
}

void CCmnExportLineWriter::EndLine()
{
    const QStringView line(m_Line.get(), m_LineSize);
    m_LineSize = 0;
    if (m_Utf8) {
        // The text before the line's first character that is not printable ASCII
        // cannot end a line: CR and LF are neither.
        const qsizetype plain = m_Bytes.AppendPrintableAscii(line);
        if (plain < line.size())
            AppendUtf8Rest(line.sliced(plain));
        m_Bytes.Append(std::string_view(m_LineEndingBytes.constData(), size_t(m_LineEndingBytes.size())));
        if (m_Bytes.Failed() && m_Error.isEmpty())
            m_Error = m_Writer.DeviceError();
    } else {
        m_Writer.AppendLine(m_Lines, line);
        if (m_Lines.size() >= kLinesChars)
            Flush();
    }
}

void CCmnExportLineWriter::Flush()
{
    if (!m_Lines.isEmpty() && m_Error.isEmpty())
        m_Error = m_Writer.WriteText(m_Lines);
    m_Lines.resize(0);
    if (!m_Bytes.Flush() && m_Error.isEmpty())
        m_Error = m_Writer.DeviceError();
}

QString CCmnExportLineWriter::Close()
{
    return m_Writer.Close();
}
