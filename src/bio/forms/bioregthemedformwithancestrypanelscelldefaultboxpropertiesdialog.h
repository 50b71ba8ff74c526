#pragma once

#include "cmnthemedformboxpropertiesdialog.h"

// "Ancestor Cell Settings - Default": the look of every ancestor cell of every
// chart size, from the default level of the chart's cell layout element.
// Padding, font scaling, photo position and gap follow the chart size, so they
// are not offered here.
class CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesDialog
{
    Q_OBJECT
public:
    CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                                      const QString &layoutEltName,
                                                                      const QString &dataEltName,
                                                                      const CCmnThemedFormBoxNames &boxNames,
                                                                      const CCmnThemedFormAutoParams &autoParams,
                                                                      QWidget *parent = nullptr);

    // Runs the dialog and, when it is accepted (1), writes the values into the
    // default level; returns the dialog's result.
    int ExecAndApply();
};
