#include "cmndatebox.h"

#include "cmndate.h"
#include "cmndatetext.h"
#include "cmnexchangeflags.h"
#include "cmnframework.h"
#include "cmnsystemsettings.h"

namespace {

bool IsYearLetter(QChar c)
{
    return c == QLatin1Char('y') || c == QLatin1Char('Y');
}

// The format with each two-letter year field ("yy", not part of a longer run) widened
// to four letters. The box shows dates one at a time, too often to compile a pattern
// for each.
QString WithFourDigitYears(const QString &format)
{
    QString wide;
    wide.reserve(format.size() + 4);
    for (qsizetype i = 0; i < format.size();) {
        qsizetype end = i;
        while (end < format.size() && IsYearLetter(format.at(end)))
            ++end;
        if (end == i) {
            wide += format.at(i++);
        } else {
            wide += end - i == 2 ? QStringView(u"yyyy") : QStringView(format).sliced(i, end - i);
            i = end;
        }
    }
    return wide;
}

} // namespace

QString CmnDateBoxFormat(const QString &givenFormat)
{
    if (!givenFormat.isEmpty())
        return givenFormat;
    if (const CCmnSystemSettings *settings = CmnGetSystemSettings())
        return settings->m_DateInputFormat;
    return CmnDefaultDateInputFormat();
}

QString CmnDateBoxText(const CCmnDate &date, const QString &givenFormat)
{
    const QString format = CmnDateBoxFormat(givenFormat);
    const QString text = date.Format(format, CmnDateCalendarGregorian);
    // Two digits name a year of the window around today only: 1750 would read back
    // as 1950. Such a year is shown with all its digits, so that a window opened and
    // confirmed stores the date it showed.
    if (text.isEmpty() || CCmnDate::Parse(text, format, CmnDateCalendarGregorian) == date)
        return text;
    return date.Format(WithFourDigitYears(format), CmnDateCalendarGregorian);
}

CCmnExchangeVerdict CmnReadDateBox(const QString &text, qint32 flags, const QString &givenFormat,
                                   CCmnDate *value)
{
    const QString format = CmnDateBoxFormat(givenFormat);
    const QString typed = text.trimmed();
    const CCmnDate date = CCmnDate::Parse(typed, format, CmnDateCalendarGregorian);
    if (!date.IsEmpty()) {
        *value = date;
        return CCmnExchangeVerdict::Accept();
    }
    const bool lenient = flags & CmnExchangeNoValidation;
    if (lenient || (typed.isEmpty() && !(flags & CmnExchangeRequired)))
        return CCmnExchangeVerdict::Accept();

    const QString example = CCmnDate::Today().Format(format, CmnDateCalendarGregorian);
    QString note;
    if (givenFormat.isEmpty())
        note = QStringLiteral("NOTE: To change the date input format use %1. The current date format is '%2'")
                   .arg(CmnPreferencesMenuText(), CmnStripDateFormatBrackets(format));
    return CCmnExchangeVerdict::Refuse(
        CmnFillValuePlaceholder(QStringLiteral("Please enter a correctly formatted date, e.g. '%1'"), example),
        CmnFillValuePlaceholder(QStringLiteral("Please enter a correctly formatted date, e.g. '%1', in the '%%1' box"),
                                example),
        note);
}
