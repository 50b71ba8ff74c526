#include "cmnthemedformfooterboxpropertiesdialog.h"

CCmnThemedFormFooterBoxPropertiesDialog::CCmnThemedFormFooterBoxPropertiesDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormBoxNames &boxNames,
    const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesDialog(theme, defaultTheme, QStringLiteral("CMN-FOOTER"), boxNames, autoParams, parent)
{
    setWindowTitle(QStringLiteral("Footer Settings"));
    SetHelpPage(QStringLiteral("CCmnThemedFormFooterBoxPropertiesDialog.html"));
}
