#pragma once

#include <QByteArray>
#include <QString>

class QTextCodec;

// How a text file is encoded: the codec's name, the line ending's name and whether
// a byte-order mark is written (or skipped when reading). The import and export
// wizards remember a user's choice per file under its one-line text form.
class CCmnTextEncoding
{
public:
    CCmnTextEncoding() = default;
    CCmnTextEncoding(const QString &codecName, const QString &lineEndingName, quint8 byteOrderMark)
        : m_CodecName(codecName)
        , m_LineEndingName(lineEndingName)
        , m_ByteOrderMark(byteOrderMark)
    {
    }

    // "codec,line ending,flag", the flag as "0" or "1": LOCALE,LOCALE,1 by default.
    QString ToText() const;
    // Accepts exactly three comma-separated items, the flag a decimal integer (any
    // value but 0 meaning 1); anything else returns false and changes nothing.
    bool FromText(const QString &text);

    bool operator==(const CCmnTextEncoding &other) const = default;

    // "LOCALE" for the system's codec, "UTF-8", "UTF-16" (little-endian with a
    // mark), "UTF-16LE", "UTF-16BE" or any name the codec registry knows.
    QString m_CodecName = QStringLiteral("LOCALE");
    // "CR", "LF", "CRLF", "SYSTEM" or "LOCALE", in any letter case.
    QString m_LineEndingName = QStringLiteral("LOCALE");
    // 0 or 1: write the codec's mark before the text, skip it when reading.
    quint8 m_ByteOrderMark = 1;
};

// The encoding that the bytes' byte-order mark names ("LOCALE" and flag 0 without
// one) and the line ending used by most of their line ends ("LOCALE" on a tie or
// when there are none).
CCmnTextEncoding CmnDeduceTextEncoding(const QByteArray &bytes);

// The registry's codec for an encoding's codec name, or null for an unknown name.
// "LOCALE" and "System" give the system's codec, "UTF-16" the little-endian one.
QTextCodec *CmnCodecForName(const QString &name);

// "" when the registry has a codec for the name, else "unknown/invalid codec '%1'".
[[nodiscard]] QString CmnCheckCodecName(const QString &name);

// The name shown for a codec name: the system codec's own name for "LOCALE",
// "UTF-16LE" for "UTF-16", any other name unchanged.
QString CmnCodecDisplayName(const QString &name);

// The ECmnLineEnding code of a line-ending name, in any letter case: "CR" 0, "LF"
// 1, "CRLF" 2; "SYSTEM", "LOCALE" and any other name the platform's line ending.
qint32 CmnLineEndingCode(const QString &name);

// How many bytes at the end of the bytes begin a character that they do not
// finish, in the codec's Unicode encodings (0 for every other codec). Decoding in
// pieces holds these back for the next piece: the toolkit's decoders lose a byte
// when a piece ends inside a sequence that turns out to be invalid.
qsizetype CmnIncompleteTailLength(const QTextCodec *codec, const char *bytes, qsizetype size);

// The mark written before text in the named codec (the name compared exactly,
// letter case included); empty for a codec that has none.
QByteArray CmnByteOrderMark(const QString &codecName);
