#include "cmnregindexlist.h"

#include "cmnregindexlistmodel.h"

#include <algorithm>

CCmnRegIndexList::~CCmnRegIndexList()
{
    const QList<CCmnRegIndexListModel *> models = m_Models;
    for (CCmnRegIndexListModel *model : models)
        model->ListDestroyed();
}

int CCmnRegIndexList::LowerBound(const CCmnRegIndexEntry &entry) const
{
    return int(std::lower_bound(m_Entries.cbegin(), m_Entries.cend(), entry, CmnRegIndexEntryLess)
               - m_Entries.cbegin());
}

void CCmnRegIndexList::InsertSorted(const CCmnRegIndexEntry &entry)
{
    const int row = LowerBound(entry);
    for (CCmnRegIndexListModel *model : std::as_const(m_Models))
        model->BeginInsert(row, row);
    m_Entries.insert(row, entry);
    for (CCmnRegIndexListModel *model : std::as_const(m_Models))
        model->EndInsert();
}

void CCmnRegIndexList::Remove(const CCmnRegIndexEntry &entry)
{
    const int row = FindRow(entry);
    if (row < 0)
        return;
    for (CCmnRegIndexListModel *model : std::as_const(m_Models))
        model->BeginRemove(row, row);
    m_Entries.removeAt(row);
    for (CCmnRegIndexListModel *model : std::as_const(m_Models))
        model->EndRemove();
}

void CCmnRegIndexList::Clear()
{
    BeginRebuild(m_FoldAccents);
    EndRebuild();
}

void CCmnRegIndexList::BeginRebuild(bool foldAccents, qsizetype expected)
{
    for (CCmnRegIndexListModel *model : std::as_const(m_Models))
        model->BeginReset();
    m_Entries = QList<CCmnRegIndexEntry>();
    m_Entries.reserve(expected);
    m_FoldAccents = foldAccents;
}

void CCmnRegIndexList::EndRebuild()
{
    Q_ASSERT(std::is_sorted(m_Entries.cbegin(), m_Entries.cend(), CmnRegIndexEntryLess));
    for (CCmnRegIndexListModel *model : std::as_const(m_Models))
        model->EndReset();
}

int CCmnRegIndexList::FindRow(const CCmnRegIndexEntry &entry) const
{
    const int row = LowerBound(entry);
    return row < m_Entries.size() && m_Entries.at(row) == entry ? row : -1;
}

int CCmnRegIndexList::FindPrefixRow(const QString &text) const
{
    const CCmnRegIndexEntry typed = MakeEntry(text, -1);
    if (typed.m_Key1.isEmpty())
        return -1;
    // The search ignores the exact name, so that a typed text reaches a name that
    // differs from it only in letter case even when that name sorts before it.
    const auto at = std::lower_bound(m_Entries.cbegin(), m_Entries.cend(), typed,
                                     [](const CCmnRegIndexEntry &entry, const CCmnRegIndexEntry &key) {
                                         if (const int c = entry.m_Key1.compare(key.m_Key1))
                                             return c < 0;
                                         return entry.m_Key2 < key.m_Key2;
                                     });
    if (at == m_Entries.cend() || !at->m_Key1.startsWith(typed.m_Key1)
        || !(typed.m_Key2.isEmpty() || at->m_Key2.startsWith(typed.m_Key2)))
        return -1;
    return int(at - m_Entries.cbegin());
}

QVector<int> CCmnRegIndexList::FindByName(const QString &name) const
{
    const QString key1 = MakeEntry(name, 0).m_Key1;
    const auto range = std::equal_range(m_Entries.cbegin(), m_Entries.cend(), key1,
                                        [](const auto &a, const auto &b) {
                                            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, QString>)
                                                return a < b.m_Key1;
                                            else
                                                return a.m_Key1 < b;
                                        });
    QVector<int> ids;
    for (auto it = range.first; it != range.second; ++it)
        ids.append(it->m_Id);
    return ids;
}

CCmnRegIndexEntry CCmnRegIndexList::MakeEntry(const QString &name, int id) const
{
    CCmnRegIndexEntry entry = CmnRegMakeIndexKeys(name, m_FoldAccents);
    entry.m_Id = id;
    return entry;
}

QVector<int> CmnRegIndexListFindByName(const CCmnRegIndexList &list, const QString &name)
{
    return list.FindByName(name);
}
