#include "cmnthemedformheaderornamentboxpropertiesdialog.h"

#include "cmnthemedformheaderornamentboxgrab.h"

CCmnThemedFormHeaderOrnamentBoxPropertiesDialog::CCmnThemedFormHeaderOrnamentBoxPropertiesDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
    const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesTabDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
    , CCmnThemedFormBoxGenericPropertiesTabsMixin(dataEltName)
{
    m_EltNames.append(dataEltName);
    CreateTabs(this, QStringLiteral("CCmnThemedFormHeaderOrnamentBoxPropertiesDialog"));
}

int CCmnThemedFormHeaderOrnamentBoxPropertiesDialog::ExecAndApply()
{
    return ExecTabsAndApply(*this, CCmnThemedFormHeaderOrnamentBoxGrab::kLayoutAccessors);
}
