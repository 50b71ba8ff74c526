#pragma once

#include "cmnregindexentry.h"

#include <QList>
#include <QVector>

class CCmnRegIndexListModel;

// A register's records sorted by name, kept in step with record changes by the
// register, and shown by any number of list models, which it tells of every
// change row by row. Its keys fold accents or not as its register says; searches
// use the same choice, so a list is never searched another way than it was filled.
class CCmnRegIndexList
{
public:
    CCmnRegIndexList() = default;
    // Detaches its models, which then show nothing.
    ~CCmnRegIndexList();
    CCmnRegIndexList(const CCmnRegIndexList &) = delete;
    CCmnRegIndexList &operator=(const CCmnRegIndexList &) = delete;

    void InsertSorted(const CCmnRegIndexEntry &entry);
    // Removes the entry with the same keys and id; nothing when there is none.
    void Remove(const CCmnRegIndexEntry &entry);
    void Clear();
    // Empties the list (its models reset once) for entries appended in index order
    // (as CmnRegIndexEntryOrder gives it; nothing checks it again). Room is made for `expected` entries, so that a
    // large register is not copied again and again while it is appended.
    void BeginRebuild(bool foldAccents, qsizetype expected = 0);
    void Append(CCmnRegIndexEntry &&entry) { m_Entries.append(std::move(entry)); }
    void EndRebuild();

    int FindRow(const CCmnRegIndexEntry &entry) const;
    // The row a typed text reaches: the first entry at or after the text's
    // letter-case-free keys, when its keys begin with the text's; -1 otherwise.
    int FindPrefixRow(const QString &text) const;
    // Ids of the entries whose normalised key equals the name's, in index order.
    QVector<int> FindByName(const QString &name) const;

    CCmnRegIndexEntry MakeEntry(const QString &name, int id) const;
    bool FoldsAccents() const { return m_FoldAccents; }
    const QList<CCmnRegIndexEntry> &Entries() const { return m_Entries; }

private:
    friend class CCmnRegIndexListModel;
    int LowerBound(const CCmnRegIndexEntry &entry) const;

    QList<CCmnRegIndexEntry> m_Entries;
    QList<CCmnRegIndexListModel *> m_Models;
    bool m_FoldAccents = true;
};

QVector<int> CmnRegIndexListFindByName(const CCmnRegIndexList &list, const QString &name);
