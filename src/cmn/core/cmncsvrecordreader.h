#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class CCmnCsvFormat;
class CCmnTextReader;

// The escape character of delimited text that escapes with a backslash.
inline constexpr char16_t kCmnCsvBackslash = u'\\';

// Reads the records of delimited text one at a time, from a list of lines or
// straight from a text reader, so that a file of any size needs only the lines of
// the record being read. A record whose enclosed field holds a line break spans
// several lines, joined with LF; each record knows the line it begins on.
//
// All work is a single pass: every character is looked at a bounded number of
// times, however the quoting is broken.
class CCmnCsvRecordReader
{
public:
    CCmnCsvRecordReader(const CCmnCsvFormat &format, const QStringList &lines);
    // The reader stays the caller's and must outlive this one.
    CCmnCsvRecordReader(const CCmnCsvFormat &format, CCmnTextReader *reader);

    // Asks the text reader for more when the lines held are used up.
    bool AtEnd();
    // The index (from 0) of the line the next record begins on: every line counts,
    // comment lines and blank lines too.
    qsizetype LineIndex() const { return m_Line; }

    // The fields of the record that begins at the current line; the empty list
    // for a comment line. Never empty otherwise: an empty line is one empty field.
    QStringList Next();

private:
    void Init(const CCmnCsvFormat &format);
    // True when the line with that index is held, reading it when needed.
    bool HasLine(qsizetype index);
    QStringView Line(qsizetype index) const { return m_Lines.at(index - m_Base); }
    // Where the field starting at pos opens with the quote character, or -1.
    qsizetype OpeningQuote(QStringView line, qsizetype pos) const;
    bool ReadEnclosed(qsizetype &lineIndex, qsizetype &pos, QString *value);
    QString Unescape(QStringView raw) const;

    // The lines from index m_Base on; a text reader's lines before the current
    // record are let go.
    QStringList m_Lines;
    qsizetype m_Base = 0;
    CCmnTextReader *m_Reader = nullptr;
    QChar m_Quote;
    QChar m_Separator;
    QChar m_Comment;
    bool m_EscapeFlag = false;
    bool m_Backslash = false;
    bool m_Trim = false;
    qsizetype m_Line = 0;
    qsizetype m_LastFieldCount = 0;   // rows are mostly alike: a good first guess
    bool m_Unclosed = false;
};
