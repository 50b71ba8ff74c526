#include "cmnthemedformfooterornamentboxpropertiesdialog.h"

#include "cmnthemeaccessors.h"

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
    static const CCmnThemedFormBoxTabAccessors accessors{
        CmnThemeGetPicturePos,           CmnThemeGetTextSizeOrFooter,      CmnThemeGetTextColorOrFooter,
        CmnThemeGetTextFaceOrFooter,     CmnThemeGetTextAlignOrFooter,   CmnThemeGetBorderStyleOrFooter,
        CmnThemeGetFillStyleOrFooter,    CmnThemeGetPaddingOrFooter,     CmnThemeGetBorderColorOrFooter,
        CmnThemeGetFillColorOrFooter};
    return ExecTabsAndApply(*this, accessors);
}
