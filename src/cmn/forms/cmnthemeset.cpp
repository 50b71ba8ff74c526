#include "cmnthemeset.h"

CCmnThemeSet::CCmnThemeSet()
    : m_CurrentThemeName(QStringLiteral("Default"))
{
}

const CCmnTheme &CCmnThemeSet::GetCurrentTheme() const
{
    if (!m_CurrentThemeName.isEmpty()) {
        const auto found = m_NamedThemes.constFind(m_CurrentThemeName);
        if (found != m_NamedThemes.constEnd())
            return found.value();
    }
    return m_BaseTheme;
}

CCmnTheme &CCmnThemeSet::GetCurrentTheme()
{
    if (!m_CurrentThemeName.isEmpty()) {
        const auto found = m_NamedThemes.find(m_CurrentThemeName);
        if (found != m_NamedThemes.end())
            return found.value();
    }
    return m_BaseTheme;
}

bool CCmnThemeSet::RemoveTheme(const QString &name)
{
    if (name.isEmpty() || !m_NamedThemes.remove(name))
        return false;
    if (m_CurrentThemeName == name)
        m_CurrentThemeName.clear();
    if (m_SecondText == name)
        m_SecondText.clear();
    return true;
}

bool CCmnThemeSet::RenameTheme(const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || newName.isEmpty() || !m_NamedThemes.contains(oldName))
        return false;
    if (oldName == newName)
        return true;
    if (m_NamedThemes.contains(newName))
        return false;
    m_NamedThemes.insert(newName, m_NamedThemes.take(oldName));
    if (m_CurrentThemeName == oldName)
        m_CurrentThemeName = newName;
    if (m_SecondText == oldName)
        m_SecondText = newName;
    return true;
}

void CCmnThemeSet::SelectTheme(const QString &name)
{
    if (m_NamedThemes.contains(name))
        m_CurrentThemeName = name;
    else
        m_CurrentThemeName.clear();
}

void CCmnThemeSet::StoreCurrentTheme(const CCmnTheme &theme)
{
    // Stored where the forms draw from: a new document's "Default" names no saved
    // theme, and storing nowhere would drop the user's accepted edit.
    GetCurrentTheme() = theme;
}

bool CCmnThemeSet::operator==(const CCmnThemeSet &other) const
{
    if (!m_BaseTheme.IsEqual(other.m_BaseTheme) || m_CurrentThemeName != other.m_CurrentThemeName
        || m_SecondText != other.m_SecondText || m_ThirdText != other.m_ThirdText
        || m_NamedThemes.size() != other.m_NamedThemes.size())
        return false;
    for (auto it = m_NamedThemes.constBegin(); it != m_NamedThemes.constEnd(); ++it) {
        const auto found = other.m_NamedThemes.constFind(it.key());
        if (found == other.m_NamedThemes.constEnd() || !it.value().IsEqual(found.value()))
            return false;
    }
    return true;
}
