#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

class CBioLegacyDataImport_Archive;

// An array of fixed-size items stored in chunks, as the older programs kept their large
// arrays. Only the items the file holds are kept; item k lies in chunk k / ItemsPerChunk().
class CBioLegacyDataImport_ItemVector
{
public:
    explicit CBioLegacyDataImport_ItemVector(quint32 itemSize = 0, quint32 chunkSize = 4096);
    virtual ~CBioLegacyDataImport_ItemVector() = default;

    // Fails, leaving the vector empty, on a wrong tag, numbers that do not agree, a
    // checksum mismatch or data that runs short.
    virtual bool Read(CBioLegacyDataImport_Archive &archive);

    void Clear();
    void SetItemSize(quint32 itemSize) { m_ItemSize = itemSize; }

    quint32 Count() const { return m_Count; }
    quint32 ItemSize() const { return m_ItemSize; }
    quint32 ItemsPerChunk() const { return m_ItemsPerChunk; }
    quint32 ChunkSize() const { return m_ChunkSize; }
    quint32 FullChunks() const { return m_FullChunks; }
    quint32 ItemsInLastChunk() const { return m_ItemsInLastChunk; }
    quint32 Chunks() const { return m_Chunks; }

    // The item's bytes, or none for k not below the count.
    const char *Item(quint32 k) const;
    // The bytes from item k to the end of its chunk (0 for k not below the count).
    qsizetype BytesFromItemToChunkEnd(quint32 k) const;

protected:
    // Read, then fail and empty the vector unless its items have the required size.
    bool ReadWithItemSize(CBioLegacyDataImport_Archive &archive, quint32 required);

private:
    QList<QByteArray> m_ChunkData;
    quint32 m_ItemsPerChunk = 0;
    quint32 m_ItemSize = 0;
    quint32 m_Count = 0;
    quint32 m_ChunkSize = 4096;
    quint32 m_FullChunks = 0;
    quint32 m_ItemsInLastChunk = 0;
    quint32 m_Chunks = 0;
};

// Items of any size, read as signed numbers by their users.
class CBioLegacyDataImport_SignedItemVector : public CBioLegacyDataImport_ItemVector
{
public:
    explicit CBioLegacyDataImport_SignedItemVector(quint32 itemSize = 0)
        : CBioLegacyDataImport_ItemVector(itemSize)
    {
    }
};

// Two-byte items; any other stored item size fails the read.
class CBioLegacyDataImport_SignedWordVector : public CBioLegacyDataImport_SignedItemVector
{
public:
    CBioLegacyDataImport_SignedWordVector()
        : CBioLegacyDataImport_SignedItemVector(2)
    {
    }
    bool Read(CBioLegacyDataImport_Archive &archive) override { return ReadWithItemSize(archive, 2); }
    quint16 Word(quint32 k) const;
};

// Four-byte items; any other stored item size fails the read.
class CBioLegacyDataImport_SignedDWordVector : public CBioLegacyDataImport_SignedItemVector
{
public:
    CBioLegacyDataImport_SignedDWordVector()
        : CBioLegacyDataImport_SignedItemVector(4)
    {
    }
    bool Read(CBioLegacyDataImport_Archive &archive) override { return ReadWithItemSize(archive, 4); }
    qint32 DWord(quint32 k) const;
};
