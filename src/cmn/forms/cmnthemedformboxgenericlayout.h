#pragma once

#include "cmnformboxborderstyle.h"
#include "cmnformboxfillstyle.h"
#include "cmnformboxpicturepos.h"
#include "cmnformboxrectextents.h"
#include "cmnformboxtextalign.h"
#include "cmnmetric.h"

#include <QColor>
#include <QString>

// One property of a theme layout element: set by the element, or left to
// inherit (every lookup then falls back to another element or a built-in value).
template <typename T>
struct TCmnThemeProperty
{
    bool operator==(const TCmnThemeProperty &) const = default;

    bool m_Inherit = true;
    T m_Value{};
};

// The twelve box properties a theme layout element may set. The order of the
// members is the bit order of the stream's flag word.
class CCmnThemedFormBoxGenericLayout
{
public:
    CCmnThemedFormBoxGenericLayout();

    // Every flag and every value, those of inheriting properties included.
    bool operator==(const CCmnThemedFormBoxGenericLayout &) const = default;

    // Set only the value; the caller decides whether the element sets it.
    void SetBorderStyle(const CCmnFormBoxBorderStyle &style) { m_BorderStyle.m_Value = style; }
    void SetPicturePos(const CCmnFormBoxPicturePos &pos) { m_PicturePos.m_Value = pos; }

    // Tag 36, version 0, the flag word (a set bit inherits) and the value block
    // of every property that the element sets.
    void Write(QDataStream &out) const;
    // Resets to a new element's payload first; false on another tag or version.
    [[nodiscard]] bool Read(QDataStream &in);

    TCmnThemeProperty<CCmnFormBoxRectExtents> m_Padding;
    TCmnThemeProperty<QColor> m_BorderColor;
    TCmnThemeProperty<CCmnFormBoxBorderStyle> m_BorderStyle;
    TCmnThemeProperty<QColor> m_FillColor;
    TCmnThemeProperty<CCmnFormBoxFillStyle> m_FillStyle;
    TCmnThemeProperty<QString> m_TextFace;
    TCmnThemeProperty<QString> m_TextSize;
    TCmnThemeProperty<QColor> m_TextColor;
    TCmnThemeProperty<CCmnFormBoxTextAlign> m_TextAlign;
    TCmnThemeProperty<double> m_TextScale;
    TCmnThemeProperty<CCmnFormBoxPicturePos> m_PicturePos;
    TCmnThemeProperty<CCmnMetric> m_SingleExtent;
};

void CmnWriteThemedFormBoxGenericLayout(QDataStream &out, const CCmnThemedFormBoxGenericLayout &layout);
// Marks the stream corrupt when the payload's reader fails.
void CmnReadThemedFormBoxGenericLayout(QDataStream &in, CCmnThemedFormBoxGenericLayout &layout);
