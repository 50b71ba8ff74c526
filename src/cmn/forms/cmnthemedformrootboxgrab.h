#pragma once

#include "cmnthemedformboxgrab.h"

// The grab of the root box of a themed form: the form defaults style it, it never has a border or padding of its own unless its element sets them.
class CCmnThemedFormRootBoxGrab : public CCmnThemedFormBoxGrab
{
public:
    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override;

    // Nor does its text alignment fall back to the form defaults.
    static constexpr CCmnThemedFormBoxLayoutAccessors kLayoutAccessors{
        CmnThemeGetPaddingOrNone,
        CmnThemeGetBorderColorOrFormDefault,
        CmnThemeGetBorderStyleOrNone,
        CmnThemeGetFillColorOrFormDefault,
        CmnThemeGetFillStyleOrFormDefault,
        CmnThemeGetTextFaceOrFormDefault,
        CmnThemeGetTextSizeOrFormDefault,
        CmnThemeGetTextColorOrFormDefault,
        CmnThemeGetTextAlign,
        CmnThemeGetPicturePos,
    };
};
