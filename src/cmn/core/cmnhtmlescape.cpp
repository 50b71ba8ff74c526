#include "cmnhtmlescape.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    if (c == u'\n') {
        if (lineBreaks)
            out += QLatin1String("<br/>");
        return lineBreaks;
    }
    const QStringView entity = CmnHtmlEntity(c);
    out += entity;
    return !entity.isEmpty();
}

#if defined(__SSE2__)
// The bytes of eight characters that need escaping, as a mask; `lineFeed` is
// a line feed where line breaks need it, else "<" again.
int EscapeMask(__m128i units, __m128i lineFeed)
{
    const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, _mm_set1_epi16(u'<')),
                                                    _mm_cmpeq_epi16(units, _mm_set1_epi16(u'>'))),
                                       _mm_or_si128(_mm_cmpeq_epi16(units, _mm_set1_epi16(u'&')),
                                                    _mm_cmpeq_epi16(units, lineFeed)));
    return _mm_movemask_epi8(found);
}
#endif

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
    const char16_t *from = chars.utf16();
    const char16_t *const end = from + chars.size();
#if defined(__SSE2__)
    // Eight characters at a time, for the cells of long exports.
    const __m128i lineFeed = _mm_set1_epi16(lineBreaks ? u'\n' : u'<');
    for (; end - from >= 8; from += 8) {
        if (EscapeMask(_mm_loadu_si128(reinterpret_cast<const __m128i *>(from)), lineFeed) != 0)
            return true;
    }
#endif
    return std::find_if(from, end, [lineBreaks](char16_t c) { return NeedsEscape(c, lineBreaks); }) != end;
}

qsizetype CmnCopyHtmlPlain(QStringView text, char16_t *out)
{
    const qsizetype size = text.size();
    const char16_t *const in = text.utf16();
    qsizetype at = 0;
#if defined(__SSE2__)
    // Stored before they are checked: what lies past the character found is
    // only the caller's spare room.
    const __m128i noLineFeed = _mm_set1_epi16(u'<');
    for (; size - at >= 8; at += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + at));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + at), units);
        const int mask = EscapeMask(units, noLineFeed);
        if (mask != 0)
            return at + std::countr_zero(unsigned(mask)) / 2;
    }
#endif
    for (; at < size && !NeedsEscape(in[at], false); ++at)
        out[at] = in[at];
    return at;
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
