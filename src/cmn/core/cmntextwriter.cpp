#include "cmntextwriter.h"

#include "cmnfilenames.h"
#include "cmntext.h"
#include "cmntextencoding.h"

#include <QFileDevice>
#include <QSaveFile>
#include <QStringView>
#include <QTextCodec>

namespace {

// Only file devices know why a write failed; any other failure is a write error.
QString DeviceErrorText(const QIODevice *device)
{
    if (const auto *file = qobject_cast<const QFileDevice *>(device)) {
        if (file->error() != QFileDevice::NoError)
            return CmnFileErrorText(file->error());
    }
    return CmnFileErrorText(QFileDevice::WriteError);
}

} // namespace

CCmnTextWriter::CCmnTextWriter()
    : m_LineEndingCode(CmnLineEndingPlatform)
{
}

QString CCmnTextWriter::Open(const CCmnTextEncoding &encoding, QIODevice *file)
{
    m_Codec = nullptr;
    const QString codecError = CmnCheckCodecName(encoding.m_CodecName);
    if (!codecError.isEmpty())
        return codecError;
    m_Codec = CmnCodecForName(encoding.m_CodecName);
    m_LineEndingCode = CmnLineEndingCode(encoding.m_LineEndingName);
    m_LineEndingText = CmnLineEndingText(m_LineEndingCode);
    m_File = file;
    if (!m_File)
        return CmnFileErrorText(QFileDevice::WriteError);

    // Text added to a device that already holds some (a file opened to append)
    // continues it: a mark there would be a stray character in the middle.
    const bool atStart = m_File->isSequential() || m_File->size() == 0;
    const QByteArray mark = encoding.m_ByteOrderMark && atStart ? CmnByteOrderMark(encoding.m_CodecName) : QByteArray();
    if (!mark.isEmpty() && m_File->write(mark) < mark.size())
        return CmnFileErrorText(QFileDevice::WriteError);
    return QString();
}

QString CCmnTextWriter::WriteEncoded(const QString &text)
{
    return WriteText(text + m_LineEndingText);
}

QString CCmnTextWriter::WriteText(const QString &text)
{
    // Also guards a caller that writes after a failed Open.
    if (!m_Codec || !m_File)
        return CmnFileErrorText(QFileDevice::WriteError);
    // A fresh state for every piece, told not to add a header, so that the mark is
    // written once by Open and never again.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QByteArray bytes = m_Codec->fromUnicode(text.constData(), int(text.size()), &state);
    if (m_File->write(bytes) < bytes.size())
        return DeviceErrorText(m_File);
    return QString();
}

void CCmnTextWriter::AppendLine(QString &lines, QStringView text) const
{
    // A CR LF in the text is one line end: its CR must not stay in front of the
    // line ending written for it.
    for (qsizetype at = text.indexOf(QLatin1Char('\n')); at >= 0; at = text.indexOf(QLatin1Char('\n'))) {
        lines += text.left(at > 0 && text.at(at - 1) == QLatin1Char('\r') ? at - 1 : at);
        lines += m_LineEndingText;
        text = text.mid(at + 1);
    }
    lines += text;
    lines += m_LineEndingText;
}

QString CCmnTextWriter::WriteLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')))
        return WriteEncoded(text);
    QString lines;
    AppendLine(lines, text);
    return WriteText(lines);
}

QString CCmnTextWriter::DeviceError() const
{
    return DeviceErrorText(m_File);
}

QString CCmnTextWriter::Close()
{
    if (!m_File)
        return QString();
    QString result;
    // A save file replaces its target only now, and only when every write succeeded.
    if (auto *saveFile = qobject_cast<QSaveFile *>(m_File)) {
        if (!saveFile->commit())
            result = DeviceErrorText(saveFile);
        m_File = nullptr;
        return result;
    }
    auto *file = qobject_cast<QFileDevice *>(m_File);
    if (file && !file->flush())
        result = CmnFileErrorText(QFileDevice::WriteError);
    m_File->close();
    if (result.isEmpty() && file && file->error() != QFileDevice::NoError)
        result = CmnFileErrorText(file->error());
    m_File = nullptr;
    return result;
}
