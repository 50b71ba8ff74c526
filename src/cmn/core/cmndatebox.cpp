#include "cmndatebox.h"

#include "cmndate.h"
#include "cmndatetext.h"
#include "cmnexchangeflags.h"
#include "cmnframework.h"
#include "cmnsystemsettings.h"

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
    return date.Format(CmnDateBoxFormat(givenFormat), CmnDateCalendarGregorian);
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
