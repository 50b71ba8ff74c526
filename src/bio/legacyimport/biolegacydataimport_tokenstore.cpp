#include "biolegacydataimport_tokenstore.h"

#include "biolegacydataimport_archive.h"

void CBioLegacyDataImport_TokenStore::Reset()
{
    m_Index.Clear();
    m_Second.Clear();
    m_Heap.Clear();
    m_Heap.SetItemSize(4);
}

bool CBioLegacyDataImport_TokenStore::Read(CBioLegacyDataImport_Archive &archive)
{
    Reset();
    quint16 version = 0;
    quint16 reserved = 0;
    if (!archive.ExpectWord(0xFD02) || !archive.ReadWord(version) || version >= 2 || !archive.ReadWord(reserved)
        || reserved > kMaxTokens)
        return false;
    if (!m_Index.Read(archive) || !m_Second.Read(archive) || !m_Heap.Read(archive) || m_Heap.ItemSize() != 4)
        return false;
    return m_Index.Count() <= kMaxTokens && m_Index.Count() == m_Second.Count();
}

bool CBioLegacyDataImport_TokenStore::Lookup(quint32 token, QByteArray &text) const
{
    if (token >= m_Index.Count())
        return false;
    const quint32 offset = m_Index.Word(token);
    const char *item = m_Heap.Item(offset);
    if (!item)
        return false;
    const qsizetype available = m_Heap.BytesFromItemToChunkEnd(offset);
    const quint8 length = quint8(item[0]);
    if (1 + qsizetype(length) > available)
        return false;
    text = QByteArray(item + 1, length);
    return true;
}
