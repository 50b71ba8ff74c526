#pragma once

#include "cmnformboxpicturepos.h"

#include <QRectF>
#include <QSize>
#include <QSizeF>

// The areas of a painted box, worked out from its size and resolved properties in
// device units. Every rectangle is measured from the box's top-left corner. The
// border rectangle runs through the middle of the border line; the picture and
// text areas lie inside the border, the text area also inside the padding and
// beside a picture placed to one side.
class CCmnFormBoxPaintGeometry
{
public:
    struct CInput
    {
        QSizeF m_Size;
        QSizeF m_Dpi;             // horizontal (width) and vertical (height)
        double m_BorderWidth = 0; // 0 without a border line
        double m_PadLeft = 0;
        double m_PadTop = 0;
        double m_PadRight = 0;
        double m_PadBottom = 0;
        CCmnFormBoxPicturePos m_PicturePos;
        QSize m_PixmapSize;       // empty when the box has no picture to show
        bool m_HasText = false;   // there is a text to show
    };

    explicit CCmnFormBoxPaintGeometry(const CInput &input);

    QRectF m_BorderRect;  // empty when the box is not wider and taller than 0
    QRectF m_PictureArea; // where the picture may go (it is clipped to this)
    QRectF m_PictureRect; // null when there is no picture to draw
    QRectF m_TextArea;    // null when there is no text to show or no room

private:
    void FitPicture(const CInput &input, QRectF *textArea);
};
