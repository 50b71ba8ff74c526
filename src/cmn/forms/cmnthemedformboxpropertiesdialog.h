#pragma once

#include "cmnformboxpropertiesdialog.h"
#include "cmnthemedformboxpropertiesdialogortabmixin.h"

// A single-page dialog that edits one layout element of a theme copy: the form
// defaults, the header or the footer settings.
class CCmnThemedFormBoxPropertiesDialog : public CCmnFormBoxPropertiesDialog,
                                          public CCmnThemedFormBoxPropertiesDialogOrTabMixin
{
    Q_OBJECT
public:
    CCmnThemedFormBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName,
                                      const CCmnThemedFormBoxNames &boxNames,
                                      const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);
    ~CCmnThemedFormBoxPropertiesDialog() override;

    // The header or footer settings: style, colours, font and alignment, each
    // falling back to the form defaults. Runs the dialog and, when it is accepted
    // (1), writes the values into the element; returns the dialog's result.
    int ExecHeaderOrFooter();

protected:
    // Runs the dialog on the controls added and stores them back when accepted.
    int ExecAndStore();
};
