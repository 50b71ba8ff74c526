#include "cmntextencoding.h"

#include "cmntext.h"

#include <QScopedPointer>
#include <QStringList>
#include <QTextCodec>

namespace {

// The deduction decodes the bytes in pieces, so that a large file is never held
// twice over as text.
constexpr qsizetype kDeductionPiece = 64 * 1024;

// Line ends counted over decoded text that arrives in pieces: a CR at the end of
// one piece may pair with an LF at the start of the next.
class CLineEndCounter
{
public:
    void Count(QStringView text)
    {
        for (const QChar c : text) {
            if (m_CrPending) {
                m_CrPending = false;
                if (c == QLatin1Char('\n')) {
                    ++m_Pairs;
                    continue;
                }
                ++m_LoneCr;
            }
            if (c == QLatin1Char('\r'))
                m_CrPending = true;
            else if (c == QLatin1Char('\n'))
                ++m_LoneLf;
        }
    }

    // A CR that ends the text counts nothing.
    QString MajorityName() const
    {
        if (m_Pairs > m_LoneCr && m_Pairs > m_LoneLf)
            return QStringLiteral("CRLF");
        if (m_LoneCr > m_Pairs && m_LoneCr > m_LoneLf)
            return QStringLiteral("CR");
        if (m_LoneLf > m_Pairs && m_LoneLf > m_LoneCr)
            return QStringLiteral("LF");
        return QStringLiteral("LOCALE");
    }

private:
    qint64 m_Pairs = 0;
    qint64 m_LoneCr = 0;
    qint64 m_LoneLf = 0;
    bool m_CrPending = false;
};

} // namespace

QString CCmnTextEncoding::ToText() const
{
    return m_CodecName + QLatin1Char(',') + m_LineEndingName + QLatin1Char(',')
           + (m_ByteOrderMark ? QLatin1Char('1') : QLatin1Char('0'));
}

bool CCmnTextEncoding::FromText(const QString &text)
{
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() != 3)
        return false;
    m_CodecName = items.at(0);
    m_LineEndingName = items.at(1);
    m_ByteOrderMark = items.at(2).toInt() != 0 ? 1 : 0;
    return true;
}

CCmnTextEncoding CmnDeduceTextEncoding(const QByteArray &bytes)
{
    CCmnTextEncoding encoding;
    // UTF-32's little-endian mark begins with UTF-16's, so it is tested first.
    if (bytes.startsWith(QByteArrayLiteral("\xFF\xFE\x00\x00")))
        encoding.m_CodecName = QStringLiteral("UTF-32LE");
    else if (bytes.startsWith("\xFF\xFE"))
        encoding.m_CodecName = QStringLiteral("UTF-16");
    else if (bytes.startsWith(QByteArrayLiteral("\x00\x00\xFE\xFF")))
        encoding.m_CodecName = QStringLiteral("UTF-32BE");
    else if (bytes.startsWith("\xFE\xFF"))
        encoding.m_CodecName = QStringLiteral("UTF-16BE");
    else if (bytes.startsWith("\xEF\xBB\xBF"))
        encoding.m_CodecName = QStringLiteral("UTF-8");
    encoding.m_ByteOrderMark = encoding.m_CodecName != QLatin1String("LOCALE") ? 1 : 0;

    QTextCodec *codec = CmnCodecForName(encoding.m_CodecName);
    if (!codec)
        return encoding;
    QScopedPointer<QTextDecoder> decoder(codec->makeDecoder());
    CLineEndCounter counter;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype size = qMin(kDeductionPiece, bytes.size() - at);
        if (at + size < bytes.size())
            size -= CmnIncompleteTailLength(codec, bytes.constData() + at, size);
        if (size <= 0) // a piece too short to hold one whole character
            size = qMin(kDeductionPiece, bytes.size() - at);
        counter.Count(decoder->toUnicode(bytes.constData() + at, int(size)));
        at += size;
    }
    encoding.m_LineEndingName = counter.MajorityName();
    return encoding;
}

QTextCodec *CmnCodecForName(const QString &name)
{
    // Qt 6 no longer registers a codec under "System".
    if (name == QLatin1String("LOCALE") || name.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0)
        return QTextCodec::codecForLocale();
    if (name == QLatin1String("UTF-16"))
        return QTextCodec::codecForName("UTF-16LE");
    if (name.isEmpty())
        return nullptr;
    return QTextCodec::codecForName(name.toLatin1());
}

QString CmnCheckCodecName(const QString &name)
{
    if (CmnCodecForName(name))
        return QString();
    return QStringLiteral("unknown/invalid codec '%1'").arg(name);
}

QString CmnCodecDisplayName(const QString &name)
{
    if (name == QLatin1String("LOCALE"))
        return QString::fromLatin1(QTextCodec::codecForLocale()->name());
    if (name == QLatin1String("UTF-16"))
        return QStringLiteral("UTF-16LE");
    return name;
}

qint32 CmnLineEndingCode(const QString &name)
{
    const QString upper = name.toUpper();
    if (upper == QLatin1String("CR"))
        return CmnLineEndingCR;
    if (upper == QLatin1String("LF"))
        return CmnLineEndingLF;
    if (upper == QLatin1String("CRLF"))
        return CmnLineEndingCRLF;
    return CmnLineEndingPlatform;
}

qsizetype CmnIncompleteTailLength(const QTextCodec *codec, const char *bytes, qsizetype size)
{
    if (!codec || size <= 0)
        return 0;
    const auto *data = reinterpret_cast<const uchar *>(bytes);
    switch (codec->mibEnum()) {
    case 106: { // UTF-8: a lead byte among the last four with too few continuation bytes after it
        for (qsizetype back = 1; back <= qMin<qsizetype>(4, size); ++back) {
            const uchar byte = data[size - back];
            if ((byte & 0xC0) == 0x80)
                continue;
            const qsizetype needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return back < needed ? back : 0;
        }
        return 0;
    }
    case 1013: // UTF-16BE
    case 1014: // UTF-16LE
    case 1015: { // UTF-16 with a mark
        const qsizetype odd = size % 2;
        if (size - odd < 2)
            return odd;
        const uchar *unit = data + size - odd - 2;
        // The big-endian form unless the codec is the little-endian one; the marked
        // form is read here as little-endian, like the rest of the program writes it.
        const uchar high = codec->mibEnum() == 1013 ? unit[0] : unit[1];
        return (high & 0xFC) == 0xD8 ? odd + 2 : odd;
    }
    case 1017: // UTF-32
    case 1018: // UTF-32BE
    case 1019: // UTF-32LE
        return size % 4;
    default:
        return 0;
    }
}

QByteArray CmnByteOrderMark(const QString &codecName)
{
    if (codecName == QLatin1String("UTF-8"))
        return QByteArrayLiteral("\xEF\xBB\xBF");
    if (codecName == QLatin1String("UTF-16") || codecName == QLatin1String("UTF-16LE"))
        return QByteArrayLiteral("\xFF\xFE");
    if (codecName == QLatin1String("UTF-16BE"))
        return QByteArrayLiteral("\xFE\xFF");
    if (codecName == QLatin1String("UTF-32LE"))
        return QByteArrayLiteral("\xFF\xFE\x00\x00");
    if (codecName == QLatin1String("UTF-32BE"))
        return QByteArrayLiteral("\x00\x00\xFE\xFF");
    return QByteArray();
}
