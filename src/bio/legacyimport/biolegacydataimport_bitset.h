#pragma once

#include <QList>
#include <QtGlobal>

class CBioLegacyDataImport_Archive;

// A set of bits in 32-bit words, the last word masked to the bit count.
class CBioLegacyDataImport_BitSet
{
public:
    bool Read(CBioLegacyDataImport_Archive &archive);
    void Clear();

    quint32 BitCount() const { return m_Bits; }
    quint32 Reserve() const { return m_Reserve; }
    quint32 LastWordMask() const { return m_LastWordMask; }
    const QList<quint32> &Words() const { return m_Words; }
    bool Test(quint32 bit) const;

private:
    QList<quint32> m_Words;
    quint32 m_Bits = 0;
    quint32 m_Reserve = 128;
    quint32 m_LastWordMask = 0xFFFFFFFFu;
};
