#pragma once

#include "cmnbytewriter.h"
#include "cmntextwriter.h"

#include <QString>
#include <QStringView>

#include <string_view>

class CCmnTextEncoding;
class QIODevice;

// Writes the lines of a text export in the file's encoding, built piece by
// piece. UTF-8, the usual choice, goes straight into the file's bytes: most
// pieces are ASCII and are copied as they stand. Any other encoding gathers
// the lines as text and encodes them through its codec in large pieces. A line
// feed inside a piece, with a carriage return before it, ends a line there
// with the encoding's line ending, as CCmnTextWriter::WriteLine does.
class CCmnExportLineWriter
{
public:
    CCmnExportLineWriter() = default;

    // As CCmnTextWriter::Open: the error text, empty when the file can be written.
    [[nodiscard]] QString Open(const CCmnTextEncoding &encoding, QIODevice *file);
    // Text added to the line being written. Named as QString's own, so that code
    // that builds a line can build it into either.
    void append(QStringView text)
    {
        if (m_Utf8 && !m_PendingCr) {
            // The usual piece, printable ASCII, copied as it stands.
            const qsizetype plain = m_Bytes.AppendPrintableAscii(text);
            if (plain == text.size())
                return;
            text = text.sliced(plain);
        }
        AppendBroken(text);
    }
    // Markup of printable ASCII without line breaks, added without a look at its
    // characters.
    void AppendMarkup(std::string_view markup)
    {
        if (m_Utf8 && !m_PendingCr)
            m_Bytes.Append(markup);
        else
            AppendMarkupAfterText(markup);
    }
    // Ends the line with the line ending.
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
    // The text's line breaks become line endings.
    void AppendBroken(QStringView text);
    // Text without line breaks.
    void AppendPlain(QStringView text);
    void AppendMarkupAfterText(std::string_view markup);

    CCmnTextWriter m_Writer;
    bool m_Utf8 = false;
    CCmnByteWriter m_Bytes;
    // The lines not yet encoded, for the other encodings.
    QString m_Lines;
    QString m_LineEnding;
    // A carriage return that ended the last piece: dropped when the next piece
    // begins with a line feed, written otherwise.
    bool m_PendingCr = false;
    QString m_Error;
};
