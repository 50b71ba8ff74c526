#include "biopedigree.h"

#include "bioancestrywalks.h"

#include <algorithm>

namespace {

constexpr int kMinGrowth = 4000;
constexpr int kWindowMargin = 200;

// Ancestor indexes in a caller's id table that is never cleared as a whole: only
// a window around the ids met so far is set to "not met" (-1), widened as needed,
// so a short walk in a large register stays short.
class CWindowedNumbering
{
public:
    CWindowedNumbering(QVector<int> &table, int highest) : m_Table(table), m_Highest(highest) {}

    int IndexOf(int id) const { return id < m_Low || id > m_High ? -1 : m_Table.at(id); }

    void Assign(int id, int index)
    {
        if (id < m_Low || id > m_High) {
            const int low = std::max(0, id - kWindowMargin);
            const int high = std::min(m_Highest, id + kWindowMargin);
            if (m_Low > m_High) {
                std::fill(m_Table.begin() + low, m_Table.begin() + high + 1, -1);
                m_Low = low;
                m_High = high;
            } else {
                if (low < m_Low)
                    std::fill(m_Table.begin() + low, m_Table.begin() + m_Low, -1);
                if (high > m_High)
                    std::fill(m_Table.begin() + m_High + 1, m_Table.begin() + high + 1, -1);
                m_Low = std::min(m_Low, low);
                m_High = std::max(m_High, high);
            }
        }
        m_Table[id] = index;
    }

private:
    QVector<int> &m_Table;
    int m_Highest;
    int m_Low = 1;
    int m_High = 0;
};

// The set, colours and positions of an ordering over whole-register tables.
class CPlainMarks
{
public:
    CPlainMarks(const QVector<int> &marks, std::vector<quint8> &colours, QVector<int> &idToPosition)
        : m_Marks(marks), m_Colours(colours), m_IdToPosition(idToPosition)
    {
    }

    bool InSet(int id) const { return id > 0 && id < m_Marks.size() && m_Marks.at(id) != 0; }
    quint8 Colour(int id) const { return m_Colours[id]; }
    void SetColour(int id, quint8 colour) { m_Colours[id] = colour; }
    int Position(int id) const { return m_IdToPosition.at(id); }
    void SetPosition(int id, int position) { m_IdToPosition[id] = position; }

private:
    const QVector<int> &m_Marks;
    std::vector<quint8> &m_Colours;
    QVector<int> &m_IdToPosition;
};

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

bool CBioPedigree::CollectAncestors(int limit, int sireId, int damId, QVector<CBioAncestorOccurrences> *occurrences,
                                    QVector<int> *ids, QVector<int> *table) const
{
    QVector<int> ownTable;
    try {
        if (!table)
            table = &ownTable;
        if (table->size() < qsizetype(m_Highest) + 1)
            table->resize(qsizetype(m_Highest) + 1);
    } catch (const std::bad_alloc &) {
        return false;
    }
    CWindowedNumbering numbering(*table, m_Highest);
    return BioWalkAncestors(*this, limit, sireId, damId, numbering, occurrences, ids);
}

bool CBioPedigree::BuildOrdered(CBioSubPedigree &ordered, const CBioPedigree &source, const QVector<int> &ids,
                                QVector<int> &marks, QVector<int> *loopPath)
{
    if (loopPath)
        loopPath->clear();
    std::vector<quint8> colours;
    try {
        ordered.pedigree.Clear();
        const qsizetype size = qsizetype(source.Highest()) + 1;
        if (marks.size() < size)
            marks.resize(size);
        marks.fill(0);
        for (int id : ids) {
            if (id > 0 && id < size)
                marks[id] = id;
        }
        colours.assign(size_t(size), 0);
        ordered.idToPosition = QVector<int>(size);
    } catch (const std::bad_alloc &) {
        return false;
    }
    CPlainMarks plainMarks(marks, colours, ordered.idToPosition);
    return BioOrderAncestry(source, ids, plainMarks, ordered, loopPath);
}
