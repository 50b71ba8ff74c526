#include "cmncsvformat.h"

#include "cmncsvrecordreader.h"

#include <QStringView>

#include <algorithm>

namespace {

constexpr char16_t kTab = 9;
constexpr char16_t kComma = u',';
constexpr char16_t kDoubleQuote = 34;
constexpr char16_t kApostrophe = 39;

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
    return escapeFlag && quote != QChar(kCmnCsvBackslash) && separator != QChar(kCmnCsvBackslash);
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

QChar CCmnCsvFormat::EffectiveQuoteChar() const
{
    return EffectiveQuote(m_QuoteChar, m_Separator);
}

bool CCmnCsvFormat::EscapesQuoteWithBackslash() const
{
    return EscapesWithBackslash(m_EscapeFlag, EffectiveQuoteChar(), m_Separator);
}

QStringList CCmnCsvFormat::SplitLine(const QString &line) const
{
    CCmnCsvRecordReader reader(*this, QStringList{line});
    return reader.Next();
}

QList<QStringList> CCmnCsvFormat::ParseRows(const QStringList &lines) const
{
    CCmnCsvRecordReader reader(*this, lines);
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
    CCmnCsvRecordReader reader(*this, lines);
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
bool CCmnCsvFormat::NeedsEnclosing(QStringView field, bool first) const
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
    qsizetype length = fields.size();
    for (const QString &field : fields)
        length += field.size() + 2;
    QString line;
    line.reserve(length);
    for (qsizetype i = 0; i < fields.size(); ++i)
        AppendField(line, fields.at(i), i == 0);
    return line;
}

void CCmnCsvFormat::AppendField(QString &line, const QString &field, bool first) const
{
    AppendFieldTo(line, field, first);
}

QChar CCmnCsvFormat::EnclosingCharWithoutQuote(QStringView field, bool first) const
{
    // A field that would break the line apart is still enclosed in double
    // quotes, unless those separate.
    if (NeedsEnclosing(field, first))
        return m_Separator == QChar(kDoubleQuote) ? QChar() : QChar(kDoubleQuote);
    return QChar();
}

bool CCmnCsvFormat::EscapesWithBackslashIn(QChar enclose) const
{
    return EscapesWithBackslash(m_EscapeFlag, enclose, m_Separator);
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
                backslashed += CountPairs(inner, QChar(kCmnCsvBackslash), m_QuoteChar);
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
