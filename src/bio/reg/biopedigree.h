#pragma once

#include <QVector>

class CBioAncestorOccurrences;
class CBioSubPedigree;

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

    // Collects the ancestors of a prospective pairing of sire and dam, the sire and
    // the dam included, up to `limit` generations (1 = the sire and dam; negative:
    // no limit, except that a walk counting `occurrences` stops at 24, since it
    // follows every path and a loop would never end), appending each ancestor once to `ids` in the order met (the sire's
    // side first) and, with `occurrences` (parallel to the ids), where each path met
    // it. `table` (or one of the walk's own) maps ids to ancestor indexes; only
    // entries near the ids met are touched. A sire or dam outside the table is
    // skipped. False when memory runs out.
    [[nodiscard]] bool CollectAncestors(int limit, int sireId, int damId, QVector<CBioAncestorOccurrences> *occurrences,
                                        QVector<int> *ids, QVector<int> *table) const;
    // Renumbers the ids of `source` into `ordered` with every ancestor before its
    // descendants and the founders first; `marks` (grown to the source's size when
    // shorter) ends with marks[id] = id for the ids and 0 elsewhere. False on a loop,
    // with its path in `loopPath` (first and last the same animal), or when the work
    // storage cannot be had.
    [[nodiscard]] static bool BuildOrdered(CBioSubPedigree &ordered, const CBioPedigree &source, const QVector<int> &ids,
                                           QVector<int> &marks, QVector<int> *loopPath);

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
