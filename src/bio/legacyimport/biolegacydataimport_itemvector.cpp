#include "biolegacydataimport_itemvector.h"

#include "biolegacydataimport_archive.h"

#include <QtEndian>

namespace {

struct VectorNumbers
{
    quint32 itemsPerChunk = 0;
    quint32 itemSize = 0;
    quint32 count = 0;
    quint32 chunkSize = 0;
    quint32 fullChunks = 0;
    quint32 itemsInLastChunk = 0;
    quint32 chunks = 0;

    bool Consistent() const
    {
        if (count == 0) {
            if (fullChunks != 0 || itemsInLastChunk != 0 || chunks != 0)
                return false;
            return itemSize == 0 || (chunkSize != 0 && chunkSize / itemSize == itemsPerChunk);
        }
        if (itemSize == 0 || chunkSize == 0 || itemsPerChunk == 0 || chunkSize / itemSize != itemsPerChunk)
            return false;
        // The items of the last chunk must be the remainder too, or the chunks would
        // hold more or fewer items than the count says.
        return count / itemsPerChunk == fullChunks && count % itemsPerChunk == itemsInLastChunk
            && chunks == fullChunks + (itemsInLastChunk != 0 ? 1 : 0);
    }
};

} // namespace

CBioLegacyDataImport_ItemVector::CBioLegacyDataImport_ItemVector(quint32 itemSize, quint32 chunkSize)
    : m_ItemSize(itemSize)
    , m_ChunkSize(chunkSize)
{
}

void CBioLegacyDataImport_ItemVector::Clear()
{
    m_ChunkData.clear();
    m_Count = m_FullChunks = m_ItemsInLastChunk = m_Chunks = 0;
}

bool CBioLegacyDataImport_ItemVector::Read(CBioLegacyDataImport_Archive &archive)
{
    Clear();
    if (!archive.ExpectWord(0xFD01) || !archive.ExpectWord(0) || !archive.BeginBlock())
        return false;
    quint16 compactLastChunk = 0;
    VectorNumbers n;
    if (!archive.ReadWord(compactLastChunk))
        return false;
    for (quint32 *number : {&n.itemsPerChunk, &n.itemSize, &n.count, &n.chunkSize, &n.fullChunks,
                            &n.itemsInLastChunk, &n.chunks}) {
        if (!archive.ReadDWord(*number))
            return false;
    }
    if (!n.Consistent() || !archive.CanSupply(quint64(n.count) * n.itemSize))
        return false;

    // Only the bytes the file holds are kept: a chunk's unread tail was zero and is never
    // addressed, since items are asked for below the count only.
    QList<QByteArray> chunkData;
    chunkData.reserve(qsizetype(n.chunks));
    for (quint32 i = 0; i < n.chunks; ++i) {
        const quint32 held = i == n.fullChunks ? n.itemsInLastChunk : n.itemsPerChunk;
        QByteArray bytes(qsizetype(quint64(held) * n.itemSize), Qt::Uninitialized);
        if (archive.ReadBytes(bytes.data(), bytes.size()) != bytes.size())
            return false;
        chunkData.append(bytes);
    }
    if (!archive.EndBlock() || archive.HasError())
        return false;

    m_ChunkData = chunkData;
    m_ItemsPerChunk = n.itemsPerChunk;
    m_ItemSize = n.itemSize;
    m_Count = n.count;
    m_ChunkSize = n.chunkSize;
    m_FullChunks = n.fullChunks;
    m_ItemsInLastChunk = n.itemsInLastChunk;
    m_Chunks = n.chunks;
    return true;
}

const char *CBioLegacyDataImport_ItemVector::Item(quint32 k) const
{
    if (k >= m_Count)
        return nullptr;
    return m_ChunkData.at(qsizetype(k / m_ItemsPerChunk)).constData() + qsizetype(k % m_ItemsPerChunk) * m_ItemSize;
}

qsizetype CBioLegacyDataImport_ItemVector::BytesFromItemToChunkEnd(quint32 k) const
{
    if (k >= m_Count)
        return 0;
    return m_ChunkData.at(qsizetype(k / m_ItemsPerChunk)).size() - qsizetype(k % m_ItemsPerChunk) * m_ItemSize;
}

bool CBioLegacyDataImport_ItemVector::ReadWithItemSize(CBioLegacyDataImport_Archive &archive, quint32 required)
{
    if (!CBioLegacyDataImport_ItemVector::Read(archive))
        return false;
    if (m_ItemSize == required)
        return true;
    Clear();
    return false;
}

quint16 CBioLegacyDataImport_SignedWordVector::Word(quint32 k) const
{
    const char *item = Item(k);
    return item ? qFromLittleEndian<quint16>(item) : 0;
}

qint32 CBioLegacyDataImport_SignedDWordVector::DWord(quint32 k) const
{
    const char *item = Item(k);
    return item ? qFromLittleEndian<qint32>(item) : 0;
}
