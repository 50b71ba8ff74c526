#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <utility>

// The items of one list that the user tells apart by name, with its current row
// (the selected item) and its tagged row (the one item marked "*"). The owner fills
// it, hands it to the list control and reads it back.
//
// Names are never empty nor repeated and are compared exactly: "Bay" and "bay" are
// two names. A sorted list keeps its items in ascending UTF-16 code-unit order of
// the name, so an upper-case ASCII initial sorts before any lower-case one. The same
// record also carries lists kept in the user's order; FindName and IsNameTaken
// serve those, since they never assume an order.
template <typename T>
class TCmnNamedItemsSortedList
{
public:
    using CItem = std::pair<QString, T>;

    // Row of the name, -1 for an empty name or one not in the list. Case-sensitive
    // lookups search the sorted names by halves.
    qint32 IndexOf(const QString &name, Qt::CaseSensitivity cs = Qt::CaseSensitive) const
    {
        if (name.isEmpty())
            return -1;
        if (cs == Qt::CaseInsensitive)
            return FindName(name, cs);
        const qsizetype row = LowerBound(name);
        if (row < m_Items.size() && m_Items.at(row).first == name)
            return qint32(row);
        return -1;
    }

    // An empty name counts as taken: it can never be given to an item.
    bool ContainsName(const QString &name) const
    {
        return name.isEmpty() || IndexOf(name, Qt::CaseSensitive) >= 0;
    }

    // As IndexOf, for a list in any order.
    qint32 FindName(const QString &name, Qt::CaseSensitivity cs = Qt::CaseSensitive) const
    {
        if (name.isEmpty())
            return -1;
        for (qsizetype row = 0; row < m_Items.size(); ++row) {
            if (m_Items.at(row).first.compare(name, cs) == 0)
                return qint32(row);
        }
        return -1;
    }

    // As ContainsName, for a list in any order.
    bool IsNameTaken(const QString &name) const
    {
        return name.isEmpty() || FindName(name, Qt::CaseSensitive) >= 0;
    }

    QString NameAt(qint32 row) const
    {
        return IsRow(row) ? m_Items.at(row).first : QString();
    }

    bool IsRow(qint32 row) const { return row >= 0 && row < m_Items.size(); }
    // Whether the current row names an item.
    bool HasCurrentRow() const { return IsRow(m_CurrentRow); }

    // The row of the new item; -1 for an empty name or one already present. The
    // current and tagged rows keep pointing at their items.
    qint32 InsertSorted(const QString &name, const T &value)
    {
        if (name.isEmpty() || IndexOf(name, Qt::CaseSensitive) >= 0)
            return -1;
        return InsertRow(qint32(LowerBound(name)), name, value);
    }

    // False for a row that does not exist. The tagged row is cleared when its item goes; the
    // current row stays on the same place, the item that moved up into it, or on the
    // last item when it fell off the end (-1 once the list is empty).
    bool RemoveAt(qint32 row)
    {
        if (row < 0 || row >= m_Items.size())
            return false;
        m_Items.removeAt(row);
        if (m_TaggedRow > row)
            --m_TaggedRow;
        else if (m_TaggedRow == row)
            m_TaggedRow = -1;
        if (m_CurrentRow > row)
            --m_CurrentRow;
        if (m_CurrentRow >= m_Items.size())
            m_CurrentRow = qint32(m_Items.size()) - 1;
        return true;
    }

    // The row where the item stands under its new name, or -1 when refused (no such
    // row, an empty name, a name taken by another item). The unchanged name keeps the
    // row. The item stays current or tagged when it was, and so do the others.
    qint32 ReplaceName(qint32 row, const QString &newName)
    {
        if (!IsRow(row) || newName.isEmpty())
            return -1;
        if (m_Items.at(row).first == newName)
            return row;
        if (ContainsName(newName))
            return -1;
        const bool wasCurrent = m_CurrentRow == row;
        const bool wasTagged = m_TaggedRow == row;
        const T value = m_Items.at(row).second;
        RemoveAt(row);
        const qint32 newRow = InsertSorted(newName, value);
        if (wasCurrent)
            m_CurrentRow = newRow;
        if (wasTagged)
            m_TaggedRow = newRow;
        return newRow;
    }

    // Lists kept in the user's order. The row of the new item, placed before the
    // given row (at the end when the row lies past it); -1 for an empty name or one
    // already present. The current and tagged rows keep pointing at their items.
    qint32 InsertAt(qint32 row, const QString &name, const T &value)
    {
        if (IsNameTaken(name))
            return -1;
        return InsertRow(std::clamp(row, qint32(0), qint32(m_Items.size())), name, value);
    }

    // As ReplaceName for a list in the user's order: the item keeps its row.
    qint32 RenameInPlace(qint32 row, const QString &newName)
    {
        if (!IsRow(row) || newName.isEmpty())
            return -1;
        if (m_Items.at(row).first != newName && IsNameTaken(newName))
            return -1;
        m_Items[row].first = newName;
        return row;
    }

    // Exchanges two items; the current and tagged rows follow their items. False
    // when either row does not exist.
    bool SwapRows(qint32 first, qint32 second)
    {
        if (!IsRow(first) || !IsRow(second))
            return false;
        m_Items.swapItemsAt(first, second);
        const auto follow = [first, second](qint32 &row) {
            if (row == first)
                row = second;
            else if (row == second)
                row = first;
        };
        follow(m_CurrentRow);
        follow(m_TaggedRow);
        return true;
    }

    // The value a new item starts from.
    T m_DefaultValue = T();
    // Carried for the owner; the list control neither shows nor changes it.
    QString m_DefaultText = QStringLiteral("Default");
    qint32 m_CurrentRow = -1;
    QList<CItem> m_Items;
    qint32 m_TaggedRow = -1;

private:
    qint32 InsertRow(qint32 row, const QString &name, const T &value)
    {
        m_Items.insert(row, CItem(name, value));
        if (m_TaggedRow >= row)
            ++m_TaggedRow;
        if (m_CurrentRow >= row)
            ++m_CurrentRow;
        return row;
    }

    // The first row whose name is not less than the name.
    qsizetype LowerBound(const QString &name) const
    {
        const auto it = std::lower_bound(
            m_Items.cbegin(), m_Items.cend(), name,
            [](const CItem &item, const QString &key) { return item.first < key; });
        return it - m_Items.cbegin();
    }
};

// The same record under the name the owners of keyed lists use.
template <typename T>
using TCmnNamedItemsSet = TCmnNamedItemsSortedList<T>;
