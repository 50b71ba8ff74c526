#include "biolegacybitreader.h"

bool CBioLegacyBitReader::ReadBits(quint32 &value, int n)
{
    value = 0;
    if (n < 1 || n > 32)
        return false;
    while (n > 0) {
        if (m_BitsLeft == 0) {
            if (m_Left <= 0)
                return false;
            m_Current = *m_Next++;
            --m_Left;
            ++m_Touched;
            m_BitsLeft = 8;
        }
        const int take = qMin(n, m_BitsLeft);
        const quint32 bits = (quint32(m_Current) >> (m_BitsLeft - take)) & ((1u << take) - 1);
        value = (value << take) | bits;
        m_BitsLeft -= take;
        n -= take;
    }
    return true;
}
