#include "cmnsortedstringtriplelist.h"

#include <QComboBox>

#include <algorithm>

namespace {

constexpr qsizetype kLargeBatch = 100;

} // namespace

bool CmnStringTripleLess(const CCmnStringTriple &a, const CCmnStringTriple &b)
{
    if (const int c = a.m_Key.compare(b.m_Key))
        return c < 0;
    if (const int c = a.m_Upper.compare(b.m_Upper))
        return c < 0;
    return a.m_Text.compare(b.m_Text) < 0;
}

void CCmnSortedStringTripleList::QueueChange(const CCmnStringTriple &triple)
{
    ++m_QueuedCount;
    // A value repeated from one record to the next (a breed, a colour, an
    // owner) is queued once: the merge keeps one of each anyway, and a large
    // register would otherwise queue an entry for every record.
    if (m_Queue.isEmpty() || !(m_Queue.constLast() == triple))
        m_Queue.append(triple);
}

void CCmnSortedStringTripleList::Flush()
{
    const qsizetype queued = m_Queue.size();
    if (queued == 0)
        return;
    if (m_Items.size() / 10 < queued || queued > kLargeBatch) {
        m_Items += QVector<CCmnStringTriple>(m_Queue.cbegin(), m_Queue.cend());
        std::sort(m_Items.begin(), m_Items.end(), CmnStringTripleLess);
        m_Items.erase(std::unique(m_Items.begin(), m_Items.end()), m_Items.end());
    } else {
        for (const CCmnStringTriple &triple : std::as_const(m_Queue)) {
            const auto at = std::lower_bound(m_Items.begin(), m_Items.end(), triple, CmnStringTripleLess);
            if (at == m_Items.end() || !(*at == triple))
                m_Items.insert(at, triple);
        }
    }
    m_Queue.clear();
    m_QueuedCount = 0;
    m_Items.squeeze();
}

void CCmnSortedStringTripleList::Clear()
{
    m_Items.clear();
    m_Queue.clear();
    m_QueuedCount = 0;
}

void CCmnSortedStringTripleList::FillComboBox(QComboBox *combo)
{
    Flush();
    for (const CCmnStringTriple &triple : std::as_const(m_Items))
        combo->addItem(triple.m_Text, QVariant());
}
