#include "legacyfilewriter.h"

namespace {

// Entry x of the older programs' checksum table, by its defining rule.
quint16 TableEntry(quint8 x)
{
    const quint32 y = quint32(x) ^ (quint32(x) << 4);
    return quint16(((y << 8) ^ (y << 3) ^ (y >> 4)) & 0xFFFF);
}

quint16 Step(quint16 checksum, quint8 byte)
{
    return quint16((checksum >> 8) ^ TableEntry(quint8(checksum ^ byte)));
}

} // namespace

quint16 CTestLegacyWriter::ChecksumOf(const QByteArray &foldedBytes)
{
    quint16 checksum = 0;
    for (const char byte : foldedBytes)
        checksum = Step(checksum, quint8(byte));
    return checksum;
}

void CTestLegacyWriter::Fold(quint8 byte)
{
    if (!m_Stack.isEmpty())
        m_Checksum = Step(m_Checksum, byte);
}

CTestLegacyWriter &CTestLegacyWriter::U8(quint32 value)
{
    m_Bytes.append(char(value & 0xFF));
    Fold(quint8(value));
    return *this;
}

CTestLegacyWriter &CTestLegacyWriter::U16(quint32 value)
{
    m_Bytes.append(char(value & 0xFF));
    m_Bytes.append(char((value >> 8) & 0xFF));
    Fold(quint8(value >> 8));
    Fold(quint8(value));
    return *this;
}

CTestLegacyWriter &CTestLegacyWriter::U32(quint32 value)
{
    for (int i = 0; i < 4; ++i)
        m_Bytes.append(char((value >> (8 * i)) & 0xFF));
    for (int i = 3; i >= 0; --i)
        Fold(quint8(value >> (8 * i)));
    return *this;
}

CTestLegacyWriter &CTestLegacyWriter::Raw(const QByteArray &bytes)
{
    m_Bytes.append(bytes);
    for (const char byte : bytes)
        Fold(quint8(byte));
    return *this;
}

CTestLegacyWriter &CTestLegacyWriter::String(const QByteArray &text)
{
    const quint32 length = quint32(text.size());
    if (length < 0xFF) {
        U8(length);
    } else if (length < 0xFFFE) {
        U8(0xFF).U16(length);
    } else {
        U8(0xFF).U16(0xFFFF).U32(length);
    }
    return Raw(text);
}

CTestLegacyWriter &CTestLegacyWriter::BeginBlock()
{
    m_Stack.append(m_Checksum);
    m_Checksum = 0;
    return *this;
}

CTestLegacyWriter &CTestLegacyWriter::EndBlock()
{
    const quint16 block = m_Checksum;
    m_Checksum = m_Stack.takeLast();
    return U16(block);
}

CTestLegacyWriter &CTestLegacyWriter::EndBlockWithWrongTrailer()
{
    const quint16 block = m_Checksum;
    m_Checksum = m_Stack.takeLast();
    return U16(quint16(block ^ 0x0101));
}

CTestLegacyWriter &CTestLegacyWriter::OptionalDWord(bool present, quint32 value)
{
    U8(0).U8(present ? 1 : 0);
    return present ? U32(value) : *this;
}

CTestLegacyWriter &CTestLegacyWriter::OptionalDate(int year, int month, int day)
{
    U8(0);
    if (year == 0 && month == 0 && day == 0)
        return U8(0);
    return U8(1).U16(quint32(year)).U8(quint32(month)).U8(quint32(day));
}

CTestLegacyWriter &CTestLegacyWriter::StringPairList(const QList<QPair<QByteArray, QByteArray>> &pairs)
{
    if (pairs.size() < 0xFFFF)
        U16(quint32(pairs.size()));
    else
        U16(0xFFFF).U32(quint32(pairs.size()));
    for (const auto &pair : pairs)
        String(pair.first).String(pair.second);
    return *this;
}

CTestLegacyWriter &CTestLegacyWriter::ItemVectorNumbers(const QList<quint32> &numbers, const QByteArray &data,
                                                       bool compact)
{
    Tag16(0xFD01, 0).BeginBlock().U16(compact ? 1 : 0);
    for (const quint32 number : numbers)
        U32(number);
    return Raw(data).EndBlock();
}

CTestLegacyWriter &CTestLegacyWriter::ItemVector(quint32 itemSize, quint32 count, const QByteArray &data,
                                                quint32 chunkSize, bool compact)
{
    const quint32 perChunk = itemSize == 0 ? 0 : chunkSize / itemSize;
    const quint32 full = perChunk == 0 ? 0 : count / perChunk;
    const quint32 last = perChunk == 0 ? 0 : count % perChunk;
    const quint32 chunks = full + (last != 0 ? 1 : 0);
    return ItemVectorNumbers({perChunk, itemSize, count, chunkSize, full, last, chunks},
                             data.left(qsizetype(count) * itemSize), compact);
}

CTestLegacyWriter &CTestLegacyWriter::WordVector(const QList<quint16> &words)
{
    QByteArray data;
    for (const quint16 word : words)
        data.append(char(word & 0xFF)).append(char(word >> 8));
    return ItemVector(2, quint32(words.size()), data);
}

CTestLegacyWriter &CTestLegacyWriter::DWordVector(const QList<qint32> &dwords)
{
    QByteArray data;
    for (const qint32 value : dwords) {
        for (int i = 0; i < 4; ++i)
            data.append(char((quint32(value) >> (8 * i)) & 0xFF));
    }
    return ItemVector(4, quint32(dwords.size()), data);
}

CTestLegacyWriter &CTestLegacyWriter::TokenStore(const QList<QByteArray> &tokens, quint32 heapChunkSize)
{
    QList<quint16> offsets;
    QByteArray heap;
    for (const QByteArray &token : tokens) {
        const int needed = int((1 + token.size() + 3) / 4 * 4);
        const int chunkLeft = int(heapChunkSize - heap.size() % heapChunkSize);
        if (needed > chunkLeft)
            heap.append(QByteArray(chunkLeft, '\0'));
        offsets.append(quint16(heap.size() / 4));
        QByteArray entry = char(token.size()) + token;
        entry.append(QByteArray(needed - entry.size(), '\0'));
        heap.append(entry);
    }
    Tag16(0xFD02, 1).U16(quint32(tokens.size()));
    WordVector(offsets);
    WordVector(QList<quint16>(offsets.size(), 0));
    return ItemVector(4, quint32(heap.size() / 4), heap, heapChunkSize);
}

CTestLegacyWriter &CTestLegacyWriter::BOOLArray(const QList<bool> &values)
{
    QByteArray bits((values.size() + 7) / 8, '\0');
    int trueCount = 0;
    for (int i = 0; i < values.size(); ++i) {
        if (values.at(i)) {
            bits[i / 8] = char(quint8(bits.at(i / 8)) | (1 << (i % 8)));
            ++trueCount;
        }
    }
    return U8(1).U32(quint32(values.size())).Raw(bits).U32(quint32(trueCount));
}

CTestLegacyWriter &CTestLegacyWriter::FieldIdSet(const QList<int> &storedIds, bool indexed)
{
    U8(1).U16(quint32(storedIds.size()));
    for (const int id : storedIds)
        U16(quint32(id));
    return U16(indexed ? 1 : 0);
}

CTestLegacyWriter &CTestLegacyWriter::DataBlock(const QByteArray &bytes)
{
    return Tag16(0xFD04, 0).BeginBlock().U32(quint32(bytes.size())).Raw(bytes).EndBlock();
}
