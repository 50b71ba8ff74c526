#pragma once

#include "cmnthemedformboxgrab.h"

// The grab of a header ornament (a logo): its element, then the header's, then the form defaults style it.
class CCmnThemedFormHeaderOrnamentBoxGrab : public CCmnThemedFormBoxGrab
{
public:
    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override;

    // The header chain, with the text size of a picture box.
    static constexpr CCmnThemedFormBoxLayoutAccessors kLayoutAccessors{
        CmnThemeGetPaddingOrHeader,
        CmnThemeGetBorderColorOrHeader,
        CmnThemeGetBorderStyleOrHeader,
        CmnThemeGetFillColorOrHeader,
        CmnThemeGetFillStyleOrHeader,
        CmnThemeGetTextFaceOrHeader,
        CmnThemeGetPicBoxTextSizeOrHeader,
        CmnThemeGetTextColorOrHeader,
        CmnThemeGetTextAlignOrHeader,
        CmnThemeGetPicturePos,
    };
};
