#include "cmnexportlinewriter.h"

#include "cmntext.h"
#include "cmntextencoding.h"

#include <QTextCodec>

namespace {

// The UTF-8 codec's number in the registry.
constexpr int kUtf8Mib = 106;
// The codec's lines are encoded and written once they hold this many characters:
// line by line, encoding and writing cost more than making the lines.
constexpr qsizetype kLinesChars = 1 << 16;

} // namespace

QString CCmnExportLineWriter::Open(const CCmnTextEncoding &encoding, QIODevice *file)
{
    const QString error = m_Writer.Open(encoding, file);
    if (!error.isEmpty())
        return error;
    const QTextCodec *codec = CmnCodecForName(encoding.m_CodecName);
    m_Utf8 = codec && codec->mibEnum() == kUtf8Mib;
    m_Bytes.SetDevice(file);
    m_LineEnding = CmnLineEndingText(CmnLineEndingCode(encoding.m_LineEndingName));
    return QString();
}

void CCmnExportLineWriter::AppendBroken(QStringView text)
{
    // An empty piece leaves a carriage return before it waiting for what follows.
    if (text.isEmpty())
        return;
    if (m_PendingCr) {
        m_PendingCr = false;
        if (!text.startsWith(u'\n'))
            AppendPlain(u"\r");
    }
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n')) {
        QStringView line = text.first(at);
        if (line.endsWith(u'\r'))
            line.chop(1);
        AppendPlain(line);
        AppendPlain(m_LineEnding);
        text = text.sliced(at + 1);
    }
    if (text.endsWith(u'\r')) {
        text.chop(1);
        m_PendingCr = true;
    }
    AppendPlain(text);
}

void CCmnExportLineWriter::AppendPlain(QStringView text)
{
    if (m_Utf8)
        m_Bytes.AppendUtf8(text);
    else
        m_Lines += text;
}

void CCmnExportLineWriter::AppendMarkupAfterText(std::string_view markup)
{
    // Markup never begins with a line feed: a carriage return before it stays.
    if (m_PendingCr) {
        m_PendingCr = false;
        AppendPlain(u"\r");
    }
    if (m_Utf8)
        m_Bytes.Append(markup);
    else
        m_Lines += QLatin1StringView(markup.data(), qsizetype(markup.size()));
}

void CCmnExportLineWriter::EndLine()
{
    if (m_PendingCr) {
        m_PendingCr = false;
        AppendPlain(u"\r");
    }
    AppendPlain(m_LineEnding);
    if (m_Lines.size() >= kLinesChars)
        Flush();
    if (m_Bytes.Failed() && m_Error.isEmpty())
        m_Error = m_Writer.DeviceError();
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
