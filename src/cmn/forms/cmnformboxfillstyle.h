#pragma once

#include <QtGlobal>

class QDataStream;

// How a box is filled: a Qt brush style (0 no fill) and an opacity in percent.
class CCmnFormBoxFillStyle
{
public:
    bool operator==(const CCmnFormBoxFillStyle &) const = default;

    // Kinds 25/26: style int, opacity byte.
    void Write(QDataStream &out) const;
    [[nodiscard]] bool Read(QDataStream &in);

    qint32 m_Style = 0;
    qint32 m_Opacity = 100;
};
