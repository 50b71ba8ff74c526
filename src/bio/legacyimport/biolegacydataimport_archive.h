#pragma once

#include "biolegacydate.h"
#include "biolegacytimeofday.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <array>

class QIODevice;

using CBioLegacyStringPair = QPair<QByteArray, QByteArray>;

// The 16-bit checksum table of the older programs' files. Not the usual CRC-16 table:
// the rule keeps the high bits of x ^ (x << 4), so entries from 16 on differ.
const std::array<quint16, 256> &LegacyCrc16Table();
quint16 LegacyCrc16Step(quint16 checksum, quint8 byte);

// Reads the older programs' little-endian binary files through a buffer, folding every
// value read inside a checksum block into the running checksum. Every read answers
// true or false; after a device error or the end of the data no further device read
// is tried. Lengths and counts from the file are checked against the bytes that
// remain before anything is allocated, so a damaged file fails instead of exhausting
// memory.
class CBioLegacyDataImport_Archive
{
public:
    static constexpr qint64 kDefaultCapacity = 0x20000;
    static constexpr int kMaxBlockDepth = 20;
    static constexpr quint32 kMaxStringLength = 1000000;
    static constexpr quint32 kMaxStringPairs = 1000000;

    explicit CBioLegacyDataImport_Archive(QIODevice *device, qint64 capacity = kDefaultCapacity);

    bool Refill();
    qint64 ReadBytes(char *destination, qint64 n);
    bool ReadByte(quint8 &value);
    bool ReadWord(quint16 &value);
    bool ReadDWord(quint32 &value);
    bool ReadSignedDWord(qint32 &value);

    // Reads a value and fails unless it is the one expected.
    bool ExpectByte(quint8 expected);
    bool ExpectWord(quint16 expected);
    bool SkipBytes(qint64 n);

    bool BeginBlock();
    bool EndBlock();

    bool ReadString(QByteArray &value);
    bool ReadOptionalDWord(quint32 &value, bool &present);
    bool ReadOptionalDate(CBioLegacyDate &date);
    bool ReadTimeOfDay(CBioLegacyTimeOfDay &time);
    bool ReadStringVector(QList<QByteArray> &strings);
    bool ReadStringPairList(QList<CBioLegacyStringPair> &pairs);
    bool ReadStringDWordList();
    bool ReadNamedLists();
    bool ReadByteBlock(QByteArray &buffer);
    bool ReadTaggedDWordVector();
    bool ReadDataBlock(QByteArray &buffer);

    // The bytes still to come: buffered ones plus what the device has left.
    qint64 BytesRemaining() const;
    // Whether n more bytes can still come; the bound on every count read.
    bool CanSupply(quint64 n) const { return n <= quint64(BytesRemaining()); }

    void SetExtendedLists(bool on) { m_ExtendedLists = on ? 1 : 0; }
    bool ExtendedLists() const { return m_ExtendedLists != 0; }
    bool HasError() const { return m_Error; }
    bool AtEndOfData() const { return m_EndOfData; }
    quint16 Checksum() const { return m_Checksum; }
    int BlockDepth() const { return m_Depth; }

private:
    bool ReadRawByte(quint8 &value);
    void Fold(quint8 byte);
    bool ReadCount(quint32 &count);

    QIODevice *m_Device;
    QByteArray m_Buffer;
    qint64 m_Capacity;
    qint64 m_Pos;
    qint64 m_End;
    bool m_EndOfData = false;
    bool m_Error = false;
    int m_Depth = 0;
    std::array<quint16, kMaxBlockDepth> m_Stack {};
    quint16 m_Checksum = 0;
    quint32 m_ExtendedLists = 0;
};
