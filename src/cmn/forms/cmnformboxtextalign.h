#pragma once

#include <QtGlobal>

class QDataStream;

// Where a box's text sits: vertical 0 middle, 1 top, 2 bottom; horizontal 0
// centred, 1 left.
class CCmnFormBoxTextAlign
{
public:
    bool operator==(const CCmnFormBoxTextAlign &) const = default;

    // Kinds 27/28: vertical byte, horizontal byte.
    void Write(QDataStream &out) const;
    [[nodiscard]] bool Read(QDataStream &in);

    qint32 m_Vertical = 0;
    qint32 m_Horizontal = 0;
};
