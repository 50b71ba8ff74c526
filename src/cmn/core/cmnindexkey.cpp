#include "cmnindexkey.h"

#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace {

struct TFoldRow
{
    char16_t code;
    char text[3];
};

// Accented and related Latin letters and their plain spellings. Most rows are the
// base letter of the character's full canonical decomposition (so U+01D8 gives "u",
// not the "ü" of a single decomposition step); the others, letters with no
// decomposition such as "ß" or "Ø", are spelled out by hand. The rows stay fixed even
// where one looks odd ("iJ" for U+0133): a changed row would file names under new keys.
constexpr TFoldRow kFoldRows[] = {
    {0x00C0, "A"}, {0x00C1, "A"}, {0x00C2, "A"}, {0x00C3, "A"}, {0x00C4, "A"}, {0x00C5, "A"},
    {0x00C6, "AE"}, {0x00C7, "C"}, {0x00C8, "E"}, {0x00C9, "E"}, {0x00CA, "E"}, {0x00CB, "E"},
    {0x00CC, "I"}, {0x00CD, "I"}, {0x00CE, "I"}, {0x00CF, "I"}, {0x00D0, "D"}, {0x00D1, "N"},
    {0x00D2, "O"}, {0x00D3, "O"}, {0x00D4, "O"}, {0x00D5, "O"}, {0x00D6, "O"}, {0x00D8, "O"},
    {0x00D9, "U"}, {0x00DA, "U"}, {0x00DB, "U"}, {0x00DC, "U"}, {0x00DD, "Y"}, {0x00DE, "P"},
    {0x00DF, "ss"}, {0x00E0, "a"}, {0x00E1, "a"}, {0x00E2, "a"}, {0x00E3, "a"}, {0x00E4, "a"},
    {0x00E5, "a"}, {0x00E6, "ae"}, {0x00E7, "c"}, {0x00E8, "e"}, {0x00E9, "e"}, {0x00EA, "e"},
    {0x00EB, "e"}, {0x00EC, "i"}, {0x00ED, "i"}, {0x00EE, "i"}, {0x00EF, "i"}, {0x00F0, "d"},
    {0x00F1, "n"}, {0x00F2, "o"}, {0x00F3, "o"}, {0x00F4, "o"}, {0x00F5, "o"}, {0x00F6, "o"},
    {0x00F8, "o"}, {0x00F9, "u"}, {0x00FA, "u"}, {0x00FB, "u"}, {0x00FC, "u"}, {0x00FD, "y"},
    {0x00FE, "p"}, {0x00FF, "y"}, {0x0100, "A"}, {0x0101, "a"}, {0x0102, "A"}, {0x0103, "a"},
    {0x0104, "A"}, {0x0105, "a"}, {0x0106, "C"}, {0x0107, "c"}, {0x0108, "C"}, {0x0109, "c"},
    {0x010A, "C"}, {0x010B, "c"}, {0x010C, "C"}, {0x010D, "c"}, {0x010E, "D"}, {0x010F, "d"},
    {0x0110, "D"}, {0x0111, "d"}, {0x0112, "E"}, {0x0113, "e"}, {0x0114, "E"}, {0x0115, "e"},
    {0x0116, "E"}, {0x0117, "e"}, {0x0118, "E"}, {0x0119, "e"}, {0x011A, "E"}, {0x011B, "e"},
    {0x011C, "G"}, {0x011D, "g"}, {0x011E, "G"}, {0x011F, "g"}, {0x0120, "G"}, {0x0121, "g"},
    {0x0122, "G"}, {0x0123, "g"}, {0x0124, "H"}, {0x0125, "h"}, {0x0126, "H"}, {0x0127, "h"},
    {0x0128, "I"}, {0x0129, "i"}, {0x012A, "I"}, {0x012B, "i"}, {0x012C, "I"}, {0x012D, "i"},
    {0x012E, "I"}, {0x012F, "i"}, {0x0130, "I"}, {0x0131, "i"}, {0x0132, "IJ"}, {0x0133, "iJ"},
    {0x0134, "J"}, {0x0135, "j"}, {0x0136, "K"}, {0x0137, "k"}, {0x0138, "k"}, {0x0139, "L"},
    {0x013A, "l"}, {0x013B, "L"}, {0x013C, "l"}, {0x013D, "L"}, {0x013E, "l"}, {0x013F, "L"},
    {0x0140, "l"}, {0x0141, "L"}, {0x0142, "l"}, {0x0143, "N"}, {0x0144, "n"}, {0x0145, "N"},
    {0x0146, "n"}, {0x0147, "N"}, {0x0148, "n"}, {0x0149, "n"}, {0x014A, "N"}, {0x014B, "n"},
    {0x014C, "O"}, {0x014D, "o"}, {0x014E, "O"}, {0x014F, "o"}, {0x0150, "O"}, {0x0151, "o"},
    {0x0152, "OE"}, {0x0153, "oe"}, {0x0154, "R"}, {0x0155, "r"}, {0x0156, "R"}, {0x0157, "r"},
    {0x0158, "R"}, {0x0159, "r"}, {0x015A, "S"}, {0x015B, "s"}, {0x015C, "S"}, {0x015D, "s"},
    {0x015E, "S"}, {0x015F, "s"}, {0x0160, "S"}, {0x0161, "s"}, {0x0162, "T"}, {0x0163, "t"},
    {0x0164, "T"}, {0x0165, "t"}, {0x0166, "T"}, {0x0167, "t"}, {0x0168, "U"}, {0x0169, "u"},
    {0x016A, "U"}, {0x016B, "u"}, {0x016C, "U"}, {0x016D, "u"}, {0x016E, "U"}, {0x016F, "u"},
    {0x0170, "U"}, {0x0171, "u"}, {0x0172, "U"}, {0x0173, "u"}, {0x0174, "W"}, {0x0175, "w"},
    {0x0176, "Y"}, {0x0177, "y"}, {0x0178, "Y"}, {0x0179, "Z"}, {0x017A, "z"}, {0x017B, "Z"},
    {0x017C, "z"}, {0x017D, "Z"}, {0x017E, "z"}, {0x017F, "s"}, {0x0180, "b"}, {0x0181, "B"},
    {0x0182, "B"}, {0x0183, "b"}, {0x0184, "B"}, {0x0185, "b"}, {0x0186, "O"}, {0x0187, "C"},
    {0x0188, "c"}, {0x0189, "D"}, {0x018A, "D"}, {0x018B, "D"}, {0x018C, "d"}, {0x018D, "o"},
    {0x018E, "E"}, {0x018F, "E"}, {0x0190, "E"}, {0x0191, "F"}, {0x0192, "f"}, {0x0193, "G"},
    {0x0194, "Y"}, {0x0195, "hv"}, {0x0196, "I"}, {0x0197, "I"}, {0x0198, "K"}, {0x0199, "k"},
    {0x019A, "l"}, {0x019B, "a"}, {0x019C, "M"}, {0x019D, "N"}, {0x019E, "n"}, {0x019F, "O"},
    {0x01A0, "O"}, {0x01A1, "o"}, {0x01A2, "OI"}, {0x01A3, "oi"}, {0x01A4, "P"}, {0x01A5, "p"},
    {0x01A6, "R"}, {0x01A7, "S"}, {0x01A8, "s"}, {0x01A9, "E"}, {0x01AA, "E"}, {0x01AB, "t"},
    {0x01AC, "T"}, {0x01AD, "t"}, {0x01AE, "T"}, {0x01AF, "U"}, {0x01B0, "u"}, {0x01B1, "U"},
    {0x01B2, "V"}, {0x01B3, "Y"}, {0x01B4, "y"}, {0x01B5, "Z"}, {0x01B6, "z"}, {0x01B7, "E"},
    {0x01B8, "E"}, {0x01B9, "e"}, {0x01BA, "e"}, {0x01BB, "2"}, {0x01BC, "5"}, {0x01BD, "5"},
    {0x01BF, "p"}, {0x01C4, "DZ"}, {0x01C5, "Dz"}, {0x01C6, "dz"}, {0x01C7, "LJ"}, {0x01C8, "Lj"},
    {0x01C9, "lj"}, {0x01CA, "NJ"}, {0x01CB, "Nj"}, {0x01CC, "nj"}, {0x01CD, "A"}, {0x01CE, "a"},
    {0x01CF, "I"}, {0x01D0, "i"}, {0x01D1, "O"}, {0x01D2, "o"}, {0x01D3, "U"}, {0x01D4, "u"},
    {0x01D5, "U"}, {0x01D6, "u"}, {0x01D7, "U"}, {0x01D8, "u"}, {0x01D9, "U"}, {0x01DA, "u"},
    {0x01DB, "U"}, {0x01DC, "u"}, {0x01DD, "e"}, {0x01DE, "A"}, {0x01DF, "a"}, {0x01E0, "A"},
    {0x01E1, "a"}, {0x01E2, "AE"}, {0x01E3, "ae"}, {0x01E4, "G"}, {0x01E5, "g"}, {0x01E6, "G"},
    {0x01E7, "g"}, {0x01E8, "K"}, {0x01E9, "k"}, {0x01EA, "O"}, {0x01EB, "o"}, {0x01EC, "O"},
    {0x01ED, "o"}, {0x01EE, "E"}, {0x01EF, "e"}, {0x01F0, "j"}, {0x01F1, "DZ"}, {0x01F2, "Dz"},
    {0x01F3, "dz"}, {0x01F4, "G"}, {0x01F5, "g"}, {0x01F6, "Hu"}, {0x01F7, "P"}, {0x01F8, "N"},
    {0x01F9, "n"}, {0x01FA, "A"}, {0x01FB, "a"}, {0x01FC, "AE"}, {0x01FD, "ae"}, {0x01FE, "O"},
    {0x01FF, "o"}, {0x0200, "A"}, {0x0201, "a"}, {0x0202, "A"}, {0x0203, "a"}, {0x0204, "E"},
    {0x0205, "e"}, {0x0206, "E"}, {0x0207, "e"}, {0x0208, "I"}, {0x0209, "i"}, {0x020A, "I"},
    {0x020B, "i"}, {0x020C, "O"}, {0x020D, "o"}, {0x020E, "O"}, {0x020F, "o"}, {0x0210, "R"},
    {0x0211, "r"}, {0x0212, "R"}, {0x0213, "r"}, {0x0214, "U"}, {0x0215, "u"}, {0x0216, "U"},
    {0x0217, "u"}, {0x0218, "S"}, {0x0219, "s"}, {0x021A, "T"}, {0x021B, "t"}, {0x021C, "3"},
    {0x021D, "3"}, {0x021E, "H"}, {0x021F, "h"}, {0x0220, "N"}, {0x0221, "d"}, {0x0222, "OU"},
    {0x0223, "ou"}, {0x0224, "Z"}, {0x0225, "z"}, {0x0226, "A"}, {0x0227, "a"}, {0x0228, "E"},
    {0x0229, "e"}, {0x022A, "O"}, {0x022B, "o"}, {0x022C, "O"}, {0x022D, "o"}, {0x022E, "O"},
    {0x022F, "o"}, {0x0230, "O"}, {0x0231, "o"}, {0x0232, "Y"}, {0x0233, "y"}, {0x0234, "l"},
    {0x0235, "n"}, {0x0236, "t"}, {0x0237, "j"}, {0x0238, "db"}, {0x0239, "qp"}, {0x023A, "A"},
    {0x023B, "C"}, {0x023C, "c"}, {0x023D, "L"}, {0x023E, "T"}, {0x023F, "s"}, {0x0240, "z"},
    {0x0243, "B"}, {0x0244, "U"}, {0x0245, "V"}, {0x0246, "E"}, {0x0247, "e"}, {0x0248, "J"},
    {0x0249, "j"}, {0x024A, "Q"}, {0x024B, "q"}, {0x024C, "R"}, {0x024D, "r"}, {0x024E, "Y"},
    {0x024F, "y"}, {0x1E02, "B"}, {0x1E03, "b"}, {0x1E0A, "D"}, {0x1E0B, "d"}, {0x1E1E, "F"},
    {0x1E1F, "f"}, {0x1E40, "M"}, {0x1E41, "m"}, {0x1E56, "P"}, {0x1E57, "p"}, {0x1E60, "S"},
    {0x1E61, "s"}, {0x1E6A, "T"}, {0x1E6B, "t"}, {0x1E80, "W"}, {0x1E81, "w"}, {0x1E82, "W"},
    {0x1E83, "w"}, {0x1E84, "W"}, {0x1E85, "w"}, {0x1E9B, "s"}, {0x1EF2, "Y"}, {0x1EF3, "y"},
};

// No table row lies below this code, so plain ASCII names skip the lookup.
constexpr char16_t kFirstFoldCode = 0x00C0;
static_assert(std::is_sorted(std::begin(kFoldRows), std::end(kFoldRows),
                             [](const TFoldRow &a, const TFoldRow &b) { return a.code < b.code; }));

// The plain spelling of a code, or nullptr when the table does not fold it.
const char *FoldedSpelling(char16_t code)
{
    const auto row = std::lower_bound(std::begin(kFoldRows), std::end(kFoldRows), code,
                                      [](const TFoldRow &r, char16_t c) { return r.code < c; });
    return row != std::end(kFoldRows) && row->code == code ? row->text : nullptr;
}

// QString::toUpper replaces some lone surrogates by U+FFFD, depending on what stands
// around them (one before the first changed letter survives), so "a" and "A" followed
// by the same lone U+DC00 would get different keys. Upper-casing only the runs
// between lone surrogates leaves those as they are.
QString UpperCaseKeepingLoneSurrogates(const QString &text)
{
    QString result;
    result.reserve(text.size());
    qsizetype runStart = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        result += text.mid(runStart, i - runStart).toUpper();
        result += c;
        runStart = i + 1;
    }
    result += text.mid(runStart).toUpper();
    return result;
}

constexpr char16_t AsciiUpper(char16_t code)
{
    return code >= u'a' && code <= u'z' ? char16_t(code - (u'a' - u'A')) : code;
}

} // namespace

QString CmnPlainAsciiIndexText(const QString &text, int flags)
{
    const bool collapse = flags & CmnIndexCollapseSpace;
    const qsizetype size = text.size();
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    // Checked whole before anything is made, so that another text costs no
    // allocation; the text is in cache for the second pass.
    bool afterSpace = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t code = in[i];
        if (code >= 0x80 || (code >= 0x09 && code <= 0x0D) || (code == u' ' && collapse && afterSpace))
            return QString();
        afterSpace = code == u' ';
    }
    if (size == 0)
        return QString();
    if (flags & CmnIndexKeepCase)
        return text;
    QString key(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(key.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = AsciiUpper(in[i]);
    return key;
}

QString CmnNormaliseIndexText(const QString &text, int flags)
{
    if (QString key = CmnPlainAsciiIndexText(text, flags); !key.isNull())
        return key;
    const bool collapse = flags & CmnIndexCollapseSpace;
    const bool fold = flags & CmnIndexFoldAccents;
    const bool upper = !(flags & CmnIndexKeepCase);

    // One pass into a buffer sized for the worst case (a folded code gives at most
    // two letters), then one text of the exact size: appending to a growing text
    // cost more than the rest of the work. ASCII letters are upper-cased on the way;
    // whatever else is left goes through the full upper-casing at the end.
    QVarLengthArray<char16_t, 256> buffer(text.size() * 2);
    char16_t *out = buffer.data();
    bool afterSpace = false;
    bool beyondAscii = false;
    bool sawSurrogate = false;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (fold && code >= kFirstFoldCode) {
            if (const char *spelling = FoldedSpelling(code)) {
                for (; *spelling; ++spelling)
                    *out++ = upper ? AsciiUpper(char16_t(*spelling)) : char16_t(*spelling);
                afterSpace = false;
                continue;
            }
        }
        if (!c.isSpace()) {
            *out++ = upper ? AsciiUpper(code) : code;
            afterSpace = false;
            beyondAscii = beyondAscii || code >= 0x80;
            sawSurrogate = sawSurrogate || c.isSurrogate();
            continue;
        }
        if (!(collapse && afterSpace))
            *out++ = u' ';
        afterSpace = true;
    }

    QString result(reinterpret_cast<const QChar *>(buffer.constData()), out - buffer.constData());
    if (!upper || !beyondAscii)
        return result;
    return sawSurrogate ? UpperCaseKeepingLoneSurrogates(result) : CmnUpperCaseText(result);
}

QString CmnUpperCaseText(const QString &text)
{
    // Latin-1 changes case by a few fixed rules; anything beyond it needs the
    // toolkit's tables.
    qsizetype sharpS = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 0x100)
            return text.toUpper();
        sharpS += c.unicode() == 0xDF;
    }
    QString result(text.size() + sharpS, Qt::Uninitialized);
    QChar *out = result.data();
    for (const QChar c : text) {
        char16_t code = c.unicode();
        if ((code >= u'a' && code <= u'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7))
            code -= 0x20;
        else if (code == 0xB5) // micro sign
            code = 0x039C;
        else if (code == 0xFF) // y with diaeresis
            code = 0x0178;
        else if (code == 0xDF) { // sharp s
            *out++ = QLatin1Char('S');
            code = u'S';
        }
        *out++ = QChar(code);
    }
    return result;
}
