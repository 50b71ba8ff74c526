#include "cmnbitset.h"

#include "cmnregstreamhelpers.h"

#include <QDataStream>

#include <algorithm>
#include <bit>

namespace {

constexpr int kBits = 32;
// At least this many words come with every growth, so that allocation rarely
// reallocates while a register fills.
constexpr qsizetype kGrowthWords = 512;
constexpr quint8 kBitSetTag = 4;
constexpr quint8 kBitSetVersion = 0;
constexpr int kMaxCount = 100000000;
// Words beyond this would hold indexes past the largest int (ids are ints).
constexpr qint32 kMaxWords = (0x7fffffff / kBits) & ~1;
// Words are read in pieces, so that a device of unknown size never makes the
// reader allocate much beyond what it really holds.
constexpr qint32 kReadPiece = 1 << 16;

// Scans words from `start` for a bit that `wanted` (the word, or its complement)
// shows set.
template <typename TWordView>
int NextBit(const QVector<quint32> &words, int start, TWordView wanted)
{
    if (start < 0 || qsizetype(start) >= words.size() * kBits)
        return -1;
    qsizetype word = start / kBits;
    quint32 bits = wanted(words.at(word)) & (~quint32(0) << (start % kBits));
    while (true) {
        if (bits != 0)
            return int(word * kBits + std::countr_zero(bits));
        if (++word >= words.size())
            return -1;
        bits = wanted(words.at(word));
    }
}

} // namespace

int CCmnBitSet::SetBit(int index, bool value)
{
    if (index < 0)
        return m_Highest;
    if (qsizetype(index) >= m_Words.size() * kBits)
        GrowToHold(index);
    quint32 &word = m_Words[index / kBits];
    const quint32 mask = quint32(1) << (index % kBits);
    if (value) {
        if (!(word & mask)) {
            word |= mask;
            ++m_Count;
        }
        m_Highest = std::max(m_Highest, index);
    } else if (word & mask) {
        word &= ~mask;
        --m_Count;
    }
    return m_Highest;
}

void CCmnBitSet::GrowToHold(int index)
{
    const qsizetype wordCount = m_Words.size();
    const qsizetype need = (qsizetype(index) - kBits * wordCount) / kBits + 2;
    qsizetype add = std::min(wordCount, kGrowthWords) + std::max(need, kGrowthWords);
    if (add % 2 != 0)
        ++add;
    m_Words.resize(wordCount + add, 0);
}

bool CCmnBitSet::TestBit(int index) const
{
    if (index < 0 || qsizetype(index) >= m_Words.size() * kBits)
        return false;
    return m_Words.at(index / kBits) & (quint32(1) << (index % kBits));
}

int CCmnBitSet::NextSetBit(int start) const
{
    return NextBit(m_Words, start, [](quint32 word) { return word; });
}

int CCmnBitSet::NextClearBit(int start) const
{
    return NextBit(m_Words, start, [](quint32 word) { return ~word; });
}

QVector<int> CCmnBitSet::GetSetBits() const
{
    QVector<int> indexes;
    indexes.reserve(m_Count);
    for (int index = NextSetBit(0); index >= 0; index = NextSetBit(index + 1))
        indexes.append(index);
    return indexes;
}

void CCmnBitSet::Clear()
{
    m_Words = QVector<quint32>();
    m_Count = 0;
    m_Highest = -1;
}

void CCmnBitSet::SetWords(const QVector<quint32> &words)
{
    m_Words = words;
    m_Count = 0;
    m_Highest = -1;
    for (qsizetype word = 0; word < m_Words.size(); ++word) {
        const quint32 bits = m_Words.at(word);
        if (bits == 0)
            continue;
        m_Count += std::popcount(bits);
        m_Highest = int(word * kBits + (kBits - 1 - std::countl_zero(bits)));
    }
}

void CCmnBitSet::Write(QDataStream &stream) const
{
    stream << kBitSetTag << kBitSetVersion << qint64(m_Count) << qint32(m_Words.size());
    for (quint32 word : m_Words)
        stream << word;
}

bool CCmnBitSet::Read(QDataStream &stream)
{
    Clear();
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kBitSetTag || version != kBitSetVersion)
        return false;
    qint64 count64 = 0;
    qint32 wordCount = 0;
    stream >> count64 >> wordCount;
    const int count = int(quint32(quint64(count64)));
    if (stream.status() != QDataStream::Ok || count < 0 || count > kMaxCount || wordCount < 0
        || wordCount > kMaxWords || wordCount < (qint64(count) + 31) / 32 || wordCount % 2 != 0
        || !CmnRegCountFits(stream, quint32(wordCount), 4))
        return false;
    QVector<quint32> words;
    while (words.size() < wordCount && stream.status() == QDataStream::Ok) {
        const qsizetype first = words.size();
        words.resize(first + std::min<qsizetype>(kReadPiece, wordCount - first));
        for (qsizetype i = first; i < words.size(); ++i)
            stream >> words[i];
    }
    if (stream.status() != QDataStream::Ok)
        return false;
    SetWords(words);
    if (m_Count != count) {
        Clear();
        return false;
    }
    return true;
}

QDataStream &operator<<(QDataStream &stream, const CCmnBitSet &bits)
{
    bits.Write(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, CCmnBitSet &bits)
{
    if (!bits.Read(stream))
        stream.setStatus(QDataStream::ReadCorruptData);
    return stream;
}
