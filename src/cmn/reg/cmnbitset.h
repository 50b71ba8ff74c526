#pragma once

#include <QVector>

class QDataStream;

// A set of non-negative indexes held as 32-bit words (index i is bit i mod 32 of
// word i / 32). The word count is always even. The highest mark is the highest
// index ever set since the set was cleared or loaded: clearing a bit never lowers
// it, so ids handed out after it keep rising.
class CCmnBitSet
{
public:
    // Grows the words when the index lies beyond them (also when clearing); returns
    // the highest mark after the change. A negative index changes nothing.
    int SetBit(int index, bool value);
    bool TestBit(int index) const;
    // First set (or clear) index at or after start; -1 when none, when start is
    // negative or when it lies beyond the words.
    int NextSetBit(int start) const;
    int NextClearBit(int start) const;
    // Set indexes in ascending order.
    QVector<int> GetSetBits() const;
    // Frees the words: count 0, highest -1.
    void Clear();
    // Takes the words as they are (an even count) and recomputes the count and the
    // highest mark from the bits themselves.
    void SetWords(const QVector<quint32> &words);

    // Block tag 4, version 0: the count, the word count and the words.
    void Write(QDataStream &stream) const;
    // Starts empty. False for another tag or version, a count outside 0 to
    // 100,000,000, a word count that is odd, too small for the count or larger than
    // the stream holds, or words whose set bits do not add up to the count.
    [[nodiscard]] bool Read(QDataStream &stream);

    int Count() const { return m_Count; }
    int Highest() const { return m_Highest; }
    const QVector<quint32> &Words() const { return m_Words; }

private:
    void GrowToHold(int index);

    QVector<quint32> m_Words;
    int m_Count = 0;
    int m_Highest = -1;
};

QDataStream &operator<<(QDataStream &stream, const CCmnBitSet &bits);
// A refused block marks the stream ReadCorruptData.
QDataStream &operator>>(QDataStream &stream, CCmnBitSet &bits);
