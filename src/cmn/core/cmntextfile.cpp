#include "cmntextfile.h"

#include "cmnfilenames.h"
#include "cmnmappedpath.h"
#include "cmntextencoding.h"
#include "cmntextreader.h"
#include "cmntextwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopedPointer>
#include <QTextCodec>

namespace {

QString OpenErrorText(const QFileDevice &file)
{
    return CmnFileErrorText(file.error() != QFileDevice::NoError ? file.error() : QFileDevice::UnspecifiedError);
}

QStringList ReadFailed(const QString &error, bool *success, QString *errorText)
{
    if (success)
        *success = false;
    if (errorText)
        *errorText = error;
    return QStringList();
}

// The whole device, or false with the error text when a read fails: readAll
// would hand out what came before the failure as if it were all. A device that
// holds more than maxBytes (when not negative) is refused as soon as the excess
// arrives, so that an endless device is not read without bound.
bool ReadAllBytes(QIODevice &device, QByteArray *bytes, QString *error, qint64 maxBytes = -1)
{
    constexpr qint64 kPiece = 1 << 16;
    bytes->clear();
    for (;;) {
        const qsizetype at = bytes->size();
        bytes->resize(at + kPiece);
        const qint64 got = device.read(bytes->data() + at, kPiece);
        bytes->resize(at + qMax<qint64>(got, 0));
        if (got == 0)
            return true;
        if (got < 0) {
            *error = CmnDeviceReadErrorText(device);
            return false;
        }
        if (maxBytes >= 0 && bytes->size() > maxBytes) {
            bytes->clear();
            *error = QStringLiteral("file too large (more than %1 bytes)").arg(maxBytes);
            return false;
        }
    }
}

QString WriteLines(CCmnTextWriter &writer, QIODevice &file, const QStringList &lines, const CCmnTextEncoding &encoding)
{
    QString error = writer.Open(encoding, &file);
    for (qsizetype i = 0; error.isEmpty() && i < lines.size(); ++i)
        error = writer.WriteLine(lines.at(i));
    return error;
}

} // namespace

QStringList CmnReadTextFileLines(const QString &path, bool *success, QString *errorText, qint64 maxBytes)
{
    const CCmnMappedPath mapped(path);
    QFile file(mapped.m_MappedPath);
    if (!file.open(QIODevice::ReadOnly))
        return ReadFailed(OpenErrorText(file), success, errorText);
    return CmnReadTextDeviceLines(file, success, errorText, maxBytes);
}

QStringList CmnReadTextDeviceLines(QIODevice &device, bool *success, QString *errorText, qint64 maxBytes)
{
    QByteArray bytes;
    QString error;
    if (!device.seek(0) || !ReadAllBytes(device, &bytes, &error, maxBytes))
        return ReadFailed(error.isEmpty() ? CmnFileErrorText(QFileDevice::PositionError) : error, success, errorText);
    const CCmnTextEncoding encoding = CmnDeduceTextEncoding(bytes);
    bytes.clear();
    if (!device.seek(0))
        return ReadFailed(CmnFileErrorText(QFileDevice::PositionError), success, errorText);
    QStringList lines;
    CCmnTextReader reader;
    error = reader.Open(encoding, &device);
    while (error.isEmpty() && reader.HasMoreText())
        lines.append(reader.ReadLine());
    if (error.isEmpty())
        error = reader.ErrorText();
    if (!error.isEmpty())
        return ReadFailed(error, success, errorText);
    if (success)
        *success = true;
    if (errorText)
        errorText->clear();
    return lines;
}

QStringList CmnDecodeTextLines(const QByteArray &bytes, const CCmnTextEncoding &encoding, QString *decoded)
{
    decoded->clear();
    QTextCodec *codec = CmnCodecForName(encoding.m_CodecName);
    if (!codec)
        return QStringList();
    const QScopedPointer<QTextDecoder> decoder(codec->makeDecoder());
    *decoded = decoder->toUnicode(bytes);
    QStringList lines;
    CCmnTextReader reader;
    reader.OpenString(CmnLineEndingCode(encoding.m_LineEndingName), *decoded);
    while (reader.HasMoreText())
        lines.append(reader.ReadLine());
    return lines;
}

QString CmnWriteTextFile(const QString &path, const QStringList &lines, QIODevice::OpenMode mode,
                         const CCmnTextEncoding &encoding)
{
    // Checked before the file is touched, so that a bad choice leaves it as it is.
    QString error = CmnCheckCodecName(encoding.m_CodecName);
    if (!error.isEmpty())
        return error;
    CCmnTextWriter writer;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or pipe holds no earlier text to keep, and cannot be replaced.
        QFile device(path);
        if (!device.open(mode))
            return OpenErrorText(device);
        error = WriteLines(writer, device, lines, encoding);
        const QString closeError = writer.Close();
        return error.isEmpty() ? closeError : error;
    }

    // The new text goes to a temporary file that replaces the old one only once
    // all of it is written; appending copies the old text over first.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return OpenErrorText(file);
    if ((mode & QIODevice::Append) && info.exists()) {
        QFile old(path);
        QByteArray bytes;
        if (!old.open(QIODevice::ReadOnly))
            error = OpenErrorText(old);
        else if (ReadAllBytes(old, &bytes, &error) && file.write(bytes) != bytes.size())
            error = CmnFileErrorText(QFileDevice::WriteError);
    }
    if (error.isEmpty())
        error = WriteLines(writer, file, lines, encoding);
    if (!error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    return writer.Close();
}

QString CmnWriteTextFileLines(const QString &path, const QStringList &lines, const CCmnTextEncoding &encoding)
{
    return CmnWriteTextFile(path, lines, QIODevice::WriteOnly, encoding);
}

QStringList CmnRemoveCommentLines(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines) {
        if (!line.startsWith(QLatin1Char('#')))
            result.append(line);
    }
    return result;
}

QStringList CmnJoinContinuationLines(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('+'))) {
            if (result.isEmpty())
                result.append(line.mid(1));
            else
                result.last() += QStringView(line).mid(1);
        } else {
            result.append(line);
        }
    }
    return result;
}

QString CmnCompanionFileName(const QString &path, const QString &extension, const QString &suffix)
{
    return CmnFileNameWithoutExtension(path) + suffix + QLatin1Char('.') + extension;
}

QStringList CmnReadCompanionFileLines(const QString &path, const QString &extension, const QString &suffix,
                                      qint64 maxBytes)
{
    return CmnReadTextFileLines(CmnCompanionFileName(path, extension, suffix), nullptr, nullptr, maxBytes);
}

QStringList CmnParameterLines(const QStringList &fileLines)
{
    return CmnJoinContinuationLines(CmnRemoveCommentLines(fileLines));
}

QString CmnParameterValue(const QStringList &parameters, const QString &key)
{
    const QString prefix = key + QLatin1Char(':');
    for (const QString &parameter : parameters) {
        if (parameter.startsWith(prefix))
            return parameter.mid(prefix.size());
    }
    return QString();
}
