#include "cmnformboxborderstyle.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {

constexpr qint32 kMaxCornerStyle = 3;

} // namespace

double CCmnFormBoxBorderStyle::CornerRadius(double horizontalDpi, const QSizeF &size) const
{
    if (m_LineStyle == Qt::NoPen || m_CornerStyle == 0)
        return 0.0;
    double inches = 0.0;
    double fraction = 0.0;
    switch (m_CornerStyle) {
    case 1:
        inches = 0.05;
        fraction = 0.1;
        break;
    case 2:
        inches = 0.15;
        fraction = 0.2;
        break;
    case 3:
        inches = 0.2;
        fraction = 0.25;
        break;
    default:
        break;
    }
    return qMin(inches * horizontalDpi, fraction * qMin(size.width(), size.height()));
}

void CCmnFormBoxBorderStyle::Write(QDataStream &out) const
{
    const bool isDefault = m_CornerStyle == 0 && m_LineStyle == 0 && m_Thickness.Length() == 0.0;
    CmnWriteValueBlockStart(out, CmnValueKindBorderStyle, isDefault);
    if (isDefault)
        return;
    out << quint8(m_CornerStyle) << m_LineStyle;
    m_Thickness.Write(out);
}

bool CCmnFormBoxBorderStyle::Read(QDataStream &in)
{
    *this = CCmnFormBoxBorderStyle();
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindBorderStyle);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    quint8 corner = 0;
    qint32 line = 0;
    in >> corner >> line;
    CCmnMetric thickness;
    if (in.status() != QDataStream::Ok || !CmnReadMetricInBlock(in, thickness))
        return CmnFailBlock(in);
    m_CornerStyle = qMin(qint32(corner), kMaxCornerStyle);
    m_LineStyle = qBound(qint32(Qt::NoPen), line, qint32(Qt::DashDotDotLine));
    m_Thickness = thickness;
    return true;
}
