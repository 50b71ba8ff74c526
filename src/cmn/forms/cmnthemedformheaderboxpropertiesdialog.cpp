#include "cmnthemedformheaderboxpropertiesdialog.h"

CCmnThemedFormHeaderBoxPropertiesDialog::CCmnThemedFormHeaderBoxPropertiesDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormBoxNames &boxNames,
    const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesDialog(theme, defaultTheme, QStringLiteral("CMN-HEADER"), boxNames, autoParams, parent)
{
    setWindowTitle(QStringLiteral("Header Settings"));
    SetHelpPage(QStringLiteral("CCmnThemedFormHeaderBoxPropertiesDialog.html"));
}
