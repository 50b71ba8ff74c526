#include "cmnthemedformfooterornamentboxpropertiesdialog.h"

#include "cmnthemedformfooterornamentboxgrab.h"

CCmnThemedFormFooterOrnamentBoxPropertiesDialog::CCmnThemedFormFooterOrnamentBoxPropertiesDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
    const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesTabDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
    , CCmnThemedFormBoxGenericPropertiesTabsMixin(dataEltName)
{
    m_EltNames.append(dataEltName);
    CreateTabs(this, QStringLiteral("CCmnThemedFormFooterOrnamentBoxPropertiesDialog"));
}

int CCmnThemedFormFooterOrnamentBoxPropertiesDialog::ExecAndApply()
{
    return ExecTabsAndApply(*this, CCmnThemedFormFooterOrnamentBoxGrab::kLayoutAccessors);
}
