#include "cmntext.h"

QString CmnTitleCase(const QString &text)
{
    QString result = text;
    bool inWord = false;
    for (QChar &c : result) {
        if (!inWord) {
            c = c.toUpper();
            inWord = c.isLetterOrNumber();
        } else {
            c = c.toLower();
            inWord = c.isLetterOrNumber() || c == QLatin1Char('\'') || c == QLatin1Char('`');
        }
    }
    return result;
}

QString CmnToHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

namespace {

int HexDigitValue(char16_t code)
{
    if (code >= u'a')
        return code - 87;
    if (code >= u'A')
        return code - 55;
    return code - 48;
}

} // namespace

QByteArray CmnFromHex(const QString &text)
{
    QByteArray result;
    result.reserve(text.size() / 2);
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int high = HexDigitValue(text.at(i).unicode());
        const int low = HexDigitValue(text.at(i + 1).unicode());
        result.append(static_cast<char>(((high << 4) | low) & 0xff));
    }
    return result;
}
