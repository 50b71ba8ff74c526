#include "cmntext.h"

#include <QFontMetrics>

QString CmnLetterCaseName(qint32 mode)
{
    switch (mode) {
    case CmnLetterCaseNone:
        return QStringLiteral("None");
    case CmnLetterCaseUpper:
        return QStringLiteral("Upper Case");
    case CmnLetterCaseLower:
        return QStringLiteral("Lower Case");
    case CmnLetterCaseTitle:
        return QStringLiteral("Title");
    case CmnLetterCaseSentence:
        return QStringLiteral("Sentence");
    default:
        return QStringLiteral("??");
    }
}

QString CmnApplyLetterCase(const QString &text, qint32 mode)
{
    switch (mode) {
    case CmnLetterCaseUpper:
        return text.toUpper();
    case CmnLetterCaseLower:
        return text.toLower();
    case CmnLetterCaseTitle:
        return CmnTitleCase(text);
    case CmnLetterCaseSentence:
        return CmnSentenceCase(text);
    default:
        return text;
    }
}

QStringList CmnApplyLetterCaseToList(const QStringList &list, qint32 mode)
{
    switch (mode) {
    case CmnLetterCaseUpper:
    case CmnLetterCaseLower:
    case CmnLetterCaseTitle: {
        QStringList result;
        result.reserve(list.size());
        for (const QString &item : list)
            result.append(CmnApplyLetterCase(item, mode));
        return result;
    }
    case CmnLetterCaseSentence:
        return CmnSentenceCaseList(list);
    default:
        return list;
    }
}

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

namespace {

// Sentence case of one text; capitalise carries the state into the next text of a list.
QString SentenceCase(const QString &text, bool *capitalise)
{
    QString result = text;
    for (QChar &c : result) {
        if (c.isSpace())
            continue;
        c = *capitalise ? c.toUpper() : c.toLower();
        *capitalise = c == QLatin1Char('.');
    }
    return result;
}

} // namespace

QString CmnSentenceCase(const QString &text)
{
    bool capitalise = true;
    return SentenceCase(text, &capitalise);
}

QStringList CmnSentenceCaseList(const QStringList &list)
{
    bool capitalise = true;
    QStringList result;
    result.reserve(list.size());
    for (const QString &item : list)
        result.append(SentenceCase(item, &capitalise));
    return result;
}

bool CmnEqualNoCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QList<qint32> CmnSplitToInts(const QString &text, const QString &separator)
{
    QList<qint32> result;
    const QStringList pieces = text.split(separator, Qt::KeepEmptyParts);
    for (const QString &piece : pieces) {
        bool ok = false;
        const qint32 value = piece.toInt(&ok, 10);
        if (ok)
            result.append(value);
    }
    return result;
}

QString CmnJoinInts(const QList<qint32> &values, const QString &separator)
{
    QString result;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            result += separator;
        result += QString::number(values.at(i));
    }
    return result;
}

qsizetype CmnIndexOfCharPair(const QString &text, QChar first, QChar second)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == first && text.at(i + 1) == second)
            return i;
    }
    return -1;
}

QString CmnShortSequenceLabel(qint32 number)
{
    // Past 260000 the letter would run beyond "z"; below 1 there is no label.
    if (number < 1 || number > 260000)
        return QString::number(number);
    const qint32 m = number - 1;
    if (number <= 26)
        return QString(QChar(u'a' + m));
    // Each band gives every letter an equal run of numbers with one more digit.
    const auto label = [m](qint32 start, qint32 perLetter, qint32 firstNumber) {
        const qint32 offset = m - start;
        return QChar(u'a' + offset / perLetter) + QString::number(offset % perLetter + firstNumber);
    };
    if (number <= 260)
        return label(26, 9, 1);
    if (number <= 2600)
        return label(260, 90, 10);
    if (number <= 26000)
        return label(2600, 900, 100);
    return label(26000, 9000, 1000);
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

QString CmnLineEndingText(qint32 code)
{
    switch (code) {
    case CmnLineEndingCR:
        return QStringLiteral("\r");
    case CmnLineEndingCRLF:
        return QStringLiteral("\r\n");
    case CmnLineEndingPlatform:
#ifdef Q_OS_WIN
        return QStringLiteral("\r\n");
#else
        return QStringLiteral("\n");
#endif
    default:
        return QStringLiteral("\n");
    }
}

int CmnWidthForChars(const QFontMetrics &metrics, int n)
{
    return metrics.horizontalAdvance(QLatin1Char('x')) * (n + 2);
}

double CmnConvertLength(double value, qint32 fromUnit, qint32 toUnit)
{
    if (fromUnit == toUnit)
        return value;
    double inches = value;
    if (fromUnit == CmnLengthUnitCentimeters)
        inches = value / 2.54;
    else if (fromUnit == CmnLengthUnitMillimeters)
        inches = value / 25.4;
    if (toUnit == CmnLengthUnitCentimeters)
        return inches * 2.54;
    if (toUnit == CmnLengthUnitMillimeters)
        return inches * 25.4;
    return inches;
}

QString CmnLengthUnitName(qint32 unit, qint32 style)
{
    const bool shortName = style == 1;
    switch (unit) {
    case CmnLengthUnitInches:
        return shortName ? QStringLiteral("in") : QStringLiteral("Inches");
    case CmnLengthUnitCentimeters:
        return shortName ? QStringLiteral("cm") : QStringLiteral("Centimeters");
    case CmnLengthUnitMillimeters:
        return shortName ? QStringLiteral("mm") : QStringLiteral("Millimeters");
    default:
        return QStringLiteral("??");
    }
}

QString CmnMnemonicSafe(const QString &text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString CmnWithoutMnemonics(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('&'))
                continue;
            ++i;
        }
        shown += text.at(i);
    }
    return shown;
}

QString CmnStripEllipsis(const QString &text)
{
    if (text.endsWith(QLatin1String("...")))
        return text.chopped(3);
    return text;
}

QRect CmnFitRectInto(const QRect &rect, const QRect &bounds)
{
    QRect result = rect;
    if (result.right() > bounds.right())
        result.translate(bounds.right() - result.right(), 0);
    else if (result.left() < bounds.left())
        result.translate(bounds.left() - result.left(), 0);
    if (result.bottom() > bounds.bottom())
        result.translate(0, bounds.bottom() - result.bottom());
    else if (result.top() < bounds.top())
        result.translate(0, bounds.top() - result.top());
    return result;
}
