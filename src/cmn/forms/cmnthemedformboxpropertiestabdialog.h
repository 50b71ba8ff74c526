#pragma once

#include "cmntabdialog.h"
#include "cmnthemedformboxpropertiesdialogortabmixin.h"

class CCmnThemedFormBoxGenericPropertiesTabsMixin;

// A tabbed dialog that edits the layout and the data element of one box of a
// themed form (its root or an ornament) in a theme copy.
class CCmnThemedFormBoxPropertiesTabDialog : public CCmnTabDialog, public CCmnThemedFormBoxPropertiesDialogOrTabMixin
{
    Q_OBJECT
public:
    CCmnThemedFormBoxPropertiesTabDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                         const QString &layoutEltName, const CCmnThemedFormBoxNames &boxNames,
                                         const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);
    ~CCmnThemedFormBoxPropertiesTabDialog() override;

protected:
    // Fills the tabs from the elements through the accessors of the box's grab,
    // runs the dialog and, when it is accepted (1), writes the properties, the
    // picture and the text back; returns the dialog's result.
    int ExecTabsAndApply(CCmnThemedFormBoxGenericPropertiesTabsMixin &tabs,
                         const CCmnThemedFormBoxLayoutAccessors &accessors);
};
