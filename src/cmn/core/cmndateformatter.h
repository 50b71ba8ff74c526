#pragma once

#include <QList>
#include <QString>

class CCmnDate;
struct CCmnDateFields;

// A date format read once into steps, for writing many dates under it: an export
// writes thousands of distinct dates under one format, and reading the format
// again for each cost more than writing the date. The rules are those of
// CCmnDate::Format, which uses this class.
class CCmnDateFormatter
{
public:
    explicit CCmnDateFormatter(QStringView format);

    // The date in the calendar named; empty for the empty date.
    QString Format(const CCmnDate &date, int calendar) const;
    void AppendTo(QString &out, const CCmnDateFields &fields) const;

private:
    enum class EField : quint8 {
        None, Day, Day2, Month, Month2, MonthAbbreviated, MonthAbbreviatedUpper, MonthFull, MonthFullUpper,
        Year2, Year4
    };
    enum class EStep : quint8 {
        Literal,          // separators, left out after a leading field that wrote nothing
        Field,            // a field before "[" or at the end
        FieldBeforeText,  // a field that a separator follows
        Group,            // an optional group; its steps follow it
    };
    struct Step
    {
        EStep m_Kind;
        EField m_Field;
        qsizetype m_Begin;  // literal: where its text starts in m_Literals
        qsizetype m_Size;   // literal: its length; group: the number of steps it holds
    };

    void Compile(QStringView format, int nesting);
    void Run(QString &out, const CCmnDateFields &fields, qsizetype from, qsizetype to, bool group) const;
    static EField FieldOf(QStringView name);
    static void AppendField(QString &out, EField field, const CCmnDateFields &fields);

    QList<Step> m_Steps;
    QString m_Literals;
};
