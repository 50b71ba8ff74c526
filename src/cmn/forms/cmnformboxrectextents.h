#pragma once

#include "cmnmetric.h"

// Four lengths around a box (its padding): left, top, right, bottom.
class CCmnFormBoxRectExtents
{
public:
    bool operator==(const CCmnFormBoxRectExtents &) const = default;

    // Kinds 21/22; the default when all four lengths are 0, whatever their units.
    void Write(QDataStream &out) const;
    [[nodiscard]] bool Read(QDataStream &in);

    CCmnMetric m_Left;
    CCmnMetric m_Top;
    CCmnMetric m_Right;
    CCmnMetric m_Bottom;
};
