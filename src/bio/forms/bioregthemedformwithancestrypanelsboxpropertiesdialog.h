#pragma once

#include "cmnthemedformboxgenericpropertiestabsmixin.h"
#include "cmnthemedformboxpropertiestabdialog.h"

// "Ancestors Box Settings": the box that holds a chart's ancestry panel, with
// its picture on "Photo", its text on "Text" and its look on "Layout". The
// automatic values are those the panel box's grab gives it: no border and no
// padding unless the element sets them.
class CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesTabDialog,
                                                               public CCmnThemedFormBoxGenericPropertiesTabsMixin
{
    Q_OBJECT
public:
    CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                           const QString &layoutEltName, const QString &dataEltName,
                                                           const CCmnThemedFormBoxNames &boxNames,
                                                           const CCmnThemedFormAutoParams &autoParams,
                                                           QWidget *parent = nullptr);

    // Runs the dialog and, when it is accepted (1), writes the values into the
    // two elements; returns the dialog's result.
    int ExecAndApply();
};
