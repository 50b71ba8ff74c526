#include "bioregrecord.h"

#include "bionamedisplaysettings.h"
#include "bioterminology.h"
#include "cmndate.h"
#include "cmnhtmlescape.h"
#include "cmnregvaluekind.h"
#include "cmnsystemsettings.h"

namespace {

// Joins two texts with one blank, leaving the blank out beside an empty one.
QString JoinedWithBlank(const QString &first, const QString &second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + QLatin1Char(' ') + second;
}

int KnownSex(int sex)
{
    return sex == 1 || sex == 2 ? sex : 0;
}

} // namespace

CBioRegRecord::CBioRegRecord(CCmnReg *reg)
    : CCmnRegRecord(reg)
{
}

CBioRegRecord::CBioRegRecord(const QString &name, CCmnReg *reg)
    : CCmnRegRecord(reg)
    , m_Name(name)
{
}

QString CBioRegRecord::Title() const
{
    return GetValue(kTitleField, CmnRegValueText).toString();
}

QString CBioRegRecord::NameSuffix() const
{
    return GetValue(kNameSuffixField, CmnRegValueText).toString();
}

CCmnDate CBioRegRecord::DateOfBirth() const
{
    return GetValue(kDateOfBirthField, CmnRegValueDate).value<CCmnDate>();
}

CCmnDate CBioRegRecord::DateOfDeath() const
{
    return GetValue(kDateOfDeathField, CmnRegValueDate).value<CCmnDate>();
}

QString CBioRegRecord::DateOfBirthText() const
{
    return DateText(DateOfBirth());
}

QString CBioRegRecord::DateOfDeathText() const
{
    return DateText(DateOfDeath());
}

QString CBioRegRecord::DateText(const CCmnDate &date)
{
    return date.Format(CmnGetSystemSettings()->m_DateInputFormat, CmnDateCalendarGregorian);
}

QString CBioRegRecord::NameWithSuffix(const CBioNameDisplaySettings &settings) const
{
    return settings.m_IncludeSuffix ? JoinedWithBlank(m_Name, NameSuffix()) : m_Name;
}

QString CBioRegRecord::DisplayName(const CBioNameDisplaySettings &settings) const
{
    return JoinedWithBlank(Title(), NameWithSuffix(settings));
}

QString CBioRegRecord::DisplayNameHtml(const CBioNameDisplaySettings &settings) const
{
    if (Title().isEmpty())
        return CmnHtmlEscape(DisplayName(settings));
    return settings.HighlightTitle(DisplayName(settings));
}

QString CBioRegRecord::SexText(int flags) const
{
    return GetBioSexText(KnownSex(m_Sex), flags);
}

QPair<QString, QString> CBioRegRecord::SexTexts() const
{
    const QString text = GetBioSexText(KnownSex(m_Sex), BioTermOneLetter);
    return {text, text};
}
