#pragma once

#include <QString>

#include <span>
#include <vector>

// One record in one index list, under the keys its name gives: the normalised
// key (white space collapsed, upper case, accents folded when the register asks),
// the name upper-cased, and the name as the record holds it.
struct CCmnRegIndexEntry
{
    QString m_Key1;
    QString m_Key2;
    QString m_Key3;
    int m_Id = 0;

    friend bool operator==(const CCmnRegIndexEntry &, const CCmnRegIndexEntry &) = default;
};
// Moved in memory when a list grows, instead of copied element by element.
Q_DECLARE_TYPEINFO(CCmnRegIndexEntry, Q_RELOCATABLE_TYPE);

// The keys of a name (the id left 0). Nothing is trimmed.
CCmnRegIndexEntry CmnRegMakeIndexKeys(QString name, bool foldAccents);

// Index order: the three keys by code units, then the id. The normalised key
// decides; the upper-case key separates names that only normalise alike; the name
// separates letter cases; the id separates identical names.
bool CmnRegIndexEntryLess(const CCmnRegIndexEntry &a, const CCmnRegIndexEntry &b);

// The positions of the entries in index order, the order CmnRegIndexEntryLess
// gives. For a large register: the normalised keys are compared a few code units
// at a time, held beside small handles, so that each text is read from memory a
// few times rather than at every comparison of a plain sort.
std::vector<quint32> CmnRegIndexEntryOrder(std::span<const CCmnRegIndexEntry> entries);
