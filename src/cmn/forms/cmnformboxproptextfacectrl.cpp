#include "cmnformboxproptextfacectrl.h"

#include "cmnfontctrl.h"

CCmnFormBoxPropTextfaceCtrl::CCmnFormBoxPropTextfaceCtrl(QObject *parent)
    : CCmnFormBoxPropFontCtrl(parent, CmnFontCtrlFace | CmnFontCtrlStyle | CmnFontCtrlNoStretch | CmnFontCtrlNoMargins, QStringLiteral("TextFace"))
{
}
