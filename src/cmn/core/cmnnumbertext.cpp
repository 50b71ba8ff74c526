#include "cmnnumbertext.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

QString CmnIntToString(qint32 value)
{
    return QString::number(value);
}

QString CmnInt64ToString(qint64 value)
{
    return QString::number(value);
}

QString CmnDoubleToString(double value, qint32 decimals)
{
    return QString::number(value, 'f', decimals < 0 ? 3 : decimals);
}

QString CmnPercentToString(double fraction, qint32 decimals)
{
    return QString::number(fraction * 100.0, 'f', decimals < 0 ? 2 : decimals) + QLatin1Char('%');
}

namespace {

// The characters replace the text from `at` on, in one resize.
void WriteLatin1(QString &out, qsizetype at, const char *begin, const char *end)
{
    // Most texts replace one of the same length, which needs no call to resize:
    // data() still makes a shared text the text's own.
    const qsizetype size = at + (end - begin);
    if (out.size() != size)
        out.resize(size);
    char16_t *to = reinterpret_cast<char16_t *>(out.data()) + at;
    for (const char *c = begin; c != end; ++c)
        *to++ = char16_t(static_cast<unsigned char>(*c));
}

// Whether the value lies exactly halfway between two texts of that many decimals.
// std::to_chars rounds such a tie to even and QString::number away from zero; a
// tie is a value whose lowest set bit is worth half the last decimal's unit.
bool IsDecimalTie(double value, int decimals)
{
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    const auto mantissa = static_cast<quint64>(std::ldexp(fraction, 53));
    if (mantissa == 0)
        return false;
    int lowest = exponent - 53;
    for (quint64 m = mantissa; (m & 1) == 0; m >>= 1)
        ++lowest;
    return lowest == -(decimals + 1);
}

// Room for any fixed-point text the fast ways write, and a suffix.
constexpr int kFixedChars = 48;

// Two digits written before `at`, giving where they begin.
char *PutTwoDigits(char *at, unsigned twoDigits)
{
    *--at = char('0' + twoDigits % 10);
    *--at = char('0' + twoDigits / 10);
    return at;
}

// The fixed-point text of a value that, scaled by its decimals, lies below 2^32
// and clearly away from a half: the scaled double is then within 2^-22 of the
// exact product, so its rounding is the exact value's, found without the general
// conversion. Written to the start of `text`, giving its end; null for any
// other value.
char *PlainFixedChars(char *text, double value, int decimals)
{
    static constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    constexpr double kLimit = 4294967296.0;
    constexpr double kMargin = 1.0 / 1024;
    if (decimals >= int(std::size(kScales)))
        return nullptr;
    const double scaled = value * kScales[decimals];
    if (!(scaled < kLimit))
        return nullptr;
    // Below 2^32 and not negative, truncation is the floor, without a call.
    const auto whole = static_cast<quint64>(scaled);
    const double rest = scaled - double(whole);
    if (std::fabs(rest - 0.5) < kMargin)
        return nullptr;
    quint64 digits = whole + (rest > 0.5 ? 1 : 0);
    // Written from the right, two digits a step, then moved to the start.
    char digitsText[32];
    char *const end = digitsText + sizeof digitsText;
    char *begin = end;
    int decimalsLeft = decimals;
    for (; decimalsLeft >= 2; decimalsLeft -= 2) {
        begin = PutTwoDigits(begin, unsigned(digits % 100));
        digits /= 100;
    }
    if (decimalsLeft == 1) {
        *--begin = char('0' + digits % 10);
        digits /= 10;
    }
    if (decimals > 0)
        *--begin = '.';
    for (; digits >= 10; digits /= 100) {
        begin = PutTwoDigits(begin, unsigned(digits % 100));
        if (digits < 100)
            return std::copy(begin, end, text);
    }
    *--begin = char('0' + digits);
    return std::copy(begin, end, text);
}

// The fixed-point text by either fast way, giving its end; null when only the
// general conversion gives the toolkit's text.
char *FixedChars(char *text, double value, int decimals)
{
    // std::to_chars gives the exact digits QString::number gives, several times
    // faster, for the values an export meets; the rest (signs, ties, very large or
    // unusual values) take the general way.
    if (!(value >= 0.0) || std::signbit(value))
        return nullptr;
    if (char *end = PlainFixedChars(text, value, decimals))
        return end;
    if (value < 1e15 && decimals <= 17 && !IsDecimalTie(value, decimals)) {
        const auto result = std::to_chars(text, text + kFixedChars - 1, value, std::chars_format::fixed, decimals);
        if (result.ec == std::errc())
            return result.ptr;
    }
    return nullptr;
}

// CmnDoubleToString's text and the suffix, if any, replace the text from `at` on.
void WriteDouble(QString &out, qsizetype at, double value, qint32 decimals, char suffix)
{
    char text[kFixedChars];
    char *end = FixedChars(text, value, decimals);
    if (!end) {
        out.resize(at);
        out += CmnDoubleToString(value, decimals);
        if (suffix != 0)
            out += QLatin1Char(suffix);
        return;
    }
    if (suffix != 0)
        *end++ = suffix;
    WriteLatin1(out, at, text, end);
}

void WriteInt64(QString &out, qsizetype at, qint64 value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    WriteLatin1(out, at, digits, result.ptr);
}

} // namespace

void CmnAppendInt64(QString &out, qint64 value)
{
    WriteInt64(out, out.size(), value);
}

void CmnAppendDouble(QString &out, double value, qint32 decimals)
{
    WriteDouble(out, out.size(), value, decimals < 0 ? 3 : decimals, 0);
}

void CmnSetInt64Text(QString &out, qint64 value)
{
    WriteInt64(out, 0, value);
}

void CmnSetDoubleText(QString &out, double value, qint32 decimals)
{
    WriteDouble(out, 0, value, decimals < 0 ? 3 : decimals, 0);
}

void CmnSetPercentText(QString &out, double fraction, qint32 decimals)
{
    WriteDouble(out, 0, fraction * 100.0, decimals < 0 ? 2 : decimals, '%');
}

QString CmnIntWithThousands(qint32 value)
{
    return CmnInt64WithThousands(value);
}

QString CmnInt64WithThousands(qint64 value)
{
    QString text = QString::number(value);
    if (value < 1000)
        return text;
    for (qsizetype at = text.size() - 3; at > 0; at -= 3)
        text.insert(at, QLatin1Char(','));
    return text;
}

QString CmnCountText(qint32 count, const QString &singular, const QString &plural)
{
    const QString &word = (count != 1 && !plural.isEmpty()) ? plural : singular;
    return CmnIntWithThousands(count) + QLatin1Char(' ') + word;
}

namespace {

// A value of at most this magnitude counts as zero.
constexpr double kZero = 1e-12;
// The largest binary denominator tried before continued fractions take over.
constexpr double kMaxBinaryDenominator = 134217728.0; // 2^27
constexpr double kMaxTerm = std::numeric_limits<qint32>::max();

struct TFraction
{
    double numerator = 0.0;
    double denominator = 1.0;
};

bool FindBinaryFraction(double e, TFraction *result)
{
    for (double q = 2.0; q <= kMaxBinaryDenominator; q *= 2.0) {
        const double p = std::trunc(e * q + 0.5);
        if (std::fabs(p / q - e) <= kZero) {
            *result = {p, q};
            return true;
        }
    }
    return false;
}

// Continued fractions over the fractional part f of e. The convergents are kept
// within 32 bits: when the next one would leave that range, the last one that fits
// stands (0/1 when none does, the same answer as for a fraction too small to see).
// Expanding a double ends on its own, but a bound on the terms guarantees it even
// for a tolerance that is NaN or zero.
TFraction FindContinuedFraction(double e, double f, double tolerance)
{
    TFraction best;
    double l = 1.0 / f;
    double a = std::floor(l);
    double q = a;
    double previousQ = 1.0;
    for (;;) {
        if (!(q <= kMaxTerm))
            return best;
        const double p = std::floor(q * e + 0.5);
        if (!(p <= kMaxTerm))
            return best;
        best = {p, q};
        if (tolerance > std::fabs(e - p / q))
            return best;
        const double r = l - a;
        if (r <= kZero || r < tolerance)
            return best;
        l = 1.0 / r;
        a = std::floor(l);
        const double nextQ = a * q + previousQ;
        previousQ = q;
        q = nextQ;
    }
}

} // namespace

void CmnApproximateFraction(double value, bool binaryFirst, bool splitWhole, double tolerance,
                            bool *negative, double *wholePart, qint32 *numerator,
                            qint32 *denominator)
{
    bool isNegative = false;
    double w = 0.0;
    TFraction fraction;
    if (std::isfinite(value)) {
        isNegative = value < 0.0;
        const double v = std::fabs(value);
        double e = v;
        if (splitWhole) {
            w = std::trunc(v);
            e = v - w;
        }
        const double f = e - std::floor(e);
        if (f > kZero) {
            if (!(binaryFirst && splitWhole && FindBinaryFraction(e, &fraction)))
                fraction = FindContinuedFraction(e, f, tolerance);
        }
        // A value just below a whole number (2.9999999999999996 from arithmetic)
        // rounds to a fraction of 1; it belongs to the whole part, not "2 + 1/1".
        if (splitWhole && fraction.numerator >= fraction.denominator) {
            w += 1.0;
            fraction = TFraction();
        }
    }
    if (negative)
        *negative = isNegative;
    if (wholePart)
        *wholePart = w;
    if (numerator)
        *numerator = static_cast<qint32>(fraction.numerator);
    if (denominator)
        *denominator = static_cast<qint32>(fraction.denominator);
}

QString CmnMixedFractionText(double value, bool binaryFirst, bool splitWhole, double tolerance)
{
    bool negative = false;
    double whole = 0.0;
    qint32 numerator = 0;
    qint32 denominator = 1;
    CmnApproximateFraction(value, binaryFirst, splitWhole, tolerance, &negative, &whole,
                           &numerator, &denominator);
    QString text;
    // A negative value too small to show as a fraction gives "", not a lone "-".
    if (negative && (whole != 0.0 || numerator != 0))
        text += QLatin1Char('-');
    if (whole != 0.0)
        text += QString::number(whole, 'f', 0);
    if (numerator != 0) {
        if (whole != 0.0)
            text += QLatin1String(" + ");
        text += QString::number(numerator) + QLatin1Char('/') + QString::number(denominator);
    }
    return text;
}

namespace {

// Reads an optional sign and a run of digits from the trimmed text; returns the
// position after them and counts the digits.
qsizetype SkipSignAndDigits(QStringView text, qsizetype *digits)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype start = i;
    while (i < text.size() && text[i].isDigit())
        ++i;
    *digits = i - start;
    return i;
}

} // namespace

bool CmnIsIntegerText(const QString &text)
{
    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype digits = 0;
    const qsizetype end = SkipSignAndDigits(trimmed, &digits);
    return digits > 0 && end == trimmed.size();
}

bool CmnIsDecimalNumberText(const QString &text)
{
    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype digits = 0;
    qsizetype i = SkipSignAndDigits(trimmed, &digits);
    if (i < trimmed.size() && trimmed[i] == u'.') {
        ++i;
        while (i < trimmed.size() && trimmed[i].isDigit()) {
            ++i;
            ++digits;
        }
    }
    return digits > 0 && i == trimmed.size();
}
