#include "biolegacydataimport_bitset.h"

#include "biolegacydataimport_archive.h"

void CBioLegacyDataImport_BitSet::Clear()
{
    m_Words.clear();
    m_Bits = 0;
    m_LastWordMask = 0xFFFFFFFFu;
}

bool CBioLegacyDataImport_BitSet::Test(quint32 bit) const
{
    return bit < m_Bits && (m_Words.at(qsizetype(bit / 32)) >> (bit % 32)) & 1;
}

bool CBioLegacyDataImport_BitSet::Read(CBioLegacyDataImport_Archive &archive)
{
    if (!archive.ExpectByte(1))
        return false;
    Clear();
    quint32 bits = 0;
    if (!archive.BeginBlock() || !archive.ReadDWord(bits) || !archive.ReadDWord(m_Reserve))
        return false;
    const quint64 words = bits == 0 ? 0 : (quint64(bits) - 1) / 32 + 1;
    // The reserve is room the older program kept for growth; nothing here grows.
    if (!archive.CanSupply(words * 4))
        return false;
    m_Words.resize(qsizetype(words));
    for (quint32 &word : m_Words) {
        if (!archive.ReadDWord(word))
            return false;
    }
    m_Bits = bits;
    m_LastWordMask = bits % 32 == 0 ? 0xFFFFFFFFu : (1u << (bits % 32)) - 1;
    if (!m_Words.isEmpty())
        m_Words.last() &= m_LastWordMask;
    return archive.EndBlock();
}
