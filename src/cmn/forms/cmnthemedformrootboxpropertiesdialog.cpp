#include "cmnthemedformrootboxpropertiesdialog.h"

#include "cmnthemeaccessors.h"

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
    // The root's text alignment, border style and padding have no form default.
    static const CCmnThemedFormBoxTabAccessors accessors{
        CmnThemeGetPicturePos,          CmnThemeGetTextSizeOrFormDefault,   CmnThemeGetTextColorOrFormDefault,
        CmnThemeGetTextFaceOrFormDefault, CmnThemeGetTextAlign,              CmnThemeGetBorderStyleOrNone,
        CmnThemeGetFillStyleOrFormDefault, CmnThemeGetPaddingOrNone,         CmnThemeGetBorderColorOrFormDefault,
        CmnThemeGetFillColorOrFormDefault};
    return ExecTabsAndApply(*this, accessors);
}
