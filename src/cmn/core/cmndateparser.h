#pragma once

#include <QList>
#include <QString>

class CCmnDate;

// Reads typed dates under one date format such as "[mm/[dd/]]yyyy": the format is
// expanded and taken apart once, for reading many dates under it. An import reads
// a date in every row, and reading the format again for each cost a tenth of the
// import. The rules are those of CCmnDate::Parse, which uses this class.
class CCmnDateParser
{
public:
    explicit CCmnDateParser(const QString &format);

    // The first concrete form of the format that yields a date from the text, read
    // in the calendar named; empty when none does.
    CCmnDate Parse(const QString &text, int calendar) const;
    // Under one concrete (bracket-free) format, taken as it stands.
    static CCmnDate ParseWithFormat(const QString &text, const QString &format, int calendar);

private:
    enum class EField : quint8 { Separator, DayOrMonth, MonthName, Year, Unknown };
    struct Token
    {
        EField m_Field;
        bool m_Day;        // a day rather than a month
        bool m_FullName;   // a full month name rather than an abbreviated one
        QString m_Text;    // a separator's characters
    };
    using Form = QList<Token>;

    static Form Compile(const QString &format);
    static CCmnDate ParseForm(const Form &form, const QString &text, int calendar);

    QList<Form> m_Forms;
};
