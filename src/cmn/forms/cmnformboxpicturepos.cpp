#include "cmnformboxpicturepos.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

void CCmnFormBoxPicturePos::Write(QDataStream &out) const
{
    const bool isDefault = m_Mode == 0 && m_Alignment == 0 && m_Scaling == 100 && m_Gap.Length() == 0.0;
    CmnWriteValueBlockStart(out, CmnValueKindPicturePos, isDefault);
    if (isDefault)
        return;
    out << quint8(m_Mode) << quint8(m_Alignment) << quint8(m_Scaling);
    m_Gap.Write(out);
}

bool CCmnFormBoxPicturePos::Read(QDataStream &in)
{
    *this = CCmnFormBoxPicturePos();
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindPicturePos);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    quint8 mode = 0;
    quint8 alignment = 0;
    quint8 scaling = 0;
    in >> mode >> alignment >> scaling;
    CCmnMetric gap;
    if (in.status() != QDataStream::Ok || !CmnReadMetricInBlock(in, gap))
        return CmnFailBlock(in);
    m_Mode = qMin(qint32(mode), 3);
    m_Alignment = qMin(qint32(alignment), 4);
    m_Scaling = qMin(qint32(scaling), 100); // a percentage: what the control can give back
    m_Gap = gap;
    return true;
}
