#pragma once

#include <QVector>

// One individual's parents by number; 0 means unknown.
struct CBioParents
{
    int sire = 0;
    int dam = 0;

    friend bool operator==(const CBioParents &, const CBioParents &) = default;
};

// A table of parent pairs by individual number, numbers from 1 up to the highest;
// entry 0 always stays (0, 0). The animal register keeps one as its parent index
// by record id, and the ancestry calculations renumber an ancestry into a small one.
class CBioPedigree
{
public:
    CBioPedigree() { Clear(); }

    // One entry (0, 0), highest 0.
    void Clear();
    // Makes individuals up to n exist, new ones without parents. The storage grows
    // in steps of at least 4,000 entries so that adding one at a time rarely
    // reallocates; `extra` asks for more room beyond n.
    void Grow(int n, int extra);
    void ResetIndividual(int n);
    // These two leave a number that does not exist alone.
    void SetParents(int n, int sire, int dam);
    void ClearParents(int n);
    // The new individual's number, highest + 1.
    int AppendIndividual(int sire, int dam);

    int Highest() const { return m_Highest; }
    const QVector<CBioParents> &Entries() const { return m_Entries; }
    // The parents of n, with a number outside the table and a parent beyond the
    // highest (a link that only damaged data holds) read as unknown, so that no
    // walk leaves the table.
    CBioParents ParentsOf(int n) const;

private:
    bool Exists(int n) const { return n >= 1 && n <= m_Highest; }

    QVector<CBioParents> m_Entries;
    int m_Highest = 0;
};
