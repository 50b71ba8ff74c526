#include "cmnthemedformheaderornamentboxpropertiesdialog.h"

#include "cmnthemeaccessors.h"

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
    static const CCmnThemedFormBoxTabAccessors accessors{
        CmnThemeGetPicturePos,           CmnThemeGetPicBoxTextSizeOrHeader,      CmnThemeGetTextColorOrHeader,
        CmnThemeGetTextFaceOrHeader,     CmnThemeGetTextAlignOrHeader,   CmnThemeGetBorderStyleOrHeader,
        CmnThemeGetFillStyleOrHeader,    CmnThemeGetPaddingOrHeader,     CmnThemeGetBorderColorOrHeader,
        CmnThemeGetFillColorOrHeader};
    return ExecTabsAndApply(*this, accessors);
}
