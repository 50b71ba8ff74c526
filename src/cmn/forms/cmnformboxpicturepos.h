#pragma once

#include "cmnmetric.h"

// How a box places its picture: mode 0 none, 1 fitted inside, 2 stretched to
// cover the padded area, 3 bled to the border; alignment 0 centre, 1 left,
// 2 right, 3 top, 4 bottom (fitted pictures only), with the gap to the text and
// a scaling in percent.
class CCmnFormBoxPicturePos
{
public:
    bool operator==(const CCmnFormBoxPicturePos &) const = default;

    // Kinds 29/30: mode byte, alignment byte, scaling byte, gap metric.
    void Write(QDataStream &out) const;
    [[nodiscard]] bool Read(QDataStream &in);

    CCmnMetric m_Gap;
    qint32 m_Mode = 0;
    qint32 m_Alignment = 0;
    qint32 m_Scaling = 100;
};
