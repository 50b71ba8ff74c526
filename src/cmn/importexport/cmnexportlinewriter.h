#pragma once

#include "cmnbytewriter.h"
#include "cmntextwriter.h"

#include <QString>
#include <QStringView>

#include <cstring>
#include <memory>
#include <string_view>

class CCmnTextEncoding;
class QIODevice;

// Writes the lines of a text export in the file's encoding, each built piece by
// piece in a buffer of its own that stays in the cache. UTF-8, the usual
// choice, goes straight into the file's bytes as each line ends: its printable
// ASCII, most of it, is copied eight characters at a time. Any other encoding
// gathers the lines and encodes them through its codec in large pieces. A line
// feed inside a line, with a carriage return before it, ends a line there with
// the encoding's line ending, as CCmnTextWriter::WriteLine does.
class CCmnExportLineWriter
{
public:
    CCmnExportLineWriter() = default;

    // As CCmnTextWriter::Open: the error text, empty when the file can be written.
    [[nodiscard]] QString Open(const CCmnTextEncoding &encoding, QIODevice *file);
    // Text added to the line being built. Named as QString's own, so that code
    // that builds a line can build it into either. Inline, as a string's append
    // is not: exports add several pieces for every cell.
    void append(QStringView text)
    {
        if (text.isEmpty())
            return;
        std::memcpy(Room(text.size()), text.utf16(), size_t(text.size()) * sizeof(char16_t));
        m_LineSize += text.size();
    }
    // Characters written straight into the line by `copy(char16_t *to)`, with
    // room for `size`, which gives the number it wrote; that number. For
    // searches that copy as they go, where a search before a copy read each
    // text twice.
    template <class TCopy>
    qsizetype AppendCopied(qsizetype size, TCopy copy)
    {
        const qsizetype copied = copy(Room(size));
        m_LineSize += copied;
        return copied;
    }
    // Markup of ASCII characters.
    void AppendMarkup(std::string_view markup)
    {
        char16_t *out = Room(qsizetype(markup.size()));
        for (const char c : markup)
            *out++ = char16_t(static_cast<unsigned char>(c));
        m_LineSize += qsizetype(markup.size());
    }
    // Writes the line with its line ending and begins the next.
    void EndLine();
    // The first failure to write, empty while all is well.
    const QString &ErrorText() const { return m_Error; }
    // Writes out what is held; a failure becomes the error text.
    void Flush();
    // Closes the device, committing a save file, as CCmnTextWriter::Close does;
    // call it after Flush, and only when all was written.
    [[nodiscard]] QString Close();

    CCmnExportLineWriter(const CCmnExportLineWriter &) = delete;
    CCmnExportLineWriter &operator=(const CCmnExportLineWriter &) = delete;

private:
    // Room for `size` more characters at the line's end.
    char16_t *Room(qsizetype size)
    {
        if (m_LineCapacity - m_LineSize < size)
            Grow(size);
        return m_Line.get() + m_LineSize;
    }
    void Grow(qsizetype size);
    // The rest of a line in UTF-8, from its first character that is not
    // printable ASCII: line breaks, control characters and all beyond ASCII.
    void AppendUtf8Rest(QStringView text);

    CCmnTextWriter m_Writer;
    bool m_Utf8 = false;
    CCmnByteWriter m_Bytes;
    std::unique_ptr<char16_t[]> m_Line;
    qsizetype m_LineSize = 0;
    qsizetype m_LineCapacity = 0;
    // The lines not yet encoded, for the other encodings.
    QString m_Lines;
    QByteArray m_LineEndingBytes;
    QString m_Error;
};
