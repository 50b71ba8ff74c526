#include "cmnthemedformrootboxpropertiesdialog.h"

#include "cmnthemedformrootboxgrab.h"

CCmnThemedFormRootBoxPropertiesDialog::CCmnThemedFormRootBoxPropertiesDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
    const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesTabDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
    , CCmnThemedFormBoxGenericPropertiesTabsMixin(dataEltName)
{
    m_EltNames.append(dataEltName);
    CreateTabs(this, QStringLiteral("CCmnThemedFormRootBoxPropertiesDialog"));
}

int CCmnThemedFormRootBoxPropertiesDialog::ExecAndApply()
{
    return ExecTabsAndApply(*this, CCmnThemedFormRootBoxGrab::kLayoutAccessors);
}
