#pragma once

#include <QString>

// The words on the buttons of a named-items list. They also make up the captions
// and questions of its editing, so an owner that renames a button ("Discard" for
// "Delete") gets matching texts everywhere.
struct CCmnNamedItemsButtonWords
{
    QString m_Tag = QStringLiteral("Tag");
    QString m_Untag = QStringLiteral("Untag");
    QString m_Add = QStringLiteral("Add");
    QString m_Delete = QStringLiteral("Delete");
    QString m_Edit = QStringLiteral("Edit");
    QString m_Rename = QStringLiteral("Rename");
    QString m_Up = QStringLiteral("Up");
    QString m_Down = QStringLiteral("Down");
};

// The words of one list of uniquely named items (the item, its plural, what its
// name is called) from which every caption, prompt, question and error message of
// its editing is composed. An empty item word gives shorter texts built on the name
// word alone.
class CCmnNamedItemsTerminology
{
public:
    // Fills the words and their lower-case forms and copies the button words; the
    // delete warning is left as it is.
    void Set(const QString &itemWord, const QString &plural, const QString &nameWord,
             const CCmnNamedItemsButtonWords &buttonWords = CCmnNamedItemsButtonWords());

    QString AddCaption() const;
    QString DeleteCaption() const;
    QString EditCaption() const;
    QString RenameCaption() const;
    QString NameLabel() const;
    QString GetNameLabel() const { return NameLabel(); }
    // The name label instead when useNameLabel is set.
    QString NewNamePrompt(bool useNameLabel) const;
    QString RenamePrompt(const QString &name) const;
    QString ConfirmQuestion(const QString &name) const;
    QString BaseOnCurrentQuestion(const QString &name) const;
    QString AlreadyExistsMessage(const QString &name) const;
    QString ReservedNameMessage(const QString &name, const QString &explanation) const;

    QString m_ItemWord;
    QString m_ItemWordLower;
    QString m_Plural;
    QString m_PluralLower;
    QString m_NameWord;
    QString m_NameWordLower;
    // Shown with a warning icon as a second question before an item is deleted;
    // empty: no second question.
    QString m_DeleteWarning;
    CCmnNamedItemsButtonWords m_ButtonWords;
};
