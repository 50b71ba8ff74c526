#include "cmnbytewriter.h"

#include <QIODevice>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kBufferSize = 1 << 17;
// The most bytes of UTF-8 for one UTF-16 code unit.
constexpr qsizetype kUtf8PerUnit = 3;
// The most bytes one code unit becomes in XML text: "&quot;".
constexpr qsizetype kLongestXmlUnit = 6;

} // namespace

CCmnByteWriter::CCmnByteWriter(QIODevice *device)
    : m_Device(device)
    , m_Buffer(size_t(kBufferSize))
{
}

char *CCmnByteWriter::ReserveAfterFlush(qsizetype size)
{
    Flush();
    // A piece larger than the buffer (a huge cell text) gets a buffer its size.
    if (qsizetype(m_Buffer.size()) < size)
        m_Buffer.resize(size_t(size));
    return m_Buffer.data();
}

qsizetype CCmnByteWriter::AppendPrintableAsciiWide(QStringView text)
{
    char *const start = Reserve(text.size());
    char *out = start;
    const char16_t *from = text.utf16();
    const char16_t *const end = from + text.size();
#if defined(__SSE2__)
    // Eight characters at a time: each, less a blank, must lie in 0 to 0x5f
    // taken as signed, which leaves out control characters and all above DEL.
    const __m128i blank = _mm_set1_epi16(0x20);
    const __m128i last = _mm_set1_epi16(0x5f);
    for (; end - from >= 8; from += 8, out += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        const __m128i offsets = _mm_sub_epi16(units, blank);
        const __m128i outside = _mm_or_si128(_mm_cmplt_epi16(offsets, _mm_setzero_si128()),
                                             _mm_cmpgt_epi16(offsets, last));
        if (_mm_movemask_epi8(outside) != 0)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(units, units));
    }
#endif
    while (from != end && IsPrintableAscii(*from))
        *out++ = char(*from++);
    Commit(out);
    return out - start;
}

void CCmnByteWriter::AppendUtf8(QStringView text)
{
    char *out = Reserve(text.size() * kUtf8PerUnit);
    // Most texts are ASCII throughout, copied here without the encoder's call.
    const char16_t *from = text.utf16();
    const char16_t *const end = from + text.size();
    while (from != end && *from < 0x80)
        *out++ = char(*from++);
    if (from != end)
        out = m_Encoder.appendToBuffer(out, QStringView(from, end));
    Commit(out);
}

namespace {

#if defined(__SSE2__)
// A mask with a bit for each byte of the eight units that are not plain.
int NotPlainXmlAscii(__m128i units)
{
    const __m128i offsets = _mm_sub_epi16(units, _mm_set1_epi16(0x20));
    // Each unit less a blank must lie in 0 to 0x5e taken as signed: no control
    // characters, nothing from DEL on.
    __m128i outside = _mm_or_si128(_mm_cmplt_epi16(offsets, _mm_setzero_si128()),
                                   _mm_cmpgt_epi16(offsets, _mm_set1_epi16(0x5e)));
    outside = _mm_or_si128(outside, _mm_cmpeq_epi16(units, _mm_set1_epi16(u'<')));
    outside = _mm_or_si128(outside, _mm_cmpeq_epi16(units, _mm_set1_epi16(u'>')));
    outside = _mm_or_si128(outside, _mm_cmpeq_epi16(units, _mm_set1_epi16(u'&')));
    outside = _mm_or_si128(outside, _mm_cmpeq_epi16(units, _mm_set1_epi16(u'"')));
    return _mm_movemask_epi8(outside);
}
#endif

} // namespace

qsizetype CCmnByteWriter::CopyPlainXmlAsciiWide(QStringView text, char *out)
{
    const char16_t *const begin = text.utf16();
    const char16_t *const end = begin + text.size();
    const char16_t *from = begin;
#if defined(__SSE2__)
    if (end - from >= 8) {
        for (; end - from >= 8; from += 8, out += 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
            const int outside = NotPlainXmlAscii(units);
            if (outside != 0) {
                const int plain = __builtin_ctz(unsigned(outside)) / 2;
                _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(units, units));
                return from - begin + plain;
            }
            _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(units, units));
        }
        if (from == end)
            return text.size();
        // The last eight again, overlapping those done: no unit-by-unit tail.
        const qsizetype back = 8 - (end - from);
        from -= back;
        out -= back;
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        const int outside = NotPlainXmlAscii(units);
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(units, units));
        return outside == 0 ? text.size() : from - begin + __builtin_ctz(unsigned(outside)) / 2;
    }
#endif
    for (; from != end && IsPlainXmlAscii(*from); ++from)
        *out++ = char(*from);
    return from - begin;
}

void CCmnByteWriter::AppendXmlText(QStringView text)
{
    char *out = Reserve(text.size());
    const qsizetype plain = CopyPlainXmlAscii(text, out);
    Commit(out + plain);
    const QStringView rest = text.sliced(plain);
    if (rest.isEmpty())
        return;
    if (AppendXmlEscaped(rest))
        return;
    // Units left out can join a pair's halves, so they go before anything is encoded.
    (void)AppendXmlEscaped(XmlCharacters(rest));
}

QString CCmnByteWriter::XmlCharacters(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (IsXmlCharacter(c.unicode()))
            kept += c;
    }
    return kept;
}

bool CCmnByteWriter::AppendXmlEscaped(QStringView text)
{
    // In one pass, without the encoder's call for every run between entities.
    char *out = Reserve(text.size() * kLongestXmlUnit);
    const auto put = [&out](std::string_view bytes) {
        std::memcpy(out, bytes.data(), bytes.size());
        out += bytes.size();
    };
    const char16_t *from = text.utf16();
    const char16_t *const end = from + text.size();
    while (from != end) {
        const char16_t u = *from++;
        if (u < 0x80) {
            switch (u) {
            case u'<':
                put("&lt;");
                break;
            case u'>':
                put("&gt;");
                break;
            case u'&':
                put("&amp;");
                break;
            case u'"':
                put("&quot;");
                break;
            default:
                if (u < 0x20 && !IsXmlCharacter(u))
                    return false;
                *out++ = char(u);
                break;
            }
        } else if (u < 0x800) {
            *out++ = char(0xc0 | (u >> 6));
            *out++ = char(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            if (!IsXmlCharacter(u))
                return false;
            *out++ = char(0xe0 | (u >> 12));
            *out++ = char(0x80 | ((u >> 6) & 0x3f));
            *out++ = char(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && from != end && QChar::isLowSurrogate(*from)) {
            const char32_t code = QChar::surrogateToUcs4(u, *from++);
            *out++ = char(0xf0 | (code >> 18));
            *out++ = char(0x80 | ((code >> 12) & 0x3f));
            *out++ = char(0x80 | ((code >> 6) & 0x3f));
            *out++ = char(0x80 | (code & 0x3f));
        } else {
            // A half without its partner, as the codecs write it: U+FFFD.
            put("\xef\xbf\xbd");
        }
    }
    Commit(out);
    return true;
}

bool CCmnByteWriter::Flush()
{
    if (m_Size > 0 && !m_Failed)
        m_Failed = !m_Device || m_Device->write(m_Buffer.data(), m_Size) != m_Size;
    m_Size = 0;
    return !m_Failed;
}
