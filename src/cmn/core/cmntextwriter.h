#pragma once

#include <QString>
#include <QStringView>

class CCmnTextEncoding;
class QIODevice;
class QTextCodec;

// Writes lines to an open device in an encoding: the byte-order mark once at the
// start, then each line encoded and followed by the chosen line ending. Every
// failure comes back as a file error text; Close closes the device.
class CCmnTextWriter
{
public:
    CCmnTextWriter();

    // "unknown/invalid codec '%1'" for a codec the registry does not know; writes
    // the codec's mark when the encoding asks for one and the device is empty.
    [[nodiscard]] QString Open(const CCmnTextEncoding &encoding, QIODevice *file);
    // A text holding LF is written as one line per piece between LFs; a CR in
    // front of an LF goes with it.
    [[nodiscard]] QString WriteLine(const QString &text);
    // The text and the line ending, encoded without a second mark.
    [[nodiscard]] QString WriteEncoded(const QString &text);
    // The text encoded as it is, without a line ending or a second mark.
    [[nodiscard]] QString WriteText(const QString &text);
    // Appends what WriteLine writes for the text, line endings included, so that
    // many lines can be encoded and written at once.
    void AppendLine(QString &lines, QStringView text) const;
    // Why the last write to the device failed, for writers that write to it themselves.
    QString DeviceError() const;
    // Flushes and closes the device; commits a save file, which replaces its
    // target only then.
    [[nodiscard]] QString Close();

    CCmnTextWriter(const CCmnTextWriter &) = delete;
    CCmnTextWriter &operator=(const CCmnTextWriter &) = delete;

private:
    QTextCodec *m_Codec = nullptr; // the registry's, never deleted
    QString m_LineEndingText;
    QIODevice *m_File = nullptr; // the caller's
    qint32 m_LineEndingCode;
};
