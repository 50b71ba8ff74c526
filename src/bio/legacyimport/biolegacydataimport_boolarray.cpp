#include "biolegacydataimport_boolarray.h"

#include "biolegacydataimport_archive.h"
#include "cmnbitcount.h"

bool CBioLegacyDataImport_BOOLArray::Value(quint32 i) const
{
    return i < m_Count && (quint8(m_Bits.at(qsizetype(i / 8))) >> (i % 8)) & 1;
}

void CBioLegacyDataImport_BOOLArray::Resize(quint32 count)
{
    const qsizetype oldBytes = m_Bits.size();
    const qsizetype bytes = qsizetype((quint64(count) + 7) / 8);
    m_Bits.resize(bytes);
    for (qsizetype i = oldBytes; i < bytes; ++i)
        m_Bits[i] = 0;
    // Bits past the count in the last byte must not survive a shrink and regrow.
    if (count % 8 != 0 && bytes > 0)
        m_Bits[bytes - 1] = char(quint8(m_Bits.at(bytes - 1)) & ((1u << (count % 8)) - 1));
    m_Count = count;
    Recount();
}

void CBioLegacyDataImport_BOOLArray::Recount()
{
    m_TrueCount = 0;
    for (const char byte : m_Bits)
        m_TrueCount += quint32(CmnBitCount32(quint8(byte)));
}

bool CBioLegacyDataImport_BOOLArray::Read(CBioLegacyDataImport_Archive &archive)
{
    quint32 count = 0;
    if (!archive.ExpectByte(1) || !archive.ReadDWord(count))
        return false;
    const quint64 bytes = (quint64(count) + 7) / 8;
    m_Bits.clear();
    m_Count = 0;
    if (!archive.CanSupply(bytes))
        return false;
    Resize(count);
    if (archive.ReadBytes(m_Bits.data(), qint64(bytes)) != qint64(bytes))
        return false;
    Resize(count);
    return archive.ReadDWord(m_StoredTrueCount);
}
