#pragma once

#include "tcmnnameditemssortedlist.h"

#include <QListWidget>
#include <QStringList>

// The list the named-item tests share: items valued by their row times ten.
using TOrvTestNamedList = TCmnNamedItemsSortedList<int>;

// A list of the names in the order given, each valued by its row times ten,
// with the given current and tagged rows.
inline TOrvTestNamedList OrvMakeNamedList(const QStringList &names, qint32 current = -1, qint32 tagged = -1)
{
    TOrvTestNamedList list;
    for (qsizetype i = 0; i < names.size(); ++i)
        list.m_Items.append({names.at(i), int(i) * 10});
    list.m_CurrentRow = current;
    list.m_TaggedRow = tagged;
    return list;
}

// The names of any named-item list (user fields too), in its order.
template <typename TValue>
QStringList OrvNamedListNames(const TCmnNamedItemsSortedList<TValue> &list)
{
    QStringList names;
    for (const auto &item : list.m_Items)
        names << item.first;
    return names;
}

// The rows of a list widget as shown.
inline QStringList OrvListWidgetTexts(const QListWidget *list)
{
    QStringList shown;
    for (qint32 row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    return shown;
}
