#include "cmndatetext.h"

#include <climits>

namespace {

struct MonthRow
{
    const char *abbreviated;
    const char *full;
};

constexpr MonthRow kGregorianNames[] = {
    {"Jan", "January"}, {"Feb", "February"}, {"Mar", "March"}, {"Apr", "April"},
    {"May", "May"}, {"Jun", "June"}, {"Jul", "July"}, {"Aug", "August"},
    {"Sep", "September"}, {"Oct", "October"}, {"Nov", "November"}, {"Dec", "December"}};

constexpr MonthRow kHebrewNames[] = {
    {"Tsh", "Tishri"}, {"Csh", "Cheshvan"}, {"Ksl", "Kislev"}, {"Tvt", "Tevet"},
    {"Shv", "Shevat"}, {"Adr", "Adar"}, {"Ads", "AdarSheni"}, {"Nsn", "Nisan"},
    {"Iyr", "Iyar"}, {"Svn", "Sivan"}, {"Tmz", "Tammuz"}, {"Aav", "Av"}, {"Ell", "Elul"}};

constexpr MonthRow kFrenchNames[] = {
    {"Vend", "Vendemiaire"}, {"Brum", "Brumaire"}, {"Frim", "Frimaire"}, {"Nivo", "Nivose"},
    {"Pluv", "Pluviose"}, {"Vent", "Ventose"}, {"Germ", "Germinal"}, {"Flor", "Floreal"},
    {"Prai", "Prairial"}, {"Mess", "Messidor"}, {"Ther", "Thermindor"}, {"Fruc", "Fructidor"},
    {"Comp", "Jour Complementairs"}};

constexpr MonthRow kGregorianKeys[] = {
    {"JAN", "JANUARY"}, {"FEB", "FEBRUARY"}, {"MAR", "MARCH"}, {"APR", "APRIL"},
    {"MAY", "MAY"}, {"JUN", "JUNE"}, {"JUL", "JULY"}, {"AUG", "AUGUST"},
    {"SEP", "SEPTEMBER"}, {"OCT", "OCTOBER"}, {"NOV", "NOVEMBER"}, {"DEC", "DECEMBER"}};

constexpr MonthRow kHebrewKeys[] = {
    {"TSH", "TISHRI"}, {"CSH", "CHESHVAN"}, {"KSL", "KISLEV"}, {"TVT", "TEVET"},
    {"SHV", "SHEVAT"}, {"ADR", "ADAR"}, {"ADS", "ADARSHENI"}, {"NSN", "NISAN"},
    {"IYR", "IYAR"}, {"SVN", "SIVAN"}, {"TMZ", "TAMMUZ"}, {"AAV", "AV"}, {"ELL", "ELUL"}};

constexpr MonthRow kFrenchKeys[] = {
    {"VEND", "VENDEMIAIRE"}, {"BRUM", "BRUMAIRE"}, {"FRIM", "FRIMAIRE"}, {"NIVO", "NIVOSE"},
    {"PLUV", "PLUVIOSE"}, {"VENT", "VENTOSE"}, {"GERM", "GERMINAL"}, {"FLOR", "FLOREAL"},
    {"PRAI", "PRAIRIAL"}, {"MESS", "MESSIDOR"}, {"THER", "THERMINDOR"}, {"FRUC", "FRUCTIDOR"},
    {"COMP", "JOURCOMPLEMENTAIRS"}};

template <int N>
int FindKey(const MonthRow (&keys)[N], const QString &text, bool full)
{
    for (int i = 0; i < N; ++i) {
        if (text == QLatin1String(full ? keys[i].full : keys[i].abbreviated))
            return i + 1;
    }
    return 0;
}

template <int N>
int FindPrefix(const MonthRow (&keys)[N], const QString &text, int length)
{
    if (text.size() < length)
        return 0;
    return FindKey(keys, text.left(length), false);
}

constexpr int kMaxGroups = 8;

void ExpandInto(const QString &format, QStringList &forms)
{
    const qsizetype open = format.indexOf(QLatin1Char('['));
    if (open < 0) {
        forms << format;
        return;
    }
    QString inner;
    qsizetype close = -1;
    int depth = 1;
    for (qsizetype i = open + 1; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char(']') && depth == 1) {
            close = i;
            break;
        }
        if (c == QLatin1Char('['))
            ++depth;
        else if (c == QLatin1Char(']'))
            --depth;
        inner += c;
    }
    const QString before = format.left(open);
    const QString after = close >= 0 ? format.mid(close + 1) : QString();
    ExpandInto(before + inner + after, forms);
    ExpandInto(before + after, forms);
}

// The digits of a year word up to the first character that is not one; false when the
// value grows past any year a date can hold, so that no digit string can overflow.
bool ReadYearDigits(const QString &word, qsizetype &pos, int &value)
{
    value = 0;
    while (pos < word.size() && word.at(pos).isDigit()) {
        value = value * 10 + word.at(pos).digitValue();
        if (value > 9999999)
            return false;
        ++pos;
    }
    return true;
}

int ApplyBc(const QString &word, qsizetype pos, int value)
{
    if (pos == word.size())
        return value;
    const QStringView rest = QStringView(word).mid(pos);
    if (rest == u"B.C." || rest == u"BC" || rest == u"B.C")
        return -value;
    return 0;
}

} // namespace

CCmnMonthNames CmnGetMonthNames(int calendar, int month)
{
    if (month == 0)
        return {};
    return {CmnMonthName(calendar, month, false), CmnMonthName(calendar, month, true)};
}

QLatin1StringView CmnMonthName(int calendar, int month, bool full)
{
    if (month == 0)
        return {};
    const MonthRow *rows = kGregorianNames;
    int count = 12;
    if (calendar == 3) {
        rows = kHebrewNames;
        count = 13;
    } else if (calendar == 4) {
        rows = kFrenchNames;
        count = 13;
    }
    if (month < 1 || month > count)
        return QLatin1StringView("?");
    return QLatin1StringView(full ? rows[month - 1].full : rows[month - 1].abbreviated);
}

int CmnGregorianMonthFromName(const QString &text, bool wholeWord, bool full)
{
    if (text.isEmpty() || !text.at(0).isLetter())
        return 0;
    return wholeWord ? FindKey(kGregorianKeys, text, full) : FindPrefix(kGregorianKeys, text, 3);
}

int CmnFrenchRepublicanMonthFromName(const QString &text, bool wholeWord, bool full)
{
    return wholeWord ? FindKey(kFrenchKeys, text, full) : FindPrefix(kFrenchKeys, text, 4);
}

int CmnHebrewMonthFromName(const QString &text, bool full)
{
    return FindKey(kHebrewKeys, text, full);
}

QStringList CmnExpandDateFormat(const QString &format)
{
    QStringList forms;
    if (format.count(QLatin1Char('[')) <= kMaxGroups)
        ExpandInto(format, forms);
    return forms;
}

QString CmnStripDateFormatBrackets(const QString &format)
{
    QString stripped = format;
    stripped.remove(QLatin1Char('['));
    stripped.remove(QLatin1Char(']'));
    return stripped;
}

QString CmnDateYearText(int year, int width, bool dual)
{
    QString text;
    CmnAppendDateYearText(text, year, width, dual);
    return text;
}

void CmnAppendDateYearText(QString &out, int year, int width, bool dual)
{
    // A dual year only has meaning for years of our era; a B.C. year is written plainly.
    if (year < 0) {
        CmnAppendDateYearText(out, year == INT_MIN ? INT_MAX : -year, width, false);
        out += QLatin1StringView("B.C.");
    } else if (dual) {
        CmnAppendDateNumber(out, year - 1, 1);
        out += QLatin1Char('/');
        CmnAppendDateNumber(out, year % 100, 2);
    } else {
        CmnAppendDateNumber(out, width == 4 ? year : year % 100, width == 4 ? 4 : 2);
    }
}

void CmnAppendDateNumber(QString &out, int value, int digits)
{
    if (value < 0) {
        out += QString::number(value);
        return;
    }
    char16_t text[10];
    int size = 0;
    do {
        text[size++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (; size < digits; --digits)
        out += QLatin1Char('0');
    while (size > 0)
        out += QChar(text[--size]);
}

int CmnParseDateDayNumber(const QString &word)
{
    if (word.isEmpty() || word.size() > 2)
        return 0;
    int value = 0;
    for (const QChar c : word) {
        if (!c.isDigit())
            return 0;
        value = value * 10 + c.digitValue();
    }
    return value >= 1 && value <= 31 ? value : 0;
}

int CmnParseDateYear(const QString &word)
{
    qsizetype pos = 0;
    int value = 0;
    if (!ReadYearDigits(word, pos, value))
        return 0;
    return ApplyBc(word, pos, value);
}

int CmnParseGregorianDateYear(const QString &word, bool *dual)
{
    if (dual)
        *dual = false;
    qsizetype pos = 0;
    int value = 0;
    if (!ReadYearDigits(word, pos, value))
        return 0;
    if (pos < word.size() && word.at(pos) == QLatin1Char('/')) {
        // Old Style/New Style: the digits after the slash are the next year's last two.
        const QStringView digits = QStringView(word).mid(pos + 1);
        if (digits.size() != 2 || !digits.at(0).isDigit() || !digits.at(1).isDigit())
            return 0;
        const int next = value + 1;
        if (value < 1 || digits.at(0).digitValue() * 10 + digits.at(1).digitValue() != next % 100)
            return 0;
        if (dual)
            *dual = true;
        return next;
    }
    return ApplyBc(word, pos, value);
}
