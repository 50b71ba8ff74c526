#pragma once

#include "cmnformboxpropfontctrl.h"

// Edits the point size of a box's font, as a font descriptor text.
class CCmnFormBoxPropTextsizeCtrl : public CCmnFormBoxPropFontCtrl
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropTextsizeCtrl(QObject *parent = nullptr);
};
