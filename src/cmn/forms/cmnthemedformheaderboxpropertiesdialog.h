#pragma once

#include "cmnthemedformboxpropertiesdialog.h"

// "Header Settings": edits the look of a form's header ("CMN-HEADER").
class CCmnThemedFormHeaderBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesDialog
{
    Q_OBJECT
public:
    CCmnThemedFormHeaderBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                          const CCmnThemedFormBoxNames &boxNames,
                                          const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);
};
