#include "cmnhtmlescape.h"

#include <algorithm>

namespace {

// The characters below 64 that need escaping, as bits: exports ask this of every
// character of every cell, and one test rules out letters and most others.
constexpr quint64 kEscapedBits = quint64(1) << u'<' | quint64(1) << u'>' | quint64(1) << u'&';
constexpr quint64 kLineBreakBit = quint64(1) << u'\n';

bool NeedsEscape(char16_t c, bool lineBreaks)
{
    return c < 64 && ((lineBreaks ? kEscapedBits | kLineBreakBit : kEscapedBits) >> c & 1) != 0;
}

// Appends the escaped form of one character; false when the character is copied as it is.
bool AppendEscaped(QString &out, char16_t c, bool lineBreaks)
{
    switch (c) {
    case u'<':
        out += QLatin1String("&lt;");
        return true;
    case u'>':
        out += QLatin1String("&gt;");
        return true;
    case u'&':
        out += QLatin1String("&amp;");
        return true;
    case u'"':
        out += QLatin1String("&quot;");
        return true;
    case u'\n':
        if (!lineBreaks)
            return false;
        out += QLatin1String("<br/>");
        return true;
    default:
        return false;
    }
}

bool NeedsEscapeLatin1(QByteArrayView chars)
{
    for (const char c : chars) {
        if (NeedsEscape(static_cast<unsigned char>(c), false))
            return true;
    }
    return false;
}

} // namespace

bool CmnHtmlNeedsEscape(QStringView chars, bool lineBreaks)
{
    const char16_t *const end = chars.utf16() + chars.size();
    return std::find_if(chars.utf16(), end, [lineBreaks](char16_t c) { return NeedsEscape(c, lineBreaks); }) != end;
}

namespace {

void AppendEscapedChars(QString &out, QStringView chars, bool lineBreaks)
{
    for (const QChar c : chars) {
        if (!AppendEscaped(out, c.unicode(), lineBreaks))
            out += c;
    }
}

} // namespace

QString CmnHtmlEscapeChars(QStringView chars, bool lineBreaks)
{
    QString out;
    out.reserve(chars.size() + chars.size() / 8);
    AppendEscapedChars(out, chars, lineBreaks);
    return out;
}

QString CmnHtmlEscapeLatin1(QByteArrayView chars, bool lineBreaks)
{
    QString out;
    out.reserve(chars.size() + chars.size() / 8);
    for (const char byte : chars) {
        const char16_t c = static_cast<unsigned char>(byte);
        if (!AppendEscaped(out, c, lineBreaks))
            out += QChar(c);
    }
    return out;
}

QString CmnHtmlEscape(const QString &text)
{
    if (!CmnHtmlNeedsEscape(text, false))
        return text;
    return CmnHtmlEscapeChars(text, false);
}

void CmnAppendHtmlEscaped(QString &out, QStringView text)
{
    if (CmnHtmlNeedsEscape(text, false))
        AppendEscapedChars(out, text, false);
    else
        out += text;
}

QString CmnHtmlEscapeCString(QByteArrayView text)
{
    if (!NeedsEscapeLatin1(text))
        return QString::fromLatin1(text);
    return CmnHtmlEscapeLatin1(text, false);
}

QString CmnHtmlEscapedParagraph(const QString &text)
{
    return QStringLiteral("<p>") + CmnHtmlEscapeChars(text, false) + QStringLiteral("</p>");
}
