#pragma once

#include "tcmnnameditemshelperbase.h"

#include <QString>

#include <utility>

class QWidget;

// The add, delete and rename flows of a set of named items that has a base item
// besides them and a current name (a document's themes). The set offers the
// items by name (m_NamedThemes, a hash), the base item (m_BaseTheme), the
// current name (m_CurrentThemeName, empty or unknown: the base item is current)
// and RemoveTheme and RenameTheme, which keep the current name in step.
//
// The base item is listed under a name of its own, which no named item may take:
// two entries of one name could not be told apart, and the base item would be
// out of reach. Only a current named item can be deleted or renamed.
template <typename T, typename TSet>
class TCmnNamedItemsSetHelper : public TCmnNamedItemsHelperBase<T>
{
public:
    using CValidator = TCmnNamedItemsValidator<T>;

    // The name under which the base item is listed.
    const QString &BaseItemName() const { return m_BaseItemName; }
    void SetBaseItemName(const QString &name) { m_BaseItemName = name; }

    // Adds a copy of the base item (whichever item is current) under a name the
    // user gives, and makes it current; the name, empty when nothing was added.
    QString AddNew(TSet &set, QWidget *parent)
    {
        T value = set.m_BaseTheme;
        const QString name = this->AskForNewName(value, Duplicates(set, QString()), parent);
        if (name.isEmpty() || name == m_BaseItemName || set.m_NamedThemes.contains(name))
            return QString();
        set.m_NamedThemes.insert(name, value);
        set.m_CurrentThemeName = name;
        return name;
    }

    // Removes the current named item once the user confirms; the base item becomes
    // current. The removed name, empty when nothing was removed.
    QString DeleteCurrent(TSet &set, QWidget *parent)
    {
        const QString name = CurrentNamedItem(set);
        if (name.isEmpty() || !this->ConfirmDelete(name, parent))
            return QString();
        return set.RemoveTheme(name) ? name : QString();
    }

    // Gives the current named item the name the user chooses; (old name, new
    // name), both empty when the name did not change.
    std::pair<QString, QString> RenameCurrent(TSet &set, QWidget *parent)
    {
        const QString name = CurrentNamedItem(set);
        if (name.isEmpty())
            return {};
        const QString newName = this->PromptRename(Duplicates(set, name), parent);
        if (newName.isEmpty() || newName == m_BaseItemName || !set.RenameTheme(name, newName))
            return {};
        return {name, newName};
    }

    // The names in use: the named items' and the base item's.
    CValidator Duplicates(const TSet &set, const QString &oldName) const
    {
        CValidator validator(this, &set.m_NamedThemes, oldName);
        validator.AddTakenName(m_BaseItemName);
        return validator;
    }

    // The current name when it names an item of the set, else empty.
    static QString CurrentNamedItem(const TSet &set)
    {
        return set.m_NamedThemes.contains(set.m_CurrentThemeName) ? set.m_CurrentThemeName : QString();
    }

private:
    QString m_BaseItemName;
};
