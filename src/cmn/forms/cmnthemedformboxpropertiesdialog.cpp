#include "cmnthemedformboxpropertiesdialog.h"

#include "cmnthemeaccessors.h"

CCmnThemedFormBoxPropertiesDialog::CCmnThemedFormBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                                     const QString &layoutEltName,
                                                                     const CCmnThemedFormBoxNames &boxNames,
                                                                     const CCmnThemedFormAutoParams &autoParams,
                                                                     QWidget *parent)
    : CCmnFormBoxPropertiesDialog(parent)
    , CCmnThemedFormBoxPropertiesDialogOrTabMixin(theme, defaultTheme, layoutEltName, boxNames, autoParams)
{
}

CCmnThemedFormBoxPropertiesDialog::~CCmnThemedFormBoxPropertiesDialog() = default;

int CCmnThemedFormBoxPropertiesDialog::ExecHeaderOrFooter()
{
    CCmnThemedFormBoxGenericLayout *layout = LayoutForWrite();
    if (!layout)
        return QDialog::Rejected;
    CCmnFormBoxPropertiesPanel &panel = *Panel();
    // The form defaults set no border style, so it falls back to the built-in one.
    AddThemedCtrl(panel, *layout, kCmnThemedBorderStyle, CmnThemeGetBorderStyle);
    AddThemedCtrl(panel, *layout, kCmnThemedFillStyle, CmnThemeGetFillStyleOrFormDefault);
    AddThemedCtrl(panel, *layout, kCmnThemedPadding, CmnThemeGetPaddingOrFormDefault);
    AddThemedCtrl(panel, *layout, kCmnThemedBorderColor, CmnThemeGetBorderColorOrFormDefault);
    AddThemedCtrl(panel, *layout, kCmnThemedFillColor, CmnThemeGetFillColorOrFormDefault);
    AddThemedCtrl(panel, *layout, kCmnThemedTextColor, CmnThemeGetTextColorOrFormDefault);
    AddThemedCtrl(panel, *layout, kCmnThemedTextFace, CmnThemeGetTextFaceOrFormDefault);
    AddThemedCtrl(panel, *layout, kCmnThemedTextSize, CmnThemeGetTextSizeOrFormDefault);
    AddThemedCtrl(panel, *layout, kCmnThemedTextAlign, CmnThemeGetTextAlignOrFormDefault);
    return ExecAndStore();
}

int CCmnThemedFormBoxPropertiesDialog::ExecAndStore()
{
    const int result = Exec();
    if (result == QDialog::Accepted)
        StoreThemedCtrls();
    return result;
}
