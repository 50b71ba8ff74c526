#include "bioregancestrypanelboxgrab.h"

#include "cmnthemedformrootboxgrab.h"

const CCmnThemedFormBoxLayoutAccessors &CBioRegAncestryPanelBoxGrab::LayoutAccessors()
{
    static constexpr CCmnThemedFormBoxLayoutAccessors kAccessors = [] {
        // As the form's root, but the form defaults' text alignment applies.
        CCmnThemedFormBoxLayoutAccessors accessors = CCmnThemedFormRootBoxGrab::kLayoutAccessors;
        accessors.m_TextAlign = CmnThemeGetTextAlignOrFormDefault;
        return accessors;
    }();
    return kAccessors;
}

void CBioRegAncestryPanelBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                                const CCmnThemedFormBoxNames &names,
                                                const CCmnThemedFormAutoParams *params)
{
    GrabLayoutWith(LayoutAccessors(), theme, defaultTheme, layoutElt, form, boxId, names, params);
}
