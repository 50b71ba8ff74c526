#include "biopedigree.h"

#include <algorithm>

namespace {

constexpr int kMinGrowth = 4000;

} // namespace

void CBioPedigree::Clear()
{
    m_Entries = QVector<CBioParents>(1);
    m_Highest = 0;
}

void CBioPedigree::Grow(int n, int extra)
{
    if (n <= m_Highest)
        return;
    extra = std::max(extra, 0);
    if (m_Entries.capacity() < qsizetype(n) + 1 + extra)
        m_Entries.reserve(qsizetype(n) + 1 + std::max(extra, kMinGrowth));
    m_Entries.resize(qsizetype(n) + 1);
    m_Highest = n;
}

void CBioPedigree::ResetIndividual(int n)
{
    if (n < 1)
        return;
    Grow(n, 0);
    m_Entries[n] = CBioParents();
}

void CBioPedigree::SetParents(int n, int sire, int dam)
{
    if (Exists(n))
        m_Entries[n] = CBioParents{sire, dam};
}

void CBioPedigree::ClearParents(int n)
{
    if (Exists(n))
        m_Entries[n] = CBioParents();
}

int CBioPedigree::AppendIndividual(int sire, int dam)
{
    const int n = m_Highest + 1;
    Grow(n, 0);
    m_Entries[n] = CBioParents{sire, dam};
    return n;
}

CBioParents CBioPedigree::ParentsOf(int n) const
{
    if (!Exists(n))
        return CBioParents();
    CBioParents parents = m_Entries.at(n);
    if (parents.sire < 0 || parents.sire > m_Highest)
        parents.sire = 0;
    if (parents.dam < 0 || parents.dam > m_Highest)
        parents.dam = 0;
    return parents;
}
