#include "biolegacydataimport_regmap.h"

#include "biolegacydataimport_archive.h"
#include "cmnbitcount.h"

#include <bit>

void CBioLegacyDataImport_RegMap::Clear()
{
    m_IdsInUse = 0;
    m_Number = 0;
    m_LastWord = -1;
    m_HighestId = -1;
    m_Words.clear();
}

void CBioLegacyDataImport_RegMap::SetWords(const QList<quint32> &words, qint32 highestId)
{
    m_Words = words.mid(0, kMaxLastWord + 1);
    m_LastWord = qint32(m_Words.size()) - 1;
    m_HighestId = highestId >= 0 ? qMin(highestId, kMaxId) : qMin(qint32(m_Words.size()) * 32 - 1, kMaxId);
    CountIds();
}

quint32 CBioLegacyDataImport_RegMap::CountIds()
{
    quint32 count = 0;
    for (const quint32 word : m_Words)
        count += quint32(CmnBitCount32(word));
    m_IdsInUse = count;
    return count;
}

bool CBioLegacyDataImport_RegMap::Contains(qint32 id) const
{
    if (id < 0 || id > m_HighestId || id / 32 > m_LastWord)
        return false;
    return (m_Words.at(id / 32) >> (id % 32)) & 1;
}

qint32 CBioLegacyDataImport_RegMap::NextId(qint32 from) const
{
    from = qMax(from, 0);
    const qint32 limit = qMin(m_HighestId, (m_LastWord + 1) * 32 - 1);
    if (from > limit)
        return kBioLegacyNoRecord;
    qint32 word = from / 32;
    quint32 bits = m_Words.at(word) & (0xFFFFFFFFu << (from % 32));
    while (bits == 0) {
        if (++word > m_LastWord)
            return kBioLegacyNoRecord;
        bits = m_Words.at(word);
    }
    const qint32 id = word * 32 + std::countr_zero(bits);
    return id <= limit ? id : kBioLegacyNoRecord;
}

bool CBioLegacyDataImport_RegMap::Read(CBioLegacyDataImport_Archive &archive)
{
    Clear();
    quint32 count = 0;
    quint32 number = 0;
    qint32 lastWord = 0;
    qint32 highestId = 0;
    if (!archive.ExpectByte(0x8E) || !archive.ExpectByte(0) || !archive.BeginBlock())
        return false;
    if (!archive.ReadDWord(count) || !archive.ReadDWord(number) || !archive.ReadSignedDWord(lastWord)
        || !archive.ReadSignedDWord(highestId))
        return false;
    if (count > quint32(kBioLegacyNoRecord) || number >= quint32(kBioLegacyNoRecord) || lastWord < -1
        || lastWord > kMaxLastWord || highestId < -1 || highestId > kMaxId
        || !archive.CanSupply(quint64(lastWord + 1) * 4))
        return false;
    QList<quint32> words(lastWord + 1);
    for (quint32 &word : words) {
        if (!archive.ReadDWord(word))
            return false;
    }
    if (!archive.EndBlock())
        return false;
    m_Words = words;
    m_Number = number;
    m_LastWord = lastWord;
    m_HighestId = highestId;
    return CountIds() == count;
}
