#include "cmncsvrecordreader.h"

#include "cmncsvformat.h"
#include "cmntextreader.h"

CCmnCsvRecordReader::CCmnCsvRecordReader(const CCmnCsvFormat &format, const QStringList &lines)
    : m_Lines(lines)
{
    Init(format);
}

CCmnCsvRecordReader::CCmnCsvRecordReader(const CCmnCsvFormat &format, CCmnTextReader *reader)
    : m_Reader(reader)
{
    Init(format);
}

void CCmnCsvRecordReader::Init(const CCmnCsvFormat &format)
{
    m_Quote = format.EffectiveQuoteChar();
    m_Separator = format.Separator();
    m_Comment = format.CommentChar();
    m_EscapeFlag = format.EscapeFlag();
    m_Backslash = format.EscapesQuoteWithBackslash();
    m_Trim = format.TrimFlag();
}

bool CCmnCsvRecordReader::HasLine(qsizetype index)
{
    while (index - m_Base >= m_Lines.size()) {
        if (!m_Reader || !m_Reader->HasMoreText())
            return false;
        m_Lines.append(m_Reader->ReadLine());
    }
    return true;
}

bool CCmnCsvRecordReader::AtEnd()
{
    return !HasLine(m_Line);
}

QStringList CCmnCsvRecordReader::Next()
{
    QStringList fields;
    if (AtEnd())
        return fields;
    if (m_Reader && m_Line > m_Base) {
        m_Lines.remove(0, m_Line - m_Base);
        m_Base = m_Line;
    }
    fields.reserve(m_LastFieldCount);
    QStringView line = Line(m_Line);
    if (!m_Comment.isNull() && line.startsWith(m_Comment)) {
        ++m_Line;
        return fields;
    }
    qsizetype pos = 0;
    for (;;) {
        QString value;
        bool enclosed = false;
        const qsizetype quotePos = OpeningQuote(line, pos);
        if (quotePos >= 0) {
            qsizetype endLine = m_Line;
            qsizetype endPos = quotePos + 1;
            if (ReadEnclosed(endLine, endPos, &value)) {
                enclosed = true;
                m_Line = endLine;
                line = Line(m_Line);
                pos = endPos;
            } else {
                // Nothing closes it: the field is read plainly, its quote
                // kept as text, so the damage stays within this field.
                m_Unclosed = true;
                value.clear();
            }
        }
        qsizetype end = line.indexOf(m_Separator, pos);
        if (end < 0)
            end = line.size();
        const QStringView rest = line.mid(pos, end - pos);
        if (enclosed) {
            // Stray text after the closing quote is kept; the blanks inside
            // the quotes are data, only those outside them are trimmed.
            value += m_Trim ? rest.trimmed() : rest;
            fields.append(value);
        } else {
            value = m_Quote.isNull() ? rest.toString() : Unescape(rest);
            fields.append(m_Trim ? value.trimmed() : value);
        }
        if (end >= line.size())
            break;
        pos = end + 1;
    }
    ++m_Line;
    m_LastFieldCount = fields.size();
    return fields;
}

// Trimming lets blanks stand before the quote.
qsizetype CCmnCsvRecordReader::OpeningQuote(QStringView line, qsizetype pos) const
{
    if (m_Quote.isNull())
        return -1;
    qsizetype p = pos;
    if (m_Trim) {
        while (p < line.size() && line[p] != m_Quote && line[p] != m_Separator && line[p].isSpace())
            ++p;
    }
    return p < line.size() && line[p] == m_Quote ? p : -1;
}

// Reads an enclosed field from just after its opening quote up to its closing
// quote, continuing over line ends. True with line and pos just after the
// closing quote; false when the input ends first. Without a value it only
// finds the end.
bool CCmnCsvRecordReader::ReadEnclosed(qsizetype &lineIndex, qsizetype &pos, QString *value)
{
    bool closes = value == nullptr;
    for (;;) {
        // Views stay valid while lines are appended: a moved string keeps its data.
        const QStringView text = Line(lineIndex);
        const qsizetype q = text.indexOf(m_Quote, pos);
        if (q < 0) {
            if (value)
                *value += text.mid(pos);
            // Once one quote has run to the end of the input unclosed, no later
            // one can close on another line either (every quote after it was
            // paired or escaped), so stop at the line end instead of rescanning
            // the rest.
            if (m_Unclosed || !HasLine(lineIndex + 1))
                return false;
            // Make sure something closes the field before copying lines into
            // it: an unclosed quote would copy the whole rest of the input.
            if (!closes) {
                qsizetype endLine = lineIndex + 1;
                qsizetype endPos = 0;
                if (!ReadEnclosed(endLine, endPos, nullptr))
                    return false;
                closes = true;
            }
            if (value)
                *value += QChar(u'\n');
            ++lineIndex;
            pos = 0;
            continue;
        }
        if (m_Backslash) {
            // An odd run of backslashes escapes the quote; the run is halved
            // either way, so a field may end in a backslash.
            qsizetype run = 0;
            while (q - run > pos && text[q - run - 1] == QChar(kCmnCsvBackslash))
                ++run;
            if (value) {
                *value += text.mid(pos, q - run - pos);
                *value += QString(run / 2, QChar(kCmnCsvBackslash));
            }
            pos = q + 1;
            if (run % 2 == 0)
                return true;
            if (value)
                *value += m_Quote;
            continue;
        }
        if (value)
            *value += text.mid(pos, q - pos);
        if (q + 1 < text.size() && text[q + 1] == m_Quote) {
            if (value)
                *value += m_Quote;
            pos = q + 2;
            continue;
        }
        pos = q + 1;
        return true;
    }
}

// An unenclosed field: each escape sequence becomes one quote character,
// searching on just after the quote produced.
QString CCmnCsvRecordReader::Unescape(QStringView raw) const
{
    const QChar lead = m_EscapeFlag ? QChar(kCmnCsvBackslash) : m_Quote;
    QString result;
    qsizetype copied = 0;
    for (qsizetype i = raw.indexOf(lead); i >= 0 && i + 1 < raw.size(); i = raw.indexOf(lead, i)) {
        if (raw[i + 1] != m_Quote) {
            ++i;
            continue;
        }
        result += raw.mid(copied, i - copied);
        result += m_Quote;
        i += 2;
        copied = i;
    }
    if (copied == 0)
        return raw.toString();
    result += raw.mid(copied);
    return result;
}
