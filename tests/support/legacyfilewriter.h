#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QtGlobal>

// Writes the older breeding programs' binary format for tests, from the format's own
// description: little-endian numbers, length-prefixed strings, checksum blocks with
// their trailers, optional values, chunked item vectors and token stores. It keeps its
// own checksum arithmetic so that a misreading in the reader cannot hide in both.
class CTestLegacyWriter
{
public:
    const QByteArray &Bytes() const { return m_Bytes; }
    int Size() const { return int(m_Bytes.size()); }

    CTestLegacyWriter &U8(quint32 value);
    CTestLegacyWriter &U16(quint32 value);
    CTestLegacyWriter &U32(quint32 value);
    CTestLegacyWriter &Raw(const QByteArray &bytes);
    // A 16-bit tag and version, or a tag byte and version byte.
    CTestLegacyWriter &Tag16(quint16 tag, quint16 version) { return U16(tag).U16(version); }
    CTestLegacyWriter &Tag8(quint8 tag, quint8 version) { return U8(tag).U8(version); }

    // The shortest length prefix that holds the length.
    CTestLegacyWriter &String(const QByteArray &text);
    CTestLegacyWriter &BeginBlock();
    CTestLegacyWriter &EndBlock();
    // The trailer of a block whose checksum is deliberately wrong.
    CTestLegacyWriter &EndBlockWithWrongTrailer();

    CTestLegacyWriter &OptionalDWord(bool present, quint32 value = 0);
    CTestLegacyWriter &OptionalDate(int year, int month, int day);
    CTestLegacyWriter &StringPairList(const QList<QPair<QByteArray, QByteArray>> &pairs);

    // A consistent item vector of count items of itemSize bytes taken from data.
    CTestLegacyWriter &ItemVector(quint32 itemSize, quint32 count, const QByteArray &data, quint32 chunkSize = 4096,
                                  bool compact = false);
    // Any seven numbers, in the stored order, followed by the given data.
    CTestLegacyWriter &ItemVectorNumbers(const QList<quint32> &numbers, const QByteArray &data, bool compact = false);
    CTestLegacyWriter &WordVector(const QList<quint16> &words);
    CTestLegacyWriter &DWordVector(const QList<qint32> &dwords);
    // A token store whose token i is tokens[i]; a token never straddles a heap chunk.
    CTestLegacyWriter &TokenStore(const QList<QByteArray> &tokens, quint32 heapChunkSize = 4096);
    CTestLegacyWriter &BOOLArray(const QList<bool> &values);
    CTestLegacyWriter &FieldIdSet(const QList<int> &storedIds, bool indexed = false);
    CTestLegacyWriter &DataBlock(const QByteArray &bytes);

    // The checksum of bytes folded in the given order from a start of 0.
    static quint16 ChecksumOf(const QByteArray &foldedBytes);

private:
    void Fold(quint8 byte);

    QByteArray m_Bytes;
    QList<quint16> m_Stack;
    quint16 m_Checksum = 0;
};
