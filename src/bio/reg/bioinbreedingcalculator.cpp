#include "bioinbreedingcalculator.h"

#include "bioancestrywalks.h"
#include "biosubpedigree.h"

#include <new>

// The walks' numbering and marks over the calculator's stamped entries: an entry
// belongs to the current call only when it carries the current stamp, and every
// id met by the walk is in the set being ordered.
class CStampedTables
{
public:
    explicit CStampedTables(CBioInbreedingCalculator &calculator)
        : m_Entries(calculator.m_Entries), m_Stamp(calculator.m_Stamp)
    {
    }

    int IndexOf(int id) const { return InSet(id) ? m_Entries[id].index : -1; }
    void Assign(int id, int index) { m_Entries[id] = CBioInbreedingCalculator::Entry{m_Stamp, index, 0, 0}; }
    bool InSet(int id) const { return id >= 0 && size_t(id) < m_Entries.size() && m_Entries[id].stamp == m_Stamp; }
    quint8 Colour(int id) const { return m_Entries[id].colour; }
    void SetColour(int id, quint8 colour) { m_Entries[id].colour = colour; }
    int Position(int id) const { return InSet(id) ? m_Entries[id].position : 0; }
    void SetPosition(int id, int position) { m_Entries[id].position = position; }

private:
    std::vector<CBioInbreedingCalculator::Entry> &m_Entries;
    const quint32 m_Stamp;
};

CBioInbreedingCalculator::CBioInbreedingCalculator(const CBioPedigree &pedigree) : m_Pedigree(pedigree) {}

bool CBioInbreedingCalculator::PrepareTables()
{
    try {
        if (m_Entries.size() < size_t(m_Pedigree.Highest()) + 1)
            m_Entries.resize(size_t(m_Pedigree.Highest()) + 1);
        m_Ids.clear();
    } catch (const std::bad_alloc &) {
        return false;
    }
    if (++m_Stamp == 0) {
        for (Entry &entry : m_Entries)
            entry.stamp = 0;
        m_Stamp = 1;
    }
    return true;
}

bool CBioInbreedingCalculator::OrderAncestry(int sireId, int damId, int generations, CBioSubPedigree &ordered,
                                             QVector<int> *loopPath)
{
    if (!PrepareTables())
        return false;
    CStampedTables tables(*this);
    return BioWalkAncestors(m_Pedigree, generations, sireId, damId, tables, nullptr, &m_Ids)
        && BioOrderAncestry(m_Pedigree, m_Ids, tables, ordered, loopPath);
}

bool CBioInbreedingCalculator::OffspringInbreeding(int sireId, int damId, int generations, double &coefficient)
{
    coefficient = 0.0;
    if (sireId < 1 || damId < 1)
        return true;
    CBioSubPedigree ordered;
    if (!OrderAncestry(sireId, damId, generations, ordered, nullptr))
        return false;
    const CStampedTables tables(*this);
    int offspring = 0;
    try {
        offspring = ordered.pedigree.AppendIndividual(tables.Position(sireId), tables.Position(damId));
    } catch (const std::bad_alloc &) {
        return false;
    }
    const std::optional<double> inbreeding = ordered.InbreedingOf(offspring);
    if (!inbreeding)
        return false;
    coefficient = *inbreeding;
    return true;
}

bool CBioInbreedingCalculator::FindLoop(int sireId, int damId, int generations, QVector<int> &loopPath)
{
    loopPath.clear();
    if (sireId < 1 || damId < 1)
        return true;
    CBioSubPedigree ordered;
    if (OrderAncestry(sireId, damId, generations, ordered, &loopPath))
        return true;
    // A failure without a loop path ran out of memory.
    return !loopPath.isEmpty();
}
