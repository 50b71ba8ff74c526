#include "biolegacytext.h"

namespace {

// 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString StripEscapes(const QString &text)
{
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), pos);
        if (open < 0) {
            result += text.mid(pos);
            break;
        }
        result += text.mid(pos, open - pos);
        const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
        if (close < 0)
            break;
        pos = close + 1;
    }
    return result;
}

} // namespace

QChar LegacyWindows1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString LegacyTextToString(const QByteArray &legacy, bool strip)
{
    QString text;
    text.reserve(legacy.size());
    for (const char c : legacy) {
        if (c == '\0')
            break;
        text += LegacyWindows1252ToUnicode(static_cast<unsigned char>(c));
    }
    if (strip && text.contains(QLatin1Char('{')))
        return StripEscapes(text);
    return text;
}
