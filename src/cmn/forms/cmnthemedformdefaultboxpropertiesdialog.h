#pragma once

#include "cmnthemedformboxpropertiesdialog.h"

// "Form Defaults": edits the defaults of every box of a form: padding, fill, the gap between boxes and the colours ("CMN-DEFAULT").
class CCmnThemedFormDefaultBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesDialog
{
    Q_OBJECT
public:
    CCmnThemedFormDefaultBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                          const CCmnThemedFormBoxNames &boxNames,
                                          const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);

    // Runs the dialog and, when it is accepted (1), writes the values into the
    // element; returns the dialog's result.
    int ExecAndApply();
};
