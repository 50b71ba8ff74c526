#include "cmnformboxtextalign.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

void CCmnFormBoxTextAlign::Write(QDataStream &out) const
{
    const bool isDefault = m_Vertical == 0 && m_Horizontal == 0;
    CmnWriteValueBlockStart(out, CmnValueKindTextAlign, isDefault);
    if (!isDefault)
        out << quint8(m_Vertical) << quint8(m_Horizontal);
}

bool CCmnFormBoxTextAlign::Read(QDataStream &in)
{
    *this = CCmnFormBoxTextAlign();
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindTextAlign);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    quint8 vertical = 0;
    quint8 horizontal = 0;
    in >> vertical >> horizontal;
    if (in.status() != QDataStream::Ok)
        return CmnFailBlock(in);
    m_Vertical = qMin(qint32(vertical), 2);
    m_Horizontal = qMin(qint32(horizontal), 1);
    return true;
}
