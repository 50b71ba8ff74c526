#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// What the program does with file names: extensions, file-dialog filters, the
// image formats offered for export and pictures, and file errors in words.

// One file type of a save dialog.
struct CCmnFileType
{
    QString m_Filter;      // the file-dialog entry, "Portable Network Graphics files (*.png)"
    QString m_Description; // "Portable Network Graphics files"
    QString m_Extension;   // the default extension, without the dot
};

// Whether file names differ by letter case on this platform. Everything that
// compares paths (folder mapping, caches, recent files) asks here.
Qt::CaseSensitivity CmnFileNameCaseSensitivity();

// The index of the extension dot: the last "." when a letter or digit follows it
// and no "/" or "\" comes after it; -1 when the name has no extension.
qsizetype CmnFindExtensionDot(const QString &fileName);
QString CmnFileExtension(const QString &fileName);
// The whole name when it has no extension.
QString CmnFileNameWithoutExtension(const QString &fileName);
bool CmnIsHtmlExtension(const QString &extension);

// "Text files (*.txt *.csv)"; the extensions are written in lower case.
QString CmnFileDialogFilter(const QStringList &extensions, const QString &description);
QString CmnFileDialogFilterOne(const QString &extension, const QString &description);
// "Text files (*.txt *.csv)", the filter of the text-import dialog.
QString CmnTextFilesFilter();

// The extensions a file-dialog filter offers, in filter order: each ";;" entry's
// last parenthesised group (the whole entry when it has none) split at blanks,
// every "*.ext" pattern giving "ext". "*" and "*." name no extension.
QStringList CmnFileDialogFilterExtensions(const QString &filter);
// Why a chosen file's extension (the text after its last dot) does not suit the
// filter, with advice naming the extensions it offers; empty when it suits, and
// when the filter names no extension at all. Letter case does not matter.
QString CmnFileExtensionMismatch(const QString &extension, const QString &filter);

// "Images (*.bmp *.gif ...)" for the formats the image reader supports.
QString CmnImageOpenFilter();
QString CmnImageOpenFilter(const QList<QByteArray> &readerFormats);

// The save-dialog types for the formats the image writer supports: JPEG, TIFF,
// PNG and the other formats together, each only when present.
QList<CCmnFileType> CmnImageFileTypes();
QList<CCmnFileType> CmnImageFileTypes(const QList<QByteArray> &writerFormats);

// Whether an image file of the extension keeps transparent pixels; the other
// formats (JPEG, BMP and the like) would turn them black.
bool CmnImageFormatKeepsAlpha(const QString &extension);

// The one save-dialog type of PDF output.
QList<CCmnFileType> CmnPdfFileTypes();

// The standard Pictures folder, else Documents, else the home folder.
QString CmnDefaultPictureFolder();

// A file error code (QFileDevice::FileError) in words; empty for no error.
QString CmnFileErrorText(int fileError);
// "read error", followed by the device's own reason in brackets when it gives one.
QString CmnDeviceReadErrorText(const QIODevice &device);
