#pragma once

#include "biopedigree.h"
#include "biosubpedigree.h"

#include <QVector>

#include <vector>

// Coefficients of inbreeding of (prospective) offspring over a parent index, with
// ancestors up to a number of generations. The id-indexed tables are kept from one
// call to the next and told apart by a stamp, so that a call costs time in
// proportion to the pairing's ancestry, not to the size of the register.
class CBioInbreedingCalculator
{
public:
    // The pedigree must outlive the calculator; it may change between calls.
    explicit CBioInbreedingCalculator(const CBioPedigree &pedigree);

    // The coefficient of an offspring of sire and dam, counting every ancestor
    // within `generations` of it (1 = its parents; negative: all) with all the links
    // among them. An unknown parent (below 1 or outside the index) gives 0. False,
    // with 0, when the ancestry holds a loop or memory runs out.
    [[nodiscard]] bool OffspringInbreeding(int sireId, int damId, int generations, double &coefficient);
    // The path of a loop in the joint ancestry of sire and dam within `generations`
    // (first and last the same animal), empty when there is none or either parent is
    // unknown. False when memory runs out.
    [[nodiscard]] bool FindLoop(int sireId, int damId, int generations, QVector<int> &loopPath);

private:
    struct Entry
    {
        quint32 stamp = 0;
        int index = 0;
        int position = 0;
        quint8 colour = 0;
    };
    friend class CStampedTables;

    bool PrepareTables();
    // The pairing's ancestors numbered in fresh tables and ordered ancestors first;
    // false on a loop (with its path when asked) or when memory runs out.
    bool OrderAncestry(int sireId, int damId, int generations, CBioSubPedigree &ordered, QVector<int> *loopPath);

    const CBioPedigree &m_Pedigree;
    std::vector<Entry> m_Entries;
    quint32 m_Stamp = 0;
    QVector<int> m_Ids;
};
