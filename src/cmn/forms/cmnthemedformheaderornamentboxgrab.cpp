#include "cmnthemedformheaderornamentboxgrab.h"

#include "cmnthemeaccessors.h"

void CCmnThemedFormHeaderOrnamentBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                               const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                               const CCmnThemedFormBoxNames &names,
                                               const CCmnThemedFormAutoParams *params)
{
    static constexpr CLayoutAccessors kAccessors{
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
    GrabLayoutWith(kAccessors, theme, defaultTheme, layoutElt, form, boxId, names, params);
}
