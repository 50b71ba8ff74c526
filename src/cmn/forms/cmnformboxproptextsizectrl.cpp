#include "cmnformboxproptextsizectrl.h"

#include "cmnfontctrl.h"

CCmnFormBoxPropTextsizeCtrl::CCmnFormBoxPropTextsizeCtrl(QObject *parent)
    : CCmnFormBoxPropFontCtrl(parent, CmnFontCtrlSize | CmnFontCtrlNoStretch | CmnFontCtrlNoMargins, QStringLiteral("TextSize"))
{
}
