#pragma once

#include "cmnnameditemsterminology.h"
#include "cmnvalidator.h"
#include "tcmnnameditemssortedlist.h"

#include <QHash>
#include <QMap>
#include <QStringList>

// Refuses a name that another item already has, with the list's own words. The
// names in use may come from up to three sources, each optional: a set keyed by
// name (ordered or hashed), a sorted list, a list in any order; and names taken
// that no source holds may be added. The item's own old name is always allowed,
// so an unchanged name passes. Names are compared exactly.
template <typename T>
class TCmnNamedItemsValidator : public CCmnValidator
{
public:
    TCmnNamedItemsValidator(const CCmnNamedItemsTerminology *terminology,
                            const QMap<QString, T> *keyedSet,
                            const TCmnNamedItemsSortedList<T> *sortedList,
                            const TCmnNamedItemsSortedList<T> *anyOrderList,
                            const QString &oldName = QString())
        : m_Terminology(terminology)
        , m_KeyedSet(keyedSet)
        , m_SortedList(sortedList)
        , m_AnyOrderList(anyOrderList)
        , m_OldName(oldName)
    {
    }

    // A set kept in a hash, with no lists.
    TCmnNamedItemsValidator(const CCmnNamedItemsTerminology *terminology, const QHash<QString, T> *hashedSet,
                            const QString &oldName = QString())
        : TCmnNamedItemsValidator(terminology, nullptr, nullptr, nullptr, oldName)
    {
        m_HashedSet = hashedSet;
    }

    // A name that is taken although no source holds it (the base item of a set).
    void AddTakenName(const QString &name) { m_TakenNames << name; }

    // Empty for a new item.
    const QString &OldName() const { return m_OldName; }
    const CCmnNamedItemsTerminology *Terminology() const { return m_Terminology; }

    QString Validate(const QVariant &value, QString *note) const override
    {
        Q_UNUSED(note);
        const QString text = value.toString();
        if (text.isEmpty() || text == m_OldName)
            return QString();
        const bool taken = (m_KeyedSet && m_KeyedSet->contains(text))
            || (m_HashedSet && m_HashedSet->contains(text)) || m_TakenNames.contains(text)
            || (m_SortedList && m_SortedList->ContainsName(text))
            || (m_AnyOrderList && m_AnyOrderList->IsNameTaken(text));
        return taken ? m_Terminology->AlreadyExistsMessage(text) : QString();
    }

private:
    const CCmnNamedItemsTerminology *m_Terminology;
    const QMap<QString, T> *m_KeyedSet;
    const QHash<QString, T> *m_HashedSet = nullptr;
    QStringList m_TakenNames;
    const TCmnNamedItemsSortedList<T> *m_SortedList;
    const TCmnNamedItemsSortedList<T> *m_AnyOrderList;
    QString m_OldName;
};
