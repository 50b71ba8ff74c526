#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

class CCmnTextEncoding;

// Whole text files read and written through the text reader and writer, and the
// small line filters of the wizards' parameter files.

// The lines of the file at the path, after the folder mapping, with the encoding
// deduced from its bytes. When the file cannot be opened or read, or holds more
// than maxBytes (when not negative), the list is empty, *success (when given)
// false and *errorText (when given) the error text; decoding itself never fails.
// A caller that reads a file it cannot trust and knows to be small passes a
// limit, so that a huge or endless file is not read without bound.
QStringList CmnReadTextFileLines(const QString &path, bool *success = nullptr, QString *errorText = nullptr,
                                 qint64 maxBytes = -1);
// The same from an open device, read from its start.
QStringList CmnReadTextDeviceLines(QIODevice &device, bool *success = nullptr, QString *errorText = nullptr,
                                   qint64 maxBytes = -1);

// The bytes decoded with the encoding's codec (a leading byte-order mark dropped)
// into *decoded and cut into lines by its line ending, a last line without one
// included; both are empty when the codec is unknown. For the start of a file that
// is shown before it is read: a character the bytes end in the middle of is left out.
QStringList CmnDecodeTextLines(const QByteArray &bytes, const CCmnTextEncoding &encoding, QString *decoded);

// Writes each line followed by the encoding's line ending to the file opened in
// the given mode; "" on success, else the file error text.
[[nodiscard]] QString CmnWriteTextFile(const QString &path, const QStringList &lines, QIODevice::OpenMode mode,
                                       const CCmnTextEncoding &encoding);
// The same, replacing the file.
[[nodiscard]] QString CmnWriteTextFileLines(const QString &path, const QStringList &lines,
                                            const CCmnTextEncoding &encoding);

// Every line except those beginning with "#"; empty lines stay.
QStringList CmnRemoveCommentLines(const QStringList &lines);
// A non-empty line beginning with "+" continues the line before it (without the
// "+"); the first such line starts the result when nothing comes before it.
QStringList CmnJoinContinuationLines(const QStringList &lines);

// The path without its extension, then the suffix, "." and the extension:
// ("a/wiz.csv", "txt", "-imp") gives "a/wiz-imp.txt".
QString CmnCompanionFileName(const QString &path, const QString &extension, const QString &suffix);
// The companion file's lines, read as CmnReadTextFileLines reads them; none when
// it cannot be read.
QStringList CmnReadCompanionFileLines(const QString &path, const QString &extension, const QString &suffix,
                                      qint64 maxBytes = -1);

// A parameter file holds a few short lines; a larger one is no parameter file
// and is not read.
constexpr qint64 kCmnMaxParameterFileBytes = 1 << 20;
// The parameters a parameter file holds, one "key:value" a line: its lines without
// comment lines, continuation lines joined.
QStringList CmnParameterLines(const QStringList &fileLines);
// The value after the key and ":" in the first parameter that begins with them
// (compared exactly); empty when there is none.
QString CmnParameterValue(const QStringList &parameters, const QString &key);
