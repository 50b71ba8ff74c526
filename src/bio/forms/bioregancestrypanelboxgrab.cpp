#include "bioregancestrypanelboxgrab.h"

#include "cmnthemeaccessors.h"

void CBioRegAncestryPanelBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                                const CCmnThemedFormBoxNames &names,
                                                const CCmnThemedFormAutoParams *params)
{
    static constexpr CLayoutAccessors kAccessors{
        CmnThemeGetPaddingOrNone,
        CmnThemeGetBorderColorOrFormDefault,
        CmnThemeGetBorderStyleOrNone,
        CmnThemeGetFillColorOrFormDefault,
        CmnThemeGetFillStyleOrFormDefault,
        CmnThemeGetTextFaceOrFormDefault,
        CmnThemeGetTextSizeOrFormDefault,
        CmnThemeGetTextColorOrFormDefault,
        CmnThemeGetTextAlignOrFormDefault,
        CmnThemeGetPicturePos,
    };
    GrabLayoutWith(kAccessors, theme, defaultTheme, layoutElt, form, boxId, names, params);
}
