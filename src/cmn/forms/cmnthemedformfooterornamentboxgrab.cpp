#include "cmnthemedformfooterornamentboxgrab.h"

#include "cmnthemeaccessors.h"

void CCmnThemedFormFooterOrnamentBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                               const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                               const CCmnThemedFormBoxNames &names,
                                               const CCmnThemedFormAutoParams *params)
{
    static constexpr CLayoutAccessors kAccessors{
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
    GrabLayoutWith(kAccessors, theme, defaultTheme, layoutElt, form, boxId, names, params);
}
