#pragma once

#include "cmnformboxpropfontctrl.h"

// Edits the typeface and style of a box's font, as a font descriptor text.
class CCmnFormBoxPropTextfaceCtrl : public CCmnFormBoxPropFontCtrl
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropTextfaceCtrl(QObject *parent = nullptr);
};
