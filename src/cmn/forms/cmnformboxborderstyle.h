#pragma once

#include "cmnmetric.h"

#include <QSizeF>

// The outline of a box. A line style of 0 means no border at all: the thickness
// then counts nowhere and the corners are square.
class CCmnFormBoxBorderStyle
{
public:
    bool operator==(const CCmnFormBoxBorderStyle &) const = default;

    // The corner radius in scene units for a box of that size: none without a
    // border or with square corners, else the smaller of a fixed length per corner
    // style and a fraction of the shorter side.
    double CornerRadius(double horizontalDpi, const QSizeF &size) const;

    // Kinds 23/24: corner style byte, line style int, thickness metric.
    void Write(QDataStream &out) const;
    [[nodiscard]] bool Read(QDataStream &in);

    CCmnMetric m_Thickness;
    qint32 m_CornerStyle = 0; // 0 square, 1 small, 2 medium, 3 large rounding
    qint32 m_LineStyle = 0;   // a Qt::PenStyle from 0 no line to 5 dash-dot-dot
};
