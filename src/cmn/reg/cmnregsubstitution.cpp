#include "cmnregsubstitution.h"

#include "cmnhtmlescape.h"

CCmnRegSubstitution::CCmnRegSubstitution(int forms, const QString &text)
{
    Set(forms, text);
}

void CCmnRegSubstitution::Set(int forms, const QString &text)
{
    if (forms & FormText)
        m_Text = text;
    if (forms & (FormHtml | FormLines)) {
        const QString escaped = CmnHtmlEscape(text);
        if (forms & FormHtml)
            m_Html = escaped;
        if (forms & FormLines)
            m_Lines = QStringList{escaped};
    }
    m_Forms = forms;
}

void CCmnRegSubstitution::SetText(const QString &text)
{
    m_Text = text;
    m_Html = CmnHtmlEscape(text);
    m_Lines = QStringList{m_Html};
    m_Forms |= FormAll;
}

void CCmnRegSubstitution::SetHtml(const QString &html)
{
    m_Html = html;
    m_Lines = QStringList{html};
    m_Forms |= FormHtml | FormLines;
}

CCmnRegSubstitutionNames CmnRegMakeSubstitutionNames(const QString &label, const QString &builtInLabel,
                                                     const QString &qualifier)
{
    const QString suffix = qualifier.isEmpty() ? QString() : QLatin1Char('-') + qualifier;
    CCmnRegSubstitutionNames names;
    if (!label.isEmpty())
        names[0] = label + suffix;
    if (!builtInLabel.isEmpty())
        names[1] = QLatin1Char('#') + builtInLabel + suffix;
    return names;
}

bool CmnRegAddSubstitution(const CCmnRegSubstitutionNames &names, CCmnRegSubstitutionTable &table,
                           const CCmnRegSubstitution &value)
{
    bool added = false;
    for (int i = 0; i < 2; ++i) {
        if (names[i].isEmpty())
            continue;
        table.insert(names[i], value);
        added = true;
    }
    return added;
}

CCmnRegSubstitutionLinesTable CmnRegSubstitutionLines(const CCmnRegSubstitutionTable &table)
{
    CCmnRegSubstitutionLinesTable lines;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        lines.insert(it.key(), (it->m_Forms & CCmnRegSubstitution::FormLines) ? it->m_Lines : QStringList());
    return lines;
}
