#include "cmnformboxfillstyle.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

void CCmnFormBoxFillStyle::Write(QDataStream &out) const
{
    const bool isDefault = m_Style == 0 && m_Opacity == 100;
    CmnWriteValueBlockStart(out, CmnValueKindFillStyle, isDefault);
    if (!isDefault)
        out << m_Style << quint8(m_Opacity);
}

bool CCmnFormBoxFillStyle::Read(QDataStream &in)
{
    *this = CCmnFormBoxFillStyle();
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindFillStyle);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    qint32 style = 0;
    quint8 opacity = 0;
    in >> style >> opacity;
    if (in.status() != QDataStream::Ok)
        return CmnFailBlock(in);
    // Gradient and texture brushes need data a fill style does not carry.
    m_Style = qBound(qint32(Qt::NoBrush), style, qint32(Qt::DiagCrossPattern));
    m_Opacity = qMin(qint32(opacity), 100);
    return true;
}
