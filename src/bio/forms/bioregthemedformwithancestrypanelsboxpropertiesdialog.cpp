#include "bioregthemedformwithancestrypanelsboxpropertiesdialog.h"

#include "bioregancestrypanelboxgrab.h"

CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog::CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog(
    CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
    const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesTabDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
    , CCmnThemedFormBoxGenericPropertiesTabsMixin(dataEltName)
{
    m_EltNames.append(dataEltName);
    CreateTabs(this, QStringLiteral("CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog"));
}

int CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog::ExecAndApply()
{
    return ExecTabsAndApply(*this, CBioRegAncestryPanelBoxGrab::LayoutAccessors());
}
