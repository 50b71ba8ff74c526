#include "cmnfilenames.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QStandardPaths>

namespace {

QString PatternList(const QStringList &extensions)
{
    QStringList patterns;
    for (const QString &extension : extensions)
        patterns << QStringLiteral("*.") + extension;
    return patterns.join(QLatin1Char(' '));
}

QString FormatName(const QByteArray &format)
{
    return QString::fromLatin1(format);
}

// One entry for a format known under two names, such as jpg and jpeg; the
// default extension is the short name when the writer knows it.
CCmnFileType TwoNameType(const QString &description, bool shortSeen, bool longSeen,
                         const QString &shortName, const QString &longName)
{
    QStringList extensions;
    if (shortSeen)
        extensions << shortName;
    if (longSeen)
        extensions << longName;
    return {description + QStringLiteral(" (") + PatternList(extensions) + QLatin1Char(')'), description,
            shortSeen ? shortName : longName};
}

} // namespace

Qt::CaseSensitivity CmnFileNameCaseSensitivity()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

qsizetype CmnFindExtensionDot(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot + 1 >= fileName.size())
        return -1;
    const QChar next = fileName.at(dot + 1);
    if (!next.isLetter() && !next.isDigit())
        return -1;
    for (qsizetype i = dot + 1; i < fileName.size(); ++i) {
        const QChar c = fileName.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return -1;
    }
    return dot;
}

QString CmnFileExtension(const QString &fileName)
{
    const qsizetype dot = CmnFindExtensionDot(fileName);
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}

QString CmnFileNameWithoutExtension(const QString &fileName)
{
    const qsizetype dot = CmnFindExtensionDot(fileName);
    return dot < 0 ? fileName : fileName.left(dot);
}

bool CmnIsHtmlExtension(const QString &extension)
{
    return extension.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0
        || extension.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0;
}

QString CmnFileDialogFilter(const QStringList &extensions, const QString &description)
{
    QStringList lower;
    for (const QString &extension : extensions)
        lower << extension.toLower();
    return description + QStringLiteral(" (") + PatternList(lower) + QLatin1Char(')');
}

QString CmnFileDialogFilterOne(const QString &extension, const QString &description)
{
    return CmnFileDialogFilter(QStringList{extension}, description);
}

QString CmnTextFilesFilter()
{
    return CmnFileDialogFilter({QStringLiteral("txt"), QStringLiteral("csv")},
                               QStringLiteral("Text files"));
}

QStringList CmnFileDialogFilterExtensions(const QString &filter)
{
    QStringList extensions;
    const QStringList entries = filter.split(QStringLiteral(";;"));
    for (QString entry : entries) {
        const qsizetype open = entry.lastIndexOf(QLatin1Char('('));
        if (open >= 0) {
            entry = entry.mid(open + 1);
            const qsizetype close = entry.indexOf(QLatin1Char(')'));
            if (close >= 0)
                entry.truncate(close);
        }
        const QStringList pieces = entry.split(QLatin1Char(' '));
        for (const QString &piece : pieces) {
            // A bare "*." would demand an empty extension, which no name can have
            // once the check insists on an extension.
            if (piece.startsWith(QStringLiteral("*.")) && piece.size() > 2)
                extensions << piece.mid(2);
        }
    }
    return extensions;
}

QString CmnFileExtensionMismatch(const QString &extension, const QString &filter)
{
    const QStringList allowed = CmnFileDialogFilterExtensions(filter);
    if (allowed.isEmpty())
        return QString();

    QString problem;
    if (extension.isEmpty())
        problem = QStringLiteral("The filename has no extension.");
    else if (!allowed.contains(extension, Qt::CaseInsensitive))
        problem = QStringLiteral("The filename does not have a valid extension.");
    else
        return QString();

    QString advice;
    if (allowed.size() == 1) {
        advice = QStringLiteral("Please choose a filename with extension '%1'.").arg(allowed.first());
    } else if (allowed.size() == 2) {
        advice = QStringLiteral("Please choose a filename with extension '%1' or '%2'.")
                     .arg(allowed.at(0), allowed.at(1));
    } else {
        advice = QStringLiteral("Please choose a filename with one of the following extensions");
        for (qsizetype i = 0; i + 1 < allowed.size(); ++i)
            advice += (i == 0 ? QStringLiteral(": '") : QStringLiteral(", '")) + allowed.at(i)
                + QLatin1Char('\'');
        advice += QStringLiteral(" or '") + allowed.last() + QStringLiteral("'.");
    }
    return problem + QLatin1Char(' ') + advice;
}

QString CmnImageOpenFilter()
{
    return CmnImageOpenFilter(QImageReader::supportedImageFormats());
}

QString CmnImageOpenFilter(const QList<QByteArray> &readerFormats)
{
    QStringList names;
    for (const QByteArray &format : readerFormats)
        names << FormatName(format);
    return QStringLiteral("Images (") + PatternList(names) + QLatin1Char(')');
}

QList<CCmnFileType> CmnImageFileTypes()
{
    return CmnImageFileTypes(QImageWriter::supportedImageFormats());
}

QList<CCmnFileType> CmnImageFileTypes(const QList<QByteArray> &writerFormats)
{
    bool jpg = false;
    bool jpeg = false;
    bool tif = false;
    bool tiff = false;
    bool png = false;
    QStringList others;
    for (const QByteArray &format : writerFormats) {
        const QByteArray upper = format.toUpper();
        if (upper == "JPG")
            jpg = true;
        else if (upper == "JPEG")
            jpeg = true;
        else if (upper == "TIF")
            tif = true;
        else if (upper == "TIFF")
            tiff = true;
        else if (upper == "PNG")
            png = true;
        else
            others << FormatName(format);
    }

    QList<CCmnFileType> types;
    if (jpg || jpeg)
        types << TwoNameType(QStringLiteral("JPEG files"), jpg, jpeg, QStringLiteral("jpg"), QStringLiteral("jpeg"));
    if (tif || tiff)
        types << TwoNameType(QStringLiteral("Tagged Image files"), tif, tiff, QStringLiteral("tif"),
                             QStringLiteral("tiff"));
    if (png)
        types << CCmnFileType{QStringLiteral("Portable Network Graphics files (*.png)"),
                              QStringLiteral("Portable Network Graphics files"), QStringLiteral("png")};
    if (!others.isEmpty())
        types << CCmnFileType{QStringLiteral("Other image files (") + PatternList(others) + QLatin1Char(')'),
                              QStringLiteral("Other image files"), others.first()};
    return types;
}

bool CmnImageFormatKeepsAlpha(const QString &extension)
{
    static const QStringList kWithAlpha{QStringLiteral("png"),  QStringLiteral("tif"), QStringLiteral("tiff"),
                                        QStringLiteral("webp"), QStringLiteral("ico"), QStringLiteral("cur"),
                                        QStringLiteral("icns"), QStringLiteral("tga"), QStringLiteral("xpm")};
    return kWithAlpha.contains(extension, Qt::CaseInsensitive);
}

QList<CCmnFileType> CmnPdfFileTypes()
{
    return {CCmnFileType{QStringLiteral("PDF files (*.pdf)"), QStringLiteral("PDF files"), QStringLiteral("pdf")}};
}

QString CmnDefaultPictureFolder()
{
    for (const auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

QString CmnDeviceReadErrorText(const QIODevice &device)
{
    const QString text = CmnFileErrorText(QFileDevice::ReadError);
    const QString reason = device.errorString();
    if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
        return text;
    return text + QStringLiteral(" (") + reason + QLatin1Char(')');
}

QString CmnFileErrorText(int fileError)
{
    switch (fileError) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::ReadError:
        return QStringLiteral("read error");
    case QFileDevice::WriteError:
        return QStringLiteral("write error");
    case QFileDevice::FatalError:
        return QStringLiteral("fatal file error");
    case QFileDevice::ResourceError:
        return QStringLiteral("resource error");
    case QFileDevice::OpenError:
        return QStringLiteral("open error (possibly the file does not exist)");
    case QFileDevice::AbortError:
        return QStringLiteral("aborted");
    case QFileDevice::TimeOutError:
        return QStringLiteral("timeout");
    case QFileDevice::UnspecifiedError:
        return QStringLiteral("unspecified error");
    case QFileDevice::RemoveError:
        return QStringLiteral("failed to delete");
    case QFileDevice::RenameError:
        return QStringLiteral("failed to rename");
    case QFileDevice::PositionError:
        return QStringLiteral("file position error");
    case QFileDevice::ResizeError:
        return QStringLiteral("failed to resize");
    case QFileDevice::PermissionsError:
        return QStringLiteral("file access error");
    case QFileDevice::CopyError:
        return QStringLiteral("copy error");
    default:
        return QStringLiteral("unknown error");
    }
}
