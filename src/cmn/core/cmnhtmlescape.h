#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// HTML escaping of plain text for rich-text labels, tool tips and form boxes.

// True when the text holds "<", ">" or "&" or, with lineBreaks set, a line feed.
// A double quote alone needs no escaping.
bool CmnHtmlNeedsEscape(QStringView chars, bool lineBreaks);

// "<", ">", "&" and double quotes become entities; with lineBreaks set each line
// feed becomes "<br/>". Every other character is copied.
QString CmnHtmlEscapeChars(QStringView chars, bool lineBreaks);

// The same for 8-bit text, each other byte read as the Latin-1 character of its code.
QString CmnHtmlEscapeLatin1(QByteArrayView chars, bool lineBreaks);

// The text itself when it holds none of "<", ">" and "&"; otherwise escaped without
// line breaks. So a quote survives unless one of the three is present as well.
QString CmnHtmlEscape(const QString &text);
// The entity HTML text holds the character as: for "<", ">", "&" and the double
// quote; empty for any other character.
inline QStringView CmnHtmlEntity(char16_t c)
{
    switch (c) {
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'&':
        return u"&amp;";
    case u'"':
        return u"&quot;";
    default:
        return {};
    }
}

// Copies the text to `out`, which has room for all of it, up to its first
// character that needs escaping ("<", ">" or "&"), and gives the number of
// characters copied: the check and the copy in one pass.
qsizetype CmnCopyHtmlPlain(QStringView text, char16_t *out);

// The text appended through `out.append(QStringView)` with "<", ">", "&" and
// double quotes as entities, the runs between them whole. Kept out of line, so
// that CmnAppendHtmlEscaped's common case stays small where it is inlined.
template <class TOut>
Q_NEVER_INLINE void CmnAppendHtmlEntities(TOut &out, QStringView text)
{
    const char16_t *from = text.utf16();
    const char16_t *const end = from + text.size();
    for (const char16_t *at = from; at != end; ++at) {
        const QStringView entity = CmnHtmlEntity(*at);
        if (entity.isEmpty())
            continue;
        out.append(QStringView(from, at));
        out.append(entity);
        from = at + 1;
    }
    out.append(QStringView(from, end));
}

// CmnHtmlEscape's text appended through `out.append(QStringView)`, for writers
// that build long texts cell by cell.
template <class TOut>
void CmnAppendHtmlEscaped(TOut &out, QStringView text)
{
    const qsizetype size = text.size();
    if constexpr (requires { out.AppendCopied(size, [](char16_t *) { return qsizetype(0); }); }) {
        // Into a writer that lets it, the check copies as it goes. Nothing is
        // kept of a text that needs escaping: a quote in the part copied needs
        // its entity then.
        const auto copy = [&](char16_t *to) {
            const qsizetype copied = CmnCopyHtmlPlain(text, to);
            return copied == size ? copied : 0;
        };
        if (out.AppendCopied(size, copy) == size)
            return;
    } else if (!CmnHtmlNeedsEscape(text, false)) {
        out.append(text);
        return;
    }
    CmnAppendHtmlEntities(out, text);
}

QString CmnHtmlEscapeCString(QByteArrayView text);

// Plain text as one rich-text paragraph, "<p>" escaped text "</p>": a message that
// quotes a name or a path then shows it exactly, even one such as "<b>" that a
// message box would otherwise take for markup.
QString CmnHtmlEscapedParagraph(const QString &text);
