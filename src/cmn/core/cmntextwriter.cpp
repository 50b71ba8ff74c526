#include "cmntextwriter.h"

#include "cmnfilenames.h"
#include "cmntext.h"
#include "cmntextencoding.h"

#include <QFileDevice>
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
    m_Codec = CmnCodecForName(encoding.m_CodecName);
    if (!m_Codec)
        return QStringLiteral("unknown/invalid codec '%1'").arg(encoding.m_CodecName);
    m_LineEndingCode = CmnLineEndingCode(encoding.m_LineEndingName);
    m_LineEndingText = CmnLineEndingText(m_LineEndingCode);
    m_File = file;
    if (!m_File)
        return CmnFileErrorText(QFileDevice::WriteError);

    const QByteArray mark = encoding.m_ByteOrderMark ? CmnByteOrderMark(encoding.m_CodecName) : QByteArray();
    if (!mark.isEmpty() && m_File->write(mark) < mark.size())
        return CmnFileErrorText(QFileDevice::WriteError);
    return QString();
}

QString CCmnTextWriter::WriteEncoded(const QString &text)
{
    // Also guards a caller that writes after a failed Open.
    if (!m_Codec || !m_File)
        return CmnFileErrorText(QFileDevice::WriteError);
    const QString data = text + m_LineEndingText;
    // A fresh state for every line, told not to add a header, so that the mark is
    // written once by Open and never again.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QByteArray bytes = m_Codec->fromUnicode(data.constData(), int(data.size()), &state);
    if (m_File->write(bytes) < bytes.size())
        return DeviceErrorText(m_File);
    return QString();
}

QString CCmnTextWriter::WriteLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')))
        return WriteEncoded(text);
    for (const QStringView piece : QStringView(text).split(QLatin1Char('\n'))) {
        const QString error = WriteEncoded(piece.toString());
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

QString CCmnTextWriter::Close()
{
    if (!m_File)
        return QString();
    QString result;
    auto *file = qobject_cast<QFileDevice *>(m_File);
    if (file && !file->flush())
        result = CmnFileErrorText(QFileDevice::WriteError);
    m_File->close();
    if (result.isEmpty() && file && file->error() != QFileDevice::NoError)
        result = CmnFileErrorText(file->error());
    m_File = nullptr;
    return result;
}
