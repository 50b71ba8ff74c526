#include "cmnthemedformdefaultboxpropertiesdialog.h"

#include "cmnthemeaccessors.h"

CCmnThemedFormDefaultBoxPropertiesDialog::CCmnThemedFormDefaultBoxPropertiesDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormBoxNames &boxNames,
    const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesDialog(theme, defaultTheme, QStringLiteral("CMN-DEFAULT"), boxNames, autoParams, parent)
{
    setWindowTitle(QStringLiteral("Form Defaults"));
    SetHelpPage(QStringLiteral("CCmnThemedFormDefaultBoxPropertiesDialog.html"));
}

int CCmnThemedFormDefaultBoxPropertiesDialog::ExecAndApply()
{
    CCmnThemedFormBoxGenericLayout *layout = LayoutForWrite();
    if (!layout)
        return QDialog::Rejected;
    CCmnFormBoxPropertiesPanel &panel = *Panel();
    // The plain accessors: the automatic value of the form defaults is the built-in one.
    AddThemedCtrl(panel, *layout, kCmnThemedPadding, CmnThemeGetPadding);
    AddThemedCtrl(panel, *layout, kCmnThemedFillStyle, CmnThemeGetFillStyle);
    AddThemedCtrl(panel, *layout, kCmnThemedSingleExtent, CmnThemeGetSingleExtent, {}, QStringLiteral("Box Gap"));
    AddThemedCtrl(panel, *layout, kCmnThemedBorderColor, CmnThemeGetBorderColor);
    AddThemedCtrl(panel, *layout, kCmnThemedFillColor, CmnThemeGetFillColor);
    AddThemedCtrl(panel, *layout, kCmnThemedTextColor, CmnThemeGetTextColor);
    return ExecAndStore();
}
