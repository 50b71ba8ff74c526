#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// How the lines of a delimited text file break into fields: the separator, the
// character that may enclose a field and how it is escaped inside one, the
// comment character, whether the first line names the columns and whether
// blanks around fields are dropped. A plain value, stored as one line of text.
//
// A field that begins with the quote character is enclosed: inside it the
// separator and line breaks are data, and an escaped quote character is one
// quote character. With no quote character, lines split plainly.
class CCmnCsvFormat
{
public:
    CCmnCsvFormat();

    // Six items joined by ",": quote, escape flag, separator, comment, header flag,
    // trim flag; the defaults read "none,1,tab,#,1,1".
    QString ToText() const;
    // False, leaving the format unchanged, when the text has fewer than six items.
    bool FromText(const QString &text);

    // True: double-quote enclosed, comma separated; false: as SetTabSeparated(true).
    void SetCommaSeparated(bool comma);
    // True: no quote character, TAB separated; false: as SetCommaSeparated(true).
    void SetTabSeparated(bool tab);

    // The fields of one line; the empty list for a comment line. An enclosed field
    // that is never closed falls back to plain splitting, its quote kept as text.
    QStringList SplitLine(const QString &line) const;
    // The data rows of the lines, after the header line when there is one. A record
    // whose enclosed field holds a line break spans several lines, joined with LF.
    QList<QStringList> ParseRows(const QStringList &lines) const;
    // The column names (always trimmed), or the empty list without a header.
    QStringList ParseHeader(const QStringList &lines) const;
    // One line of output without a line ending; reads back through SplitLine.
    QString JoinFields(const QStringList &fields) const;
    // One field of such a line appended to it, after the separator unless it is
    // the first.
    void AppendField(QString &line, const QString &field, bool first) const;
    // The same, piece by piece through `out.append(QStringView)`, for writers that
    // encode the pieces as they come instead of gathering the line as text.
    template <class TOut>
    void AppendFieldTo(TOut &out, QStringView field, bool first) const;

    // Sets the comment character, deduces separator, quote character, escape flag
    // and header flag from sample lines, and turns trimming on.
    CCmnCsvFormat &Deduce(const QStringList &lines, QChar comment);

    // The quote character as reading uses it: none when it equals the separator.
    QChar EffectiveQuoteChar() const;
    // True when reading takes backslash + quote for a quote inside a field.
    bool EscapesQuoteWithBackslash() const;

    QChar QuoteChar() const { return m_QuoteChar; }
    void SetQuoteChar(QChar quote) { m_QuoteChar = quote; }
    // True: a quote character inside a field is written as backslash + quote;
    // false: as the quote character doubled.
    bool EscapeFlag() const { return m_EscapeFlag; }
    void SetEscapeFlag(bool escape) { m_EscapeFlag = escape; }
    QChar Separator() const { return m_Separator; }
    void SetSeparator(QChar separator) { m_Separator = separator; }
    QChar CommentChar() const { return m_CommentChar; }
    void SetCommentChar(QChar comment) { m_CommentChar = comment; }
    bool HeaderFlag() const { return m_HeaderFlag; }
    void SetHeaderFlag(bool header) { m_HeaderFlag = header; }
    bool TrimFlag() const { return m_TrimFlag; }
    void SetTrimFlag(bool trim) { m_TrimFlag = trim; }

    friend bool operator==(const CCmnCsvFormat &, const CCmnCsvFormat &) = default;

private:
    bool NeedsEnclosing(QStringView field, bool first) const;
    // The character a field is enclosed in, none when it goes out as it is.
    QChar EnclosingChar(QStringView field, bool first) const
    {
        // A quote character of its own encloses every field, which the usual
        // formats do: known without a look at the field, for every field.
        if (!m_QuoteChar.isNull() && m_QuoteChar != m_Separator)
            return m_QuoteChar;
        return EnclosingCharWithoutQuote(field, first);
    }
    // The same for a format without a quote character of its own.
    QChar EnclosingCharWithoutQuote(QStringView field, bool first) const;
    // Whether a quote inside a field enclosed in that character is escaped with
    // a backslash, else doubled.
    bool EscapesWithBackslashIn(QChar enclose) const;
    template <class TOut>
    static void AppendBackslashes(TOut &out, qsizetype count);
    // Copies the text up to its first `stop` to `out`, which has room for all
    // of it, and gives the number of characters copied.
    static qsizetype CopyUpTo(QStringView text, char16_t stop, char16_t *out);
    // AppendFieldTo piece by piece, quotes inside escaped. Kept out of line, so
    // that the common case stays small where it is inlined.
    template <class TOut>
    Q_NEVER_INLINE void AppendFieldPiecesTo(TOut &out, QStringView field, bool first, QChar enclose,
                                            bool backslash) const;

    QChar m_QuoteChar;       // code 0: none
    bool m_EscapeFlag;
    QChar m_Separator;
    QChar m_CommentChar;     // code 0: none
    bool m_HeaderFlag;
    bool m_TrimFlag;
};

template <class TOut>
void CCmnCsvFormat::AppendBackslashes(TOut &out, qsizetype count)
{
    static constexpr char16_t kBackslash[] = u"\\";
    for (qsizetype i = 0; i < count; ++i)
        out.append(QStringView(kBackslash, 1));
}

inline qsizetype CCmnCsvFormat::CopyUpTo(QStringView text, char16_t stop, char16_t *out)
{
    const qsizetype size = text.size();
    const char16_t *const in = text.utf16();
    qsizetype at = 0;
#if defined(__SSE2__)
    // Eight characters at a time, stored before they are checked: what lies
    // past the stop is only the caller's spare room.
    const __m128i stops = _mm_set1_epi16(static_cast<short>(stop));
    for (; size - at >= 8; at += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + at));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + at), units);
        const int found = _mm_movemask_epi8(_mm_cmpeq_epi16(units, stops));
        if (found != 0)
            return at + std::countr_zero(unsigned(found)) / 2;
    }
#endif
    for (; at < size && in[at] != stop; ++at)
        out[at] = in[at];
    return at;
}

template <class TOut>
void CCmnCsvFormat::AppendFieldTo(TOut &out, QStringView field, bool first) const
{
    const QChar enclose = EnclosingChar(field, first);
    // Asked only of formats that escape at all, most do not.
    const bool backslash = !enclose.isNull() && m_EscapeFlag && EscapesWithBackslashIn(enclose);
    if constexpr (requires { out.AppendCopied(field.size(), [](char16_t *) { return qsizetype(0); }); }) {
        // Into a writer that lets it, an enclosed field with nothing to escape,
        // nearly every field, goes in as one piece with its separator and
        // quotes, searched for the quote as it is copied.
        const auto piece = [&](char16_t *to) -> qsizetype {
            char16_t *at = to;
            if (!first)
                *at++ = m_Separator.unicode();
            *at++ = enclose.unicode();
            const qsizetype copied = CopyUpTo(field, enclose.unicode(), at);
            if (copied < field.size() || (backslash && field.endsWith(u'\\')))
                return 0;
            at += copied;
            *at++ = enclose.unicode();
            return at - to;
        };
        if (!enclose.isNull() && out.AppendCopied(field.size() + 3, piece) != 0)
            return;
    }
    AppendFieldPiecesTo(out, field, first, enclose, backslash);
}

template <class TOut>
void CCmnCsvFormat::AppendFieldPiecesTo(TOut &out, QStringView field, bool first, QChar enclose, bool backslash) const
{
    // The separator and the opening quote in one piece.
    const QChar opening[] = {m_Separator, enclose};
    const qsizetype skipped = first ? 1 : 0;
    if (enclose.isNull()) {
        out.append(QStringView(opening + skipped, 1 - skipped));
        out.append(field);
        return;
    }
    const QStringView quote(&enclose, 1);
    out.append(QStringView(opening + skipped, 2 - skipped));
    // Each quote inside ends a piece, written again after it (doubled), or
    // after as many more backslashes as stand before it and one (escaped), so
    // that a field may hold a backslash right before a quote.
    const char16_t *from = field.utf16();
    const char16_t *const end = from + field.size();
    for (const char16_t *at = std::find(from, end, enclose.unicode()); at != end;
         at = std::find(from, end, enclose.unicode())) {
        out.append(QStringView(from, at));
        if (backslash) {
            const char16_t *run = at;
            while (run != from && run[-1] == u'\\')
                --run;
            AppendBackslashes(out, at - run + 1);
        }
        out.append(quote);
        if (!backslash)
            out.append(quote);
        from = at + 1;
    }
    out.append(QStringView(from, end));
    if (backslash) {
        const char16_t *run = end;
        while (run != from && run[-1] == u'\\')
            --run;
        AppendBackslashes(out, end - run);
    }
    out.append(quote);
}
