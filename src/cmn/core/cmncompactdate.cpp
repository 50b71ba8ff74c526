#include "cmncompactdate.h"

namespace {

// A fixed-width field of ASCII digits; -1 otherwise. Stricter than QString::toInt,
// which would let signs and blanks through ("2024 1 5").
int DigitsAt(const QString &text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

QDate DateOf(int year, int month, int day)
{
    if (year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(year, month, day);
}

} // namespace

QDate CmnParseCompactDate(const QString &text)
{
    if (text.size() == 8)
        return DateOf(DigitsAt(text, 0, 4), DigitsAt(text, 4, 2), DigitsAt(text, 6, 2));
    if (text.size() == 10) {
        const QChar separator = text.at(4);
        if ((separator == QLatin1Char(':') || separator == QLatin1Char('/'))
            && text.at(7) == separator)
            return DateOf(DigitsAt(text, 0, 4), DigitsAt(text, 5, 2), DigitsAt(text, 8, 2));
    }
    return QDate();
}
