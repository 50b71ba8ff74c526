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

// CmnHtmlEscape's text appended through `out.append(QStringView)`, for writers
// that build long texts cell by cell: the runs between entities go in whole.
template <class TOut>
void CmnAppendHtmlEscaped(TOut &out, QStringView text)
{
    if (!CmnHtmlNeedsEscape(text, false)) {
        out.append(text);
        return;
    }
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
QString CmnHtmlEscapeCString(QByteArrayView text);

// Plain text as one rich-text paragraph, "<p>" escaped text "</p>": a message that
// quotes a name or a path then shows it exactly, even one such as "<b>" that a
// message box would otherwise take for markup.
QString CmnHtmlEscapedParagraph(const QString &text);
