#include "biolegacydataimport_archive.h"

#include "biolegacydataimport_itemvector.h"

#include <QIODevice>

const std::array<quint16, 256> &LegacyCrc16Table()
{
    static const std::array<quint16, 256> table = [] {
        std::array<quint16, 256> entries {};
        for (quint32 x = 0; x < 256; ++x) {
            const quint32 y = x ^ (x << 4);
            entries[x] = quint16((y << 8) ^ (y << 3) ^ (y >> 4));
        }
        return entries;
    }();
    return table;
}

quint16 LegacyCrc16Step(quint16 checksum, quint8 byte)
{
    return quint16((checksum >> 8) ^ LegacyCrc16Table()[(checksum ^ byte) & 0xFF]);
}

CBioLegacyDataImport_Archive::CBioLegacyDataImport_Archive(QIODevice *device, qint64 capacity)
    : m_Device(device)
    , m_Buffer(int(qMax<qint64>(capacity, 0)), Qt::Uninitialized)
    , m_Capacity(qMax<qint64>(capacity, 0))
    , m_Pos(m_Capacity)
    , m_End(m_Capacity)
{
}

bool CBioLegacyDataImport_Archive::Refill()
{
    if (m_Error || m_EndOfData || m_Capacity == 0 || !m_Device)
        return false;
    const qint64 got = m_Device->read(m_Buffer.data(), m_Capacity);
    if (got < 0) {
        m_Error = true;
        return false;
    }
    if (got == 0) {
        m_EndOfData = true;
        return false;
    }
    m_Pos = 0;
    m_End = got;
    return true;
}

qint64 CBioLegacyDataImport_Archive::BytesRemaining() const
{
    qint64 remaining = m_End - m_Pos;
    if (m_Error || m_EndOfData || !m_Device)
        return remaining;
    // A sequential device can only say what it has at hand; the files we read are not.
    remaining += m_Device->isSequential() ? m_Device->bytesAvailable()
                                          : qMax<qint64>(m_Device->size() - m_Device->pos(), 0);
    return remaining;
}

void CBioLegacyDataImport_Archive::Fold(quint8 byte)
{
    if (m_Depth > 0)
        m_Checksum = LegacyCrc16Step(m_Checksum, byte);
}

bool CBioLegacyDataImport_Archive::ReadRawByte(quint8 &value)
{
    if (m_Pos >= m_End && !Refill())
        return false;
    value = quint8(m_Buffer.at(m_Pos++));
    return true;
}

qint64 CBioLegacyDataImport_Archive::ReadBytes(char *destination, qint64 n)
{
    if (n <= 0)
        return 0;
    const qint64 fromBuffer = qMin(n, m_End - m_Pos);
    if (fromBuffer > 0) {
        memcpy(destination, m_Buffer.constData() + m_Pos, size_t(fromBuffer));
        m_Pos += fromBuffer;
    }
    qint64 delivered = fromBuffer;
    if (delivered < n && !m_Error && !m_EndOfData && m_Device) {
        const qint64 got = m_Device->read(destination + delivered, n - delivered);
        if (got < 0)
            m_Error = true;
        else if (got == 0)
            m_EndOfData = true;
        else
            delivered += got;
    }
    for (qint64 i = 0; i < delivered; ++i)
        Fold(quint8(destination[i]));
    return delivered;
}

bool CBioLegacyDataImport_Archive::SkipBytes(qint64 n)
{
    if (n < 0 || !CanSupply(quint64(n)))
        return false;
    char scratch[4096];
    while (n > 0) {
        const qint64 step = qMin<qint64>(n, sizeof scratch);
        if (ReadBytes(scratch, step) != step)
            return false;
        n -= step;
    }
    return true;
}

bool CBioLegacyDataImport_Archive::ReadByte(quint8 &value)
{
    if (!ReadRawByte(value))
        return false;
    Fold(value);
    return true;
}

bool CBioLegacyDataImport_Archive::ReadWord(quint16 &value)
{
    quint8 low = 0;
    quint8 high = 0;
    if (!ReadRawByte(low) || !ReadRawByte(high))
        return false;
    // Numbers are folded most significant byte first, the reverse of the file order.
    Fold(high);
    Fold(low);
    value = quint16(low | (high << 8));
    return true;
}

bool CBioLegacyDataImport_Archive::ReadDWord(quint32 &value)
{
    quint8 bytes[4];
    for (quint8 &byte : bytes) {
        if (!ReadRawByte(byte))
            return false;
    }
    for (int i = 3; i >= 0; --i)
        Fold(bytes[i]);
    value = quint32(bytes[0]) | (quint32(bytes[1]) << 8) | (quint32(bytes[2]) << 16) | (quint32(bytes[3]) << 24);
    return true;
}

bool CBioLegacyDataImport_Archive::ReadSignedDWord(qint32 &value)
{
    quint32 raw = 0;
    if (!ReadDWord(raw))
        return false;
    value = qint32(raw);
    return true;
}

bool CBioLegacyDataImport_Archive::ExpectByte(quint8 expected)
{
    quint8 value = 0;
    return ReadByte(value) && value == expected;
}

bool CBioLegacyDataImport_Archive::ExpectWord(quint16 expected)
{
    quint16 value = 0;
    return ReadWord(value) && value == expected;
}

bool CBioLegacyDataImport_Archive::BeginBlock()
{
    if (m_Depth >= kMaxBlockDepth)
        return false;
    m_Stack[size_t(m_Depth)] = m_Checksum;
    ++m_Depth;
    m_Checksum = 0;
    return true;
}

bool CBioLegacyDataImport_Archive::EndBlock()
{
    if (m_Depth <= 0)
        return false;
    --m_Depth;
    const quint16 blockChecksum = m_Checksum;
    m_Checksum = m_Stack[size_t(m_Depth)];
    quint16 trailer = 0;
    return ReadWord(trailer) && trailer == blockChecksum;
}

bool CBioLegacyDataImport_Archive::ReadString(QByteArray &value)
{
    quint8 shortLength = 0;
    if (!ReadByte(shortLength))
        return false;
    quint32 length = shortLength;
    if (shortLength == 0xFF) {
        quint16 word = 0;
        if (!ReadWord(word))
            return false;
        if (word == 0xFFFE) {
            m_Error = true;
            return false;
        }
        length = word;
        if (word == 0xFFFF && !ReadDWord(length))
            return false;
    }
    if (length > kMaxStringLength || !CanSupply(length))
        return false;
    value.resize(qsizetype(length));
    if (ReadBytes(value.data(), length) != qint64(length))
        return false;
    const qsizetype zero = value.indexOf('\0');
    if (zero >= 0)
        value.truncate(zero);
    return true;
}

bool CBioLegacyDataImport_Archive::ReadOptionalDWord(quint32 &value, bool &present)
{
    quint8 presence = 0;
    if (!ExpectByte(0) || !ReadByte(presence) || presence > 1)
        return false;
    present = presence == 1;
    value = 0;
    return !present || ReadDWord(value);
}

bool CBioLegacyDataImport_Archive::ReadOptionalDate(CBioLegacyDate &date)
{
    quint8 presence = 0;
    if (!ExpectByte(0) || !ReadByte(presence) || presence > 1)
        return false;
    date.Clear();
    if (presence == 0)
        return true;
    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    if (!ReadWord(year) || !ReadByte(month) || !ReadByte(day))
        return false;
    if (year != 0) {
        date.year = year;
        date.month = month;
        date.day = day;
    }
    return true;
}

bool CBioLegacyDataImport_Archive::ReadTimeOfDay(CBioLegacyTimeOfDay &time)
{
    quint16 value = 0;
    if (!ReadWord(value) || value > 1440)
        return false;
    time.SetMinutes(int(value) - 1);
    return true;
}

bool CBioLegacyDataImport_Archive::ReadCount(quint32 &count)
{
    quint16 shortCount = 0;
    if (!ReadWord(shortCount))
        return false;
    count = shortCount;
    return shortCount != 0xFFFF || ReadDWord(count);
}

bool CBioLegacyDataImport_Archive::ReadStringVector(QList<QByteArray> &strings)
{
    quint32 count = 0;
    // Every string takes at least its length byte.
    if (!ReadCount(count) || !CanSupply(count))
        return false;
    // Grown as the strings are read, so a damaged count cannot claim memory up front.
    strings.clear();
    for (quint32 i = 0; i < count; ++i) {
        QByteArray string;
        if (!ReadString(string))
            return false;
        strings.append(string);
    }
    return true;
}

bool CBioLegacyDataImport_Archive::ReadStringPairList(QList<CBioLegacyStringPair> &pairs)
{
    quint32 count = 0;
    if (!ReadCount(count) || count > kMaxStringPairs || !CanSupply(quint64(count) * 2))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        CBioLegacyStringPair pair;
        if (!ReadString(pair.first) || !ReadString(pair.second))
            return false;
        pairs.append(pair);
    }
    return true;
}

bool CBioLegacyDataImport_Archive::ReadStringDWordList()
{
    quint32 count = 0;
    if (!ReadCount(count) || !CanSupply(quint64(count) * 5))
        return false;
    QByteArray string;
    quint32 value = 0;
    for (quint32 i = 0; i < count; ++i) {
        if (!ReadString(string) || !ReadDWord(value))
            return false;
    }
    return true;
}

bool CBioLegacyDataImport_Archive::ReadNamedLists()
{
    QList<CBioLegacyStringPair> pairs;
    if (!ReadStringPairList(pairs))
        return false;
    if (!m_ExtendedLists)
        return true;
    quint16 more = 0;
    if (!ReadWord(more) || !ReadStringDWordList())
        return false;
    pairs.clear();
    return more == 0 || ReadStringPairList(pairs);
}

bool CBioLegacyDataImport_Archive::ReadByteBlock(QByteArray &buffer)
{
    quint32 length = 0;
    if (!ExpectByte(1) || !ReadDWord(length) || !CanSupply(length))
        return false;
    if (buffer.size() < qsizetype(length))
        buffer.resize(qsizetype(length));
    return ReadBytes(buffer.data(), length) == qint64(length);
}

bool CBioLegacyDataImport_Archive::ReadTaggedDWordVector()
{
    CBioLegacyDataImport_SignedDWordVector vector;
    return ExpectWord(0xFD09) && ExpectWord(0) && vector.Read(*this);
}

bool CBioLegacyDataImport_Archive::ReadDataBlock(QByteArray &buffer)
{
    quint32 length = 0;
    if (!ExpectWord(0xFD04) || !ExpectWord(0) || !BeginBlock())
        return false;
    if (!ReadDWord(length) || !CanSupply(length))
        return false;
    buffer.resize(qsizetype(length));
    if (ReadBytes(buffer.data(), length) != qint64(length))
        return false;
    return EndBlock();
}
