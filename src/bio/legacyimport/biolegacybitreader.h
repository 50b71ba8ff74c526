#pragma once

#include <QtGlobal>

// Reads bits from the most significant end of each byte of a run of bytes; a read that
// needs a byte past the run fails.
class CBioLegacyBitReader
{
public:
    CBioLegacyBitReader(const uchar *bytes, qint64 length)
        : m_Next(bytes)
        , m_Left(length)
    {
    }
    bool ReadBits(quint32 &value, int n);
    // The bytes the reads have started on.
    qint64 BytesTouched() const { return m_Touched; }

private:
    const uchar *m_Next;
    qint64 m_Left;
    qint64 m_Touched = 0;
    quint8 m_Current = 0;
    int m_BitsLeft = 0;
};
