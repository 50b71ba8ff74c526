#include "bioancestoroccurrences.h"

#include <algorithm>

void CBioAncestorOccurrences::AddAppearance(int generation, bool damSide)
{
    if (generation < 0)
        return;
    if (generation >= m_PerGeneration.size())
        m_PerGeneration.resize(generation + 8);
    Counts &counts = m_PerGeneration[generation];
    ++(damSide ? counts.damSide : counts.sireSide);
    m_Furthest = std::max(m_Furthest, generation);
    m_Nearest = m_Nearest == 0 ? generation : std::min(m_Nearest, generation);
}

CBioAncestorOccurrences::Counts CBioAncestorOccurrences::At(int generation) const
{
    if (generation < 0 || generation >= m_PerGeneration.size())
        return Counts();
    return m_PerGeneration.at(generation);
}
