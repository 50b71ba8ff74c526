#pragma once

#include "cmnthemedformboxgenericpropertiestabsmixin.h"
#include "cmnthemedformboxpropertiestabdialog.h"

// Edits an ornament box of a form's footer: its photo, its text and its look, on three tabs.
class CCmnThemedFormFooterOrnamentBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesTabDialog,
                                              public CCmnThemedFormBoxGenericPropertiesTabsMixin
{
    Q_OBJECT
public:
    CCmnThemedFormFooterOrnamentBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                          const QString &layoutEltName, const QString &dataEltName,
                                          const CCmnThemedFormBoxNames &boxNames,
                                          const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);

    // Runs the dialog and, when it is accepted (1), writes the values into the
    // elements; returns the dialog's result.
    int ExecAndApply();
};
