#pragma once

#include "cmnthemedformboxpropertiesdialog.h"

// "Footer Settings": edits the look of a form's footer ("CMN-FOOTER").
class CCmnThemedFormFooterBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesDialog
{
    Q_OBJECT
public:
    CCmnThemedFormFooterBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                          const CCmnThemedFormBoxNames &boxNames,
                                          const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);
};
