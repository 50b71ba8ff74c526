#include "cmnnameditemsterminology.h"

// Every text is filled in one arg() call: a name the user typed may hold "%1",
// which chained calls would replace again.

void CCmnNamedItemsTerminology::Set(const QString &itemWord, const QString &plural,
                                    const QString &nameWord,
                                    const CCmnNamedItemsButtonWords &buttonWords)
{
    m_ItemWord = itemWord;
    m_ItemWordLower = itemWord.toLower();
    m_Plural = plural;
    m_PluralLower = plural.toLower();
    m_NameWord = nameWord;
    m_NameWordLower = nameWord.toLower();
    m_ButtonWords = buttonWords;
}

QString CCmnNamedItemsTerminology::AddCaption() const
{
    return QStringLiteral("%1 %2").arg(m_ButtonWords.m_Add,
                                       m_ItemWord.isEmpty() ? m_Plural : m_ItemWord);
}

QString CCmnNamedItemsTerminology::DeleteCaption() const
{
    return QStringLiteral("%1 %2").arg(m_ButtonWords.m_Delete,
                                       m_ItemWord.isEmpty() ? m_NameWord : m_ItemWord);
}

QString CCmnNamedItemsTerminology::EditCaption() const
{
    return QStringLiteral("%1 %2").arg(m_ButtonWords.m_Edit,
                                       m_ItemWord.isEmpty() ? m_NameWord : m_ItemWord);
}

QString CCmnNamedItemsTerminology::RenameCaption() const
{
    return QStringLiteral("%1 %2").arg(m_ButtonWords.m_Rename,
                                       m_ItemWord.isEmpty() ? m_NameWord : m_ItemWord);
}

QString CCmnNamedItemsTerminology::NameLabel() const
{
    if (m_ItemWord.isEmpty())
        return m_NameWordLower + QLatin1Char(':');
    return QStringLiteral("%1 %2:").arg(m_ItemWord, m_NameWordLower);
}

QString CCmnNamedItemsTerminology::NewNamePrompt(bool useNameLabel) const
{
    if (useNameLabel)
        return NameLabel();
    if (m_ItemWord.isEmpty())
        return QStringLiteral("Please enter a new %1:").arg(m_NameWordLower);
    return QStringLiteral("Please choose a %1 for the new %2:").arg(m_NameWordLower,
                                                                    m_ItemWordLower);
}

QString CCmnNamedItemsTerminology::RenamePrompt(const QString &name) const
{
    if (m_ItemWord.isEmpty())
        return QStringLiteral("%1 '%2':").arg(m_ButtonWords.m_Rename, name);
    return QStringLiteral("Please enter the new %1 for the %2 '%3':")
        .arg(m_NameWordLower, m_ItemWordLower, name);
}

QString CCmnNamedItemsTerminology::ConfirmQuestion(const QString &name) const
{
    const QString verb = m_ButtonWords.m_Delete.toLower();
    if (m_ItemWord.isEmpty())
        return QStringLiteral("Are you sure you want to %1 '%2'?").arg(verb, name);
    return QStringLiteral("Are you sure you want to %1 the %2 '%3'?")
        .arg(verb, m_ItemWordLower, name);
}

QString CCmnNamedItemsTerminology::BaseOnCurrentQuestion(const QString &name) const
{
    return QStringLiteral("Do you want to base the new %1 on the current %1 ('%2')?")
        .arg(m_ItemWord, name);
}

QString CCmnNamedItemsTerminology::AlreadyExistsMessage(const QString &name) const
{
    if (m_ItemWord.isEmpty())
        return QStringLiteral("'%1' already exists - please choose a different %2.")
            .arg(name, m_NameWordLower);
    return QStringLiteral("%1 '%2' already exists - please choose a different %3.")
        .arg(m_ItemWord, name, m_NameWordLower);
}

QString CCmnNamedItemsTerminology::ReservedNameMessage(const QString &name,
                                                       const QString &explanation) const
{
    return QStringLiteral("'%1' %2. Please choose a different %3.")
        .arg(name, explanation, m_NameWordLower);
}
