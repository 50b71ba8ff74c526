#include "cmncsvformat.h"

#include <QStringView>

namespace {

constexpr char16_t kTab = 9;
constexpr char16_t kComma = u',';
constexpr char16_t kDoubleQuote = 34;
constexpr char16_t kApostrophe = 39;
constexpr char16_t kBackslash = u'\\';

// A quote character equal to the separator could never open a field: such a
// format splits plainly.
QChar EffectiveQuote(QChar quote, QChar separator)
{
    return quote == separator ? QChar() : quote;
}

// A backslash that encloses or separates cannot also escape, so those formats
// double the quote character whatever their escape flag says.
bool EscapesWithBackslash(bool escapeFlag, QChar quote, QChar separator)
{
    return escapeFlag && quote != QChar(kBackslash) && separator != QChar(kBackslash);
}

bool IsCommentLine(QStringView line, QChar comment)
{
    return !comment.isNull() && line.startsWith(comment);
}

QChar CharFromPiece(const QString &piece)
{
    return piece.isEmpty() || piece == QLatin1String("none") ? QChar() : piece.at(0);
}

bool FlagFromPiece(const QString &piece)
{
    bool ok = false;
    const qlonglong value = piece.toLongLong(&ok, 10);
    return ok && value != 0;
}

QString CharToPiece(QChar c)
{
    return c.isNull() ? QStringLiteral("none") : QString(c);
}

// Reads records from a list of lines, one record per call. All work is a single
// pass: every character is looked at a bounded number of times, however the
// quoting is broken.
class CCsvRecordReader
{
public:
    CCsvRecordReader(const CCmnCsvFormat &format, const QStringList &lines)
        : m_Lines(lines),
          m_Quote(EffectiveQuote(format.QuoteChar(), format.Separator())),
          m_Separator(format.Separator()),
          m_Comment(format.CommentChar()),
          m_EscapeFlag(format.EscapeFlag()),
          m_Backslash(EscapesWithBackslash(format.EscapeFlag(), m_Quote, m_Separator)),
          m_Trim(format.TrimFlag())
    {
    }

    bool AtEnd() const { return m_Line >= m_Lines.size(); }

    // The fields of the record that begins at the current line; the empty list
    // for a comment line. Never empty otherwise: an empty line is one empty field.
    QStringList Next()
    {
        QStringList fields;
        fields.reserve(m_LastFieldCount);
        QStringView line = m_Lines.at(m_Line);
        if (IsCommentLine(line, m_Comment)) {
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
                    line = m_Lines.at(m_Line);
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

private:
    // Where the field starting at pos opens with the quote character, or -1.
    // Trimming lets blanks stand before the quote.
    qsizetype OpeningQuote(QStringView line, qsizetype pos) const
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
    bool ReadEnclosed(qsizetype &lineIndex, qsizetype &pos, QString *value) const
    {
        bool closes = value == nullptr;
        for (;;) {
            const QStringView text = m_Lines.at(lineIndex);
            const qsizetype q = text.indexOf(m_Quote, pos);
            if (q < 0) {
                if (value)
                    *value += text.mid(pos);
                // Once one quote has run to the end of the input unclosed, no later
                // one can close on another line either (every quote after it was
                // paired or escaped), so stop at the line end instead of rescanning
                // the rest.
                if (m_Unclosed || lineIndex + 1 >= m_Lines.size())
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
                while (q - run > pos && text[q - run - 1] == QChar(kBackslash))
                    ++run;
                if (value) {
                    *value += text.mid(pos, q - run - pos);
                    *value += QString(run / 2, QChar(kBackslash));
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
    QString Unescape(QStringView raw) const
    {
        const QChar lead = m_EscapeFlag ? QChar(kBackslash) : m_Quote;
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

    const QStringList m_Lines;
    const QChar m_Quote;
    const QChar m_Separator;
    const QChar m_Comment;
    const bool m_EscapeFlag;
    const bool m_Backslash;
    const bool m_Trim;
    qsizetype m_Line = 0;
    qsizetype m_LastFieldCount = 0;   // rows are mostly alike: a good first guess
    bool m_Unclosed = false;
};

// The separator-split fields of a line, quoting ignored, as the deduction counts them.
QList<QStringView> PlainSplit(QStringView line, QChar separator)
{
    return line.split(separator);
}

bool IsEnclosedBy(QStringView field, QChar c)
{
    return field.size() >= 2 && field.front() == c && field.back() == c;
}

// 1 when the piece begins or ends with the quote (blanks around it aside), as the
// part of an enclosed field that a separator or line break cut off does.
int OpensOrCloses(QStringView piece, QChar quote)
{
    const QStringView trimmed = piece.trimmed();
    if (trimmed.isEmpty())
        return 0;
    return trimmed.front() == quote || trimmed.back() == quote ? 1 : 0;
}

qsizetype CountPairs(QStringView text, QChar first, QChar second)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == first && text[i + 1] == second)
            ++count;
    }
    return count;
}

} // namespace

CCmnCsvFormat::CCmnCsvFormat()
    : m_QuoteChar(),
      m_EscapeFlag(true),
      m_Separator(kTab),
      m_CommentChar(u'#'),
      m_HeaderFlag(true),
      m_TrimFlag(true)
{
}

QString CCmnCsvFormat::ToText() const
{
    QString separator;
    if (m_Separator == QChar(kComma))
        separator = QStringLiteral("comma");
    else if (m_Separator == QChar(kTab))
        separator = QStringLiteral("tab");
    else
        separator = QString(m_Separator);
    const auto flag = [](bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); };
    return QStringList{CharToPiece(m_QuoteChar), flag(m_EscapeFlag), separator,
                       CharToPiece(m_CommentChar), flag(m_HeaderFlag), flag(m_TrimFlag)}
        .join(QChar(kComma));
}

bool CCmnCsvFormat::FromText(const QString &text)
{
    // Only the first six pieces matter; a stored text of any length costs no more.
    QStringList pieces;
    qsizetype start = 0;
    while (pieces.size() < 6) {
        const qsizetype comma = text.indexOf(QChar(kComma), start);
        if (comma < 0) {
            pieces.append(text.mid(start));
            break;
        }
        pieces.append(text.mid(start, comma - start));
        start = comma + 1;
    }
    if (pieces.size() < 6)
        return false;

    m_QuoteChar = CharFromPiece(pieces.at(0));
    m_EscapeFlag = FlagFromPiece(pieces.at(1));
    const QString &separator = pieces.at(2);
    if (separator.isEmpty() || separator == QLatin1String("comma"))
        m_Separator = QChar(kComma);
    else if (separator == QLatin1String("tab"))
        m_Separator = QChar(kTab);
    else
        m_Separator = separator.at(0);
    m_CommentChar = CharFromPiece(pieces.at(3));
    m_HeaderFlag = FlagFromPiece(pieces.at(4));
    m_TrimFlag = FlagFromPiece(pieces.at(5));
    return true;
}

void CCmnCsvFormat::SetCommaSeparated(bool comma)
{
    if (!comma) {
        SetTabSeparated(true);
        return;
    }
    m_QuoteChar = QChar(kDoubleQuote);
    m_Separator = QChar(kComma);
}

void CCmnCsvFormat::SetTabSeparated(bool tab)
{
    if (!tab) {
        SetCommaSeparated(true);
        return;
    }
    m_QuoteChar = QChar();
    m_Separator = QChar(kTab);
}

QStringList CCmnCsvFormat::SplitLine(const QString &line) const
{
    CCsvRecordReader reader(*this, QStringList{line});
    return reader.Next();
}

QList<QStringList> CCmnCsvFormat::ParseRows(const QStringList &lines) const
{
    CCsvRecordReader reader(*this, lines);
    if (m_HeaderFlag) {
        while (!reader.AtEnd() && reader.Next().isEmpty()) {
        }
    }
    QList<QStringList> rows;
    while (!reader.AtEnd()) {
        QStringList fields = reader.Next();
        if (!fields.isEmpty())
            rows.append(std::move(fields));
    }
    return rows;
}

QStringList CCmnCsvFormat::ParseHeader(const QStringList &lines) const
{
    if (!m_HeaderFlag)
        return {};
    CCsvRecordReader reader(*this, lines);
    while (!reader.AtEnd()) {
        QStringList names = reader.Next();
        if (names.isEmpty())
            continue;
        for (QString &name : names)
            name = name.trimmed();
        return names;
    }
    return {};
}

// Without a quote character, a field is still enclosed when written plainly it
// would read back as something else: split at a separator or line break, taken for
// an enclosed field or a comment line, or stripped of its blanks (which trimming
// drops only outside quotes).
bool CCmnCsvFormat::NeedsEnclosing(const QString &field, bool first) const
{
    if (field.isEmpty())
        return false;
    if (field.contains(m_Separator) || field.contains(QChar(u'\n')) || field.contains(QChar(u'\r')))
        return true;
    if (field.contains(QChar(kDoubleQuote)) || field.front() == QChar(kApostrophe)
        || field.back() == QChar(kApostrophe))
        return true;
    if (first && !m_CommentChar.isNull() && field.front() == m_CommentChar)
        return true;
    return m_TrimFlag && (field.front().isSpace() || field.back().isSpace());
}

QString CCmnCsvFormat::JoinFields(const QStringList &fields) const
{
    const QChar quote = EffectiveQuote(m_QuoteChar, m_Separator);
    // Without a quote character, a field that would break the line apart is still
    // enclosed in double quotes, unless those separate.
    const QChar fallback = m_Separator == QChar(kDoubleQuote) ? QChar() : QChar(kDoubleQuote);
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString &field = fields.at(i);
        if (i > 0)
            line += m_Separator;
        QChar enclose = quote;
        if (enclose.isNull() && NeedsEnclosing(field, i == 0)) {
            enclose = fallback;
        }
        if (enclose.isNull()) {
            line += field;
            continue;
        }
        const bool backslash = EscapesWithBackslash(m_EscapeFlag, enclose, m_Separator);
        line += enclose;
        // Backslashes standing before a quote (escaped or closing) are doubled,
        // so that a field may hold a backslash right before one.
        qsizetype run = 0;
        for (const QChar c : field) {
            if (c == enclose) {
                if (backslash) {
                    line += QString(run + 1, QChar(kBackslash));
                } else {
                    line += c;
                }
                run = 0;
            } else {
                run = c == QChar(kBackslash) ? run + 1 : 0;
            }
            line += c;
        }
        if (backslash)
            line += QString(run, QChar(kBackslash));
        line += enclose;
    }
    return line;
}

CCmnCsvFormat &CCmnCsvFormat::Deduce(const QStringList &lines, QChar comment)
{
    m_CommentChar = comment;

    int tabVotes = 0;
    int commaVotes = 0;
    for (const QString &line : lines) {
        if (line.isEmpty() || IsCommentLine(line, comment))
            continue;
        const qsizetype tabs = line.count(QChar(kTab));
        const qsizetype commas = line.count(QChar(kComma));
        if (tabs >= 2 && tabs > commas)
            ++tabVotes;
        else if (commas >= 2 && commas > tabs)
            ++commaVotes;
    }
    m_Separator = tabVotes > commaVotes ? QChar(kTab) : QChar(kComma);

    int apostropheVotes = 0;
    int doubleQuoteVotes = 0;
    for (const QString &line : lines) {
        if (IsCommentLine(line, comment))
            continue;
        const QList<QStringView> fields = PlainSplit(line, m_Separator);
        if (fields.size() < 3)
            continue;
        // An enclosed field that holds a separator or a line break is cut into
        // pieces here: its opening and its closing quote each count.
        int apostrophes = 0;
        int doubleQuotes = 0;
        for (const QStringView field : fields) {
            if (IsEnclosedBy(field, QChar(kApostrophe)))
                apostrophes += 2;
            else if (IsEnclosedBy(field, QChar(kDoubleQuote)))
                doubleQuotes += 2;
            else {
                apostrophes += OpensOrCloses(field, QChar(kApostrophe));
                doubleQuotes += OpensOrCloses(field, QChar(kDoubleQuote));
            }
        }
        if (apostrophes > doubleQuotes)
            ++apostropheVotes;
        else if (doubleQuotes > apostrophes)
            ++doubleQuoteVotes;
    }
    if (apostropheVotes > doubleQuoteVotes)
        m_QuoteChar = QChar(kApostrophe);
    else if (doubleQuoteVotes > apostropheVotes)
        m_QuoteChar = QChar(kDoubleQuote);
    else
        m_QuoteChar = QChar();

    if (!m_QuoteChar.isNull()) {
        qsizetype backslashed = 0;
        qsizetype doubled = 0;
        for (const QString &line : lines) {
            if (IsCommentLine(line, comment))
                continue;
            const QList<QStringView> fields = PlainSplit(line, m_Separator);
            if (fields.size() < 3)
                continue;
            for (const QStringView field : fields) {
                if (field.size() < 3)
                    continue;
                const QStringView inner = field.mid(1, field.size() - 2);
                backslashed += CountPairs(inner, QChar(kBackslash), m_QuoteChar);
                doubled += CountPairs(inner, m_QuoteChar, m_QuoteChar);
            }
        }
        m_EscapeFlag = backslashed >= doubled;
    }

    for (const QString &line : lines) {
        const QStringList fields = SplitLine(line);
        if (fields.isEmpty())
            continue;
        bool anyEmpty = false;
        qsizetype nameLike = 0;
        for (const QString &field : fields) {
            if (field.isEmpty()) {
                anyEmpty = true;
                break;
            }
            if (field.at(0).isLetter() && !field.contains(QChar(u' ')))
                ++nameLike;
        }
        m_HeaderFlag = !anyEmpty && nameLike >= fields.size() / 2;
        break;
    }

    m_TrimFlag = true;
    return *this;
}
