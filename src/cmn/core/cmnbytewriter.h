#pragma once

#include <QString>
#include <QStringEncoder>
#include <QStringView>
#include <QtGlobal>

#include <cstring>
#include <string_view>
#include <vector>

class QIODevice;

// Gathers bytes in a buffer of its own and writes them to a device in large
// pieces. Writers of big files put their pieces straight into the buffer: a
// byte array checks its sharing and capacity and ends itself with a zero for
// every piece appended, which costs as much as the copying when the pieces are
// the tags and texts of a million cells.
class CCmnByteWriter
{
public:
    explicit CCmnByteWriter(QIODevice *device = nullptr);

    void SetDevice(QIODevice *device) { m_Device = device; }
    // Room for at least `size` bytes at the returned position, writing out what is
    // held first when the buffer would overflow. Commit says how much was used.
    char *Reserve(qsizetype size)
    {
        // Inline: writers reserve for every piece of every cell.
        if (qsizetype(m_Buffer.size()) - m_Size >= size)
            return m_Buffer.data() + m_Size;
        return ReserveAfterFlush(size);
    }
    void Commit(char *end) { m_Size = end - m_Buffer.data(); }
    void Append(std::string_view bytes)
    {
        char *out = Reserve(qsizetype(bytes.size()));
        std::memcpy(out, bytes.data(), bytes.size());
        Commit(out + bytes.size());
    }
    // Copies the text's leading run of printable ASCII, blank to DEL, as bytes;
    // how many characters that was. Most of an export's texts are nothing else.
    qsizetype AppendPrintableAscii(QStringView text)
    {
        // Short pieces (separators, quotes, small numbers) without a call.
        if (text.size() >= kWideAscii)
            return AppendPrintableAsciiWide(text);
        char *out = Reserve(text.size());
        qsizetype i = 0;
        for (; i < text.size() && IsPrintableAscii(text.utf16()[i]); ++i)
            out[i] = char(text.utf16()[i]);
        Commit(out + i);
        return i;
    }
    // The text in UTF-8. A surrogate without its partner becomes U+FFFD, as the
    // codecs write it, so a text must not be cut between the two halves of a pair.
    void AppendUtf8(QStringView text);
    // Whether XML 1.0 text can hold the code unit: not the control characters
    // but tab, line feed and carriage return, nor U+FFFE and U+FFFF.
    static bool IsXmlCharacter(char16_t u)
    {
        return (u >= 0x20 && u < 0xfffe) || u == u'\t' || u == u'\n' || u == u'\r';
    }
    // The text without the code units XML cannot hold. A text imported from
    // elsewhere may hold them, and the toolkit's XML writer refuses the whole
    // file for one.
    static QString XmlCharacters(QStringView text);
    // Copies the text's leading run of printable ASCII that XML text holds as it
    // stands (no '<', '>', '&' or '"') to `out`, which has room for the whole
    // text; how many characters that was. Nearly every cell text is nothing else.
    static qsizetype CopyPlainXmlAscii(QStringView text, char *out)
    {
        // Short texts (small numbers, names) without a call.
        if (text.size() >= kWideAscii)
            return CopyPlainXmlAsciiWide(text, out);
        qsizetype i = 0;
        for (; i < text.size() && IsPlainXmlAscii(text.utf16()[i]); ++i)
            out[i] = char(text.utf16()[i]);
        return i;
    }
    // The text as XML character data in UTF-8: '<', '>', '&' and '"' as entities,
    // the code units XML cannot hold left out, as the toolkit's XML writer
    // writes the text with those units taken out first.
    void AppendXmlText(QStringView text);
    // Writes out what is held; false once any write has failed.
    bool Flush();
    bool Failed() const { return m_Failed; }

    CCmnByteWriter(const CCmnByteWriter &) = delete;
    CCmnByteWriter &operator=(const CCmnByteWriter &) = delete;

private:
    static constexpr qsizetype kWideAscii = 8;
    static bool IsPrintableAscii(char16_t u) { return char16_t(u - 0x20) < 0x60; }
    // Printable ASCII that XML text holds as it stands.
    static bool IsPlainXmlAscii(char16_t u)
    {
        // The four characters to escape all lie in 0x20 to 0x3f: one bit each.
        constexpr quint64 kEscaped = (quint64(1) << (u'<' - 0x20)) | (quint64(1) << (u'>' - 0x20))
            | (quint64(1) << (u'&' - 0x20)) | (quint64(1) << (u'"' - 0x20));
        const char16_t offset = char16_t(u - 0x20);
        return offset < 0x5f && (offset >= 0x40 || ((kEscaped >> offset) & 1) == 0);
    }
    static qsizetype CopyPlainXmlAsciiWide(QStringView text, char *out);
    char *ReserveAfterFlush(qsizetype size);
    qsizetype AppendPrintableAsciiWide(QStringView text);
    // The text escaped; false, with nothing written, at a unit XML cannot hold.
    [[nodiscard]] bool AppendXmlEscaped(QStringView text);

    QIODevice *m_Device;
    std::vector<char> m_Buffer;
    qsizetype m_Size = 0;
    bool m_Failed = false;
    QStringEncoder m_Encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};
