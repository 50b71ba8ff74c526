#include "cmnregidallocator.h"

#include <QDataStream>

#include <algorithm>

namespace {

constexpr quint8 kIdAllocatorTag = 7;
constexpr quint8 kIdAllocatorVersion = 0;

} // namespace

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

void CCmnRegIdAllocator::Write(QDataStream &stream) const
{
    stream << kIdAllocatorTag << kIdAllocatorVersion << qint32(m_Hint) << m_Used;
}

bool CCmnRegIdAllocator::Read(QDataStream &stream)
{
    m_Used.Clear();
    m_Hint = 0;
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kIdAllocatorTag || version != kIdAllocatorVersion)
        return false;
    qint32 hint = -1;
    stream >> hint >> m_Used;
    // Any negative hint means "after the highest", which the allocator writes as -1.
    m_Hint = std::max(hint, -1);
    return stream.status() == QDataStream::Ok;
}
