#include "cmndateparser.h"

#include "cmncalendars.h"
#include "cmndate.h"
#include "cmndateprovider.h"
#include "cmndatetext.h"

namespace {

qsizetype DigitRun(const QString &text, qsizetype pos)
{
    qsizetype end = pos;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    return end - pos;
}

int DigitsValue(const QString &text, qsizetype pos, qsizetype count)
{
    int value = 0;
    for (qsizetype i = pos; i < pos + count; ++i)
        value = value * 10 + text.at(i).digitValue();
    return value;
}

// Two-digit years fall in the century that puts them no later than this year's
// last two digits: with 2024, 24 is 2024 and 25 is 1925. The clock is read only here:
// reading it means a time-zone lookup, too dear for every date an import reads.
int CenturyYear(int twoDigits)
{
    const int currentYear = CmnGetDateProvider().Today().year();
    return twoDigits > currentYear % 100 ? 1900 + twoDigits : 2000 + twoDigits;
}

int MonthFromText(const QString &text, int calendar, bool full)
{
    switch (calendar) {
    case CmnDateCalendarHebrew:
        return CmnHebrewMonthFromName(text, full);
    case CmnDateCalendarFrenchRepublican:
        return CmnFrenchRepublicanMonthFromName(text, true, full);
    default:
        return CmnGregorianMonthFromName(text, true, full);
    }
}

} // namespace

CCmnDateParser::CCmnDateParser(const QString &format)
{
    for (const QString &form : CmnExpandDateFormat(format.toLower()))
        m_Forms.append(Compile(form.trimmed()));
}

CCmnDate CCmnDateParser::Parse(const QString &text, int calendar) const
{
    const QString trimmed = text.trimmed();
    for (const Form &form : m_Forms) {
        const CCmnDate date = ParseForm(form, trimmed, calendar);
        if (!date.IsEmpty())
            return date;
    }
    return CCmnDate();
}

CCmnDate CCmnDateParser::ParseWithFormat(const QString &text, const QString &format, int calendar)
{
    return ParseForm(Compile(format), text, calendar);
}

// Letters and digits make field names; every other run is a separator. A separator
// before a field loses its surrounding white space (a blank one becomes a single
// space), and a run of white space inside a separator counts once.
CCmnDateParser::Form CCmnDateParser::Compile(const QString &format)
{
    QList<QString> texts;
    QList<bool> fields;
    for (const QChar c : format) {
        const bool field = c.isLetterOrNumber();
        if (texts.isEmpty() || fields.last() != field) {
            texts.append(QString());
            fields.append(field);
        }
        QString &text = texts.last();
        if (!field && c.isSpace() && !text.isEmpty() && text.back().isSpace())
            continue;
        text += field ? c.toLower() : c;
    }
    Form form;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        Token token{EField::Separator, false, false, QString()};
        const QString &text = texts.at(i);
        if (!fields.at(i)) {
            const QString trimmed = i + 1 < texts.size() ? text.trimmed() : text;
            token.m_Text = i + 1 < texts.size() && trimmed.isEmpty() ? QStringLiteral(" ") : trimmed;
        } else if (text == QLatin1String("d") || text == QLatin1String("dd") || text == QLatin1String("m")
                   || text == QLatin1String("mm")) {
            token.m_Field = EField::DayOrMonth;
            token.m_Day = text.startsWith(QLatin1Char('d'));
        } else if (text == QLatin1String("mmm") || text == QLatin1String("mmmm")) {
            token.m_Field = EField::MonthName;
            token.m_FullName = text.size() == 4;
        } else if (text == QLatin1String("yy") || text == QLatin1String("yyyy")) {
            token.m_Field = EField::Year;
        } else {
            token.m_Field = EField::Unknown;
        }
        form.append(token);
    }
    return form;
}

CCmnDate CCmnDateParser::ParseForm(const Form &form, const QString &text, int calendar)
{
    if (form.isEmpty())
        return CCmnDate();
    int day = 0;
    int month = 0;
    int year = 0;
    qsizetype pos = 0;
    for (const Token &token : form) {
        if (token.m_Field == EField::Separator) {
            for (const QChar c : token.m_Text) {
                if (pos >= text.size())
                    return CCmnDate();
                if (c.isSpace()) {
                    if (!text.at(pos).isSpace())
                        return CCmnDate();
                    while (pos < text.size() && text.at(pos).isSpace())
                        ++pos;
                } else if (text.at(pos) == c) {
                    ++pos;
                } else {
                    return CCmnDate();
                }
            }
            continue;
        }
        const qsizetype digits = DigitRun(text, pos);
        switch (token.m_Field) {
        case EField::DayOrMonth: {
            if (digits == 0)
                return CCmnDate();
            const qsizetype used = qMin<qsizetype>(digits, 2);
            const int value = DigitsValue(text, pos, used);
            if (value == 0)
                return CCmnDate();
            (token.m_Day ? day : month) = value;
            pos += used;
            break;
        }
        case EField::MonthName: {
            qsizetype end = pos;
            while (end < text.size() && text.at(end).isLetterOrNumber())
                ++end;
            QString word = text.mid(pos, end - pos).toUpper();
            // The French complementary days are written as two words.
            if (calendar == CmnDateCalendarFrenchRepublican && word == QLatin1String("JOUR")) {
                qsizetype next = end;
                while (next < text.size() && text.at(next).isSpace())
                    ++next;
                qsizetype wordEnd = next;
                while (wordEnd < text.size() && text.at(wordEnd).isLetter())
                    ++wordEnd;
                if (next > end && wordEnd > next) {
                    word += text.mid(next, wordEnd - next).toUpper();
                    end = wordEnd;
                }
            }
            const int value = MonthFromText(word, calendar, token.m_FullName);
            if (value == 0)
                return CCmnDate();
            month = value;
            pos = end;
            break;
        }
        case EField::Year:
            // Either width under either name: "00" is a year of the two-digit window
            // like any other, and a year outside that window is written with four
            // digits even where the format asks for two.
            if (digits == 2) {
                year = CenturyYear(DigitsValue(text, pos, 2));
            } else if (digits == 4) {
                year = DigitsValue(text, pos, 4);
                if (year == 0)
                    return CCmnDate();
            } else {
                return CCmnDate();
            }
            pos += digits;
            break;
        default:
            return CCmnDate();
        }
    }
    if (pos != text.size() || year == 0 || (day != 0 && month == 0))
        return CCmnDate();
    CCmnDate date;
    (void)date.SetYmd(calendar, day, month, year);
    return date;
}
