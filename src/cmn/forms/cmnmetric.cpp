#include "cmnmetric.h"

#include "cmntext.h"

#include <QDataStream>

#include <cmath>

namespace {

constexpr quint8 kMetricTag = 41;

} // namespace

double CCmnMetric::ToDevice(double dotsPerInch) const
{
    switch (m_Unit) {
    case CmnLengthUnitCentimeters:
        return m_Length * dotsPerInch / 2.54;
    case CmnLengthUnitMillimeters:
        return m_Length * dotsPerInch / 25.4;
    default:
        return m_Length * dotsPerInch;
    }
}

void CCmnMetric::SetUnit(qint32 unit)
{
    m_Length = CmnConvertLength(m_Length, m_Unit, unit);
    m_Unit = unit;
}

void CCmnMetric::Write(QDataStream &out) const
{
    out << kMetricTag << quint8(m_Unit) << m_Length;
}

bool CCmnMetric::Read(QDataStream &in)
{
    *this = CCmnMetric();
    quint8 tag = 0;
    in >> tag;
    if (tag != kMetricTag)
        return false;
    quint8 unit = 0;
    double length = 0.0;
    in >> unit >> length;
    if (in.status() != QDataStream::Ok)
        return false;
    m_Unit = unit;
    // A damaged length would spread through every layout it takes part in.
    m_Length = std::isfinite(length) ? length : 0.0;
    return true;
}
