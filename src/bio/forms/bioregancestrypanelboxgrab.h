#pragma once

#include "cmnthemedformboxgrab.h"

// The grab of the box that holds an ancestry panel's columns: styled by the
// chart's panel layout element and the form defaults, with no padding and no
// border unless the element sets them. The gap between its columns is the cell
// gap, not its own.
class CBioRegAncestryPanelBoxGrab : public CCmnThemedFormBoxGrab
{
public:
    // The look-ups that style the box; its property dialog shows the same.
    static const CCmnThemedFormBoxLayoutAccessors &LayoutAccessors();

    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override;
};
