#include "cmnbytewriter.h"

#include <QIODevice>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kBufferSize = 1 << 17;
// The most bytes of UTF-8 for one UTF-16 code unit.
constexpr qsizetype kUtf8PerUnit = 3;

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

bool CCmnByteWriter::Flush()
{
    if (m_Size > 0 && !m_Failed)
        m_Failed = !m_Device || m_Device->write(m_Buffer.data(), m_Size) != m_Size;
    m_Size = 0;
    return !m_Failed;
}
