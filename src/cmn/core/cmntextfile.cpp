#include "cmntextfile.h"

#include "cmnfilenames.h"
#include "cmnmappedpath.h"
#include "cmntextencoding.h"
#include "cmntextreader.h"
#include "cmntextwriter.h"

#include <QFile>

namespace {

QString OpenErrorText(const QFile &file)
{
    return CmnFileErrorText(file.error() != QFileDevice::NoError ? file.error() : QFileDevice::UnspecifiedError);
}

} // namespace

QStringList CmnReadTextFileLines(const QString &path, bool *success, QString *errorText)
{
    const CCmnMappedPath mapped(path);
    QFile file(mapped.m_MappedPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (success)
            *success = false;
        if (errorText)
            *errorText = OpenErrorText(file);
        return QStringList();
    }

    const CCmnTextEncoding encoding = CmnDeduceTextEncoding(file.readAll());
    file.seek(0);
    QStringList lines;
    CCmnTextReader reader;
    if (reader.Open(encoding, &file).isEmpty()) {
        while (reader.HasMoreText())
            lines.append(reader.ReadLine());
    }
    file.close();
    if (success)
        *success = true;
    if (errorText)
        errorText->clear();
    return lines;
}

QString CmnWriteTextFile(const QString &path, const QStringList &lines, QIODevice::OpenMode mode,
                         const CCmnTextEncoding &encoding)
{
    QFile file(path);
    if (!file.open(mode))
        return OpenErrorText(file);
    CCmnTextWriter writer;
    QString error = writer.Open(encoding, &file);
    if (!error.isEmpty())
        return error;
    for (const QString &line : lines) {
        error = writer.WriteLine(line);
        if (!error.isEmpty()) {
            file.close();
            return error;
        }
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

QStringList CmnReadCompanionFileLines(const QString &path, const QString &extension, const QString &suffix)
{
    return CmnReadTextFileLines(CmnCompanionFileName(path, extension, suffix));
}
