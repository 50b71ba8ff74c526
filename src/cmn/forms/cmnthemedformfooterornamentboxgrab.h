#pragma once

#include "cmnthemedformboxgrab.h"

// The grab of a footer ornament (a signature): its element, then the footer's, then the form defaults style it.
class CCmnThemedFormFooterOrnamentBoxGrab : public CCmnThemedFormBoxGrab
{
public:
    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override;

    static constexpr CCmnThemedFormBoxLayoutAccessors kLayoutAccessors{
        CmnThemeGetPaddingOrFooter,
        CmnThemeGetBorderColorOrFooter,
        CmnThemeGetBorderStyleOrFooter,
        CmnThemeGetFillColorOrFooter,
        CmnThemeGetFillStyleOrFooter,
        CmnThemeGetTextFaceOrFooter,
        CmnThemeGetTextSizeOrFooter,
        CmnThemeGetTextColorOrFooter,
        CmnThemeGetTextAlignOrFooter,
        CmnThemeGetPicturePos,
    };
};
