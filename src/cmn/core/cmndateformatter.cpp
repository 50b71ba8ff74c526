#include "cmndateformatter.h"

#include "cmndate.h"
#include "cmndatetext.h"

#include <algorithm>

namespace {

// Deeper nesting than any real format; it bounds the recursion of a damaged one.
constexpr int kMaxGroupNesting = 8;

} // namespace

CCmnDateFormatter::CCmnDateFormatter(QStringView format)
{
    Compile(format, 0);
}

// Letters make field names; any other character outside a group is a separator.
// A group that never closes writes nothing, nor does one nested too deep.
void CCmnDateFormatter::Compile(QStringView format, int nesting)
{
    qsizetype nameStart = 0;
    qsizetype nameSize = 0;
    qsizetype groupStart = 0;
    int depth = 0;
    // Separators run together into one step until a field or group comes between.
    qsizetype openLiteral = -1;
    const auto addField = [&](EStep kind) {
        if (nameSize > 0)
            m_Steps.append({kind, FieldOf(format.mid(nameStart, nameSize)), 0, 0});
        nameSize = 0;
        openLiteral = -1;
    };
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (depth > 0) {
            if (c == QLatin1Char('[')) {
                ++depth;
            } else if (c == QLatin1Char(']') && --depth == 0 && nesting < kMaxGroupNesting) {
                const qsizetype group = m_Steps.size();
                m_Steps.append({EStep::Group, EField::None, 0, 0});
                Compile(format.mid(groupStart, i - groupStart), nesting + 1);
                m_Steps[group].m_Size = m_Steps.size() - group - 1;
            }
        } else if (c.isLetter()) {
            if (nameSize == 0)
                nameStart = i;
            ++nameSize;
        } else if (c == QLatin1Char('[')) {
            addField(EStep::Field);
            depth = 1;
            groupStart = i + 1;
        } else {
            if (nameSize > 0)
                addField(EStep::FieldBeforeText);
            if (openLiteral < 0) {
                openLiteral = m_Steps.size();
                m_Steps.append({EStep::Literal, EField::None, m_Literals.size(), 0});
            }
            m_Literals += c;
            ++m_Steps[openLiteral].m_Size;
        }
    }
    addField(EStep::Field);
}

CCmnDateFormatter::EField CCmnDateFormatter::FieldOf(QStringView name)
{
    if (name == u"d")
        return EField::Day;
    if (name == u"dd")
        return EField::Day2;
    // The other names are a letter repeated in either case; only those ASCII
    // letters lower-case to it.
    const auto is = [name](char16_t lower, qsizetype count) {
        return name.size() == count && std::all_of(name.cbegin(), name.cend(), [lower](QChar c) {
                   return c.unicode() == lower || c.unicode() == lower - (u'a' - u'A');
               });
    };
    if (is(u'm', 1))
        return EField::Month;
    if (is(u'm', 2))
        return EField::Month2;
    if (is(u'm', 3))
        return name == u"mmm" ? EField::MonthAbbreviated : EField::MonthAbbreviatedUpper;
    if (is(u'm', 4))
        return name == u"mmmm" ? EField::MonthFull : EField::MonthFullUpper;
    if (is(u'y', 2))
        return EField::Year2;
    if (is(u'y', 4))
        return EField::Year4;
    return EField::None;
}

QString CCmnDateFormatter::Format(const CCmnDate &date, int calendar) const
{
    QString out;
    if (!date.IsEmpty())
        AppendTo(out, date.Fields(calendar));
    return out;
}

void CCmnDateFormatter::AppendTo(QString &out, const CCmnDateFields &fields) const
{
    Run(out, fields, 0, m_Steps.size(), false);
}

// A group's separators vanish after a leading field that writes nothing, so
// "[mm/[dd/]]yyyy" writes 05/2001 for a month; separators outside groups are
// always written.
void CCmnDateFormatter::Run(QString &out, const CCmnDateFields &fields, qsizetype from, qsizetype to,
                            bool group) const
{
    bool leading = group;
    bool suppress = false;
    for (qsizetype i = from; i < to; ++i) {
        const Step &step = m_Steps.at(i);
        switch (step.m_Kind) {
        case EStep::Literal:
            if (!suppress)
                out += QStringView(m_Literals).mid(step.m_Begin, step.m_Size);
            break;
        case EStep::Field:
            suppress = false;
            AppendField(out, step.m_Field, fields);
            break;
        case EStep::FieldBeforeText: {
            const qsizetype before = out.size();
            AppendField(out, step.m_Field, fields);
            suppress = leading && out.size() == before;
            leading = false;
            break;
        }
        case EStep::Group:
            Run(out, fields, i + 1, i + 1 + step.m_Size, true);
            i += step.m_Size;
            break;
        }
    }
}

// "d" and "dd" only in lower case, "mmm" and "mmmm" in upper case unless written
// in lower case; unknown names and unknown parts write nothing.
void CCmnDateFormatter::AppendField(QString &out, EField field, const CCmnDateFields &fields)
{
    switch (field) {
    case EField::None:
        break;
    case EField::Day:
    case EField::Day2:
        if (fields.m_DayKnown)
            CmnAppendDateNumber(out, fields.m_Day, field == EField::Day2 ? 2 : 1);
        break;
    case EField::Month:
    case EField::Month2:
        if (fields.m_MonthKnown)
            CmnAppendDateNumber(out, fields.m_Month, field == EField::Month2 ? 2 : 1);
        break;
    case EField::MonthAbbreviated:
    case EField::MonthAbbreviatedUpper:
    case EField::MonthFull:
    case EField::MonthFullUpper: {
        if (!fields.m_MonthKnown)
            break;
        const bool full = field == EField::MonthFull || field == EField::MonthFullUpper;
        const QLatin1StringView name = CmnMonthName(fields.m_Calendar, fields.m_Month, full);
        if (field == EField::MonthAbbreviated || field == EField::MonthFull) {
            out += name;
        } else {
            // The names are ASCII.
            for (const char c : name)
                out += QLatin1Char(c >= 'a' && c <= 'z' ? char(c - ('a' - 'A')) : c);
        }
        break;
    }
    case EField::Year2:
    case EField::Year4:
        CmnAppendDateYearText(out, fields.m_Year, field == EField::Year4 ? 4 : 2, fields.m_Dual);
        break;
    }
}
