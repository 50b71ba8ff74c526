#include "cmnthemedformrootboxgrab.h"

void CCmnThemedFormRootBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                               const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                               const CCmnThemedFormBoxNames &names,
                                               const CCmnThemedFormAutoParams *params)
{
    GrabLayoutWith(kLayoutAccessors, theme, defaultTheme, layoutElt, form, boxId, names, params);
}
