#include "cmnformboxrectextents.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

void CCmnFormBoxRectExtents::Write(QDataStream &out) const
{
    const bool isDefault = m_Left.Length() == 0.0 && m_Top.Length() == 0.0 && m_Right.Length() == 0.0
                        && m_Bottom.Length() == 0.0;
    CmnWriteValueBlockStart(out, CmnValueKindRectExtents, isDefault);
    if (isDefault)
        return;
    m_Left.Write(out);
    m_Top.Write(out);
    m_Right.Write(out);
    m_Bottom.Write(out);
}

bool CCmnFormBoxRectExtents::Read(QDataStream &in)
{
    *this = CCmnFormBoxRectExtents();
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindRectExtents);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    CCmnFormBoxRectExtents read;
    if (!CmnReadMetricInBlock(in, read.m_Left) || !CmnReadMetricInBlock(in, read.m_Top)
        || !CmnReadMetricInBlock(in, read.m_Right) || !CmnReadMetricInBlock(in, read.m_Bottom))
        return false;
    *this = read;
    return true;
}
