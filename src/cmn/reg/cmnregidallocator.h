#pragma once

#include "cmnbitset.h"

// Hands out record ids (>= 1; id n is bit n - 1 of the used set). Ids follow the
// highest ever handed out, except that the id freed last is offered first, and
// free ids from there on (then from the start) when the hint points into a gap.
class CCmnRegIdAllocator
{
public:
    int Allocate();
    // Marks the id free and makes it the next one offered. False for an id not in use.
    bool Free(int id);
    bool IsUsed(int id) const { return id >= 1 && m_Used.TestBit(id - 1); }
    QVector<int> GetUsedIds() const;
    int Count() const { return m_Used.Count(); }
    void Clear();

    const CCmnBitSet &GetUsed() const { return m_Used; }
    int GetHint() const { return m_Hint; }
    void Load(const QVector<quint32> &words, int hint);

    // Block tag 7, version 0: the hint and the used ids' bit set.
    void Write(QDataStream &stream) const;
    // Starts empty. False for another tag or version or a refused bit set.
    [[nodiscard]] bool Read(QDataStream &stream);

private:
    CCmnBitSet m_Used;
    int m_Hint = -1;   // index where the next search starts; -1: follow the highest
};
