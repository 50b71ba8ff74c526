#include "cmnregidallocator.h"

int CCmnRegIdAllocator::Allocate()
{
    int index = -1;
    if (m_Hint >= 0) {
        index = m_Used.NextClearBit(m_Hint);
        if (index < 0 && m_Hint > 0)
            index = m_Used.NextClearBit(0);
    }
    if (index < 0) {
        index = m_Used.Highest() + 1;
        m_Hint = -1;
    } else {
        m_Hint = index + 1;
    }
    m_Used.SetBit(index, true);
    return index + 1;
}

bool CCmnRegIdAllocator::Free(int id)
{
    if (!IsUsed(id))
        return false;
    m_Used.SetBit(id - 1, false);
    m_Hint = id - 1;
    return true;
}

QVector<int> CCmnRegIdAllocator::GetUsedIds() const
{
    QVector<int> ids = m_Used.GetSetBits();
    for (int &id : ids)
        ++id;
    return ids;
}

void CCmnRegIdAllocator::Clear()
{
    m_Used.Clear();
    m_Hint = -1;
}

void CCmnRegIdAllocator::Load(const QVector<quint32> &words, int hint)
{
    m_Used.SetWords(words);
    m_Hint = hint;
}
