#include "bioregthemedformwithancestrypanelscelldefaultboxpropertiesdialog.h"

#include "biothemedformwithancestrypanelscelllayout.h"
#include "cmnthemeaccessors.h"

CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog::
    CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                                      const QString &layoutEltName,
                                                                      const QString &dataEltName,
                                                                      const CCmnThemedFormBoxNames &boxNames,
                                                                      const CCmnThemedFormAutoParams &autoParams,
                                                                      QWidget *parent)
    : CCmnThemedFormBoxPropertiesDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
{
    m_EltNames.append(dataEltName);
    setWindowTitle(QStringLiteral("Ancestor Cell Settings - Default"));
    SetHelpPage(QStringLiteral("CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog.html"));
}

int CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog::ExecAndApply()
{
    std::optional<CBioThemedFormWithAncestryPanelsCellLayout> cells =
        PayloadForRead<CBioThemedFormWithAncestryPanelsCellLayout>(m_LayoutEltName);
    if (!cells)
        return QDialog::Rejected;
    CCmnThemedFormBoxGenericLayout &layout = cells->DefaultLayout();
    CCmnFormBoxPropertiesPanel &panel = *Panel();
    // The default level's look-ups, which the cells' size level falls back on.
    AddThemedCtrl(panel, layout, kCmnThemedBorderStyle, CmnThemeGetBorderStyle);
    AddThemedCtrl(panel, layout, kCmnThemedFillStyle, CmnThemeGetFillStyleOrFormDefault);
    AddThemedCtrl(panel, layout, kCmnThemedTextAlign, CmnThemeGetTextAlign);
    AddThemedCtrl(panel, layout, kCmnThemedBorderColor, CmnThemeGetBorderColorOrFormDefault);
    AddThemedCtrl(panel, layout, kCmnThemedFillColor, CmnThemeGetFillColorOrFormDefault);
    AddThemedCtrl(panel, layout, kCmnThemedTextColor, CmnThemeGetTextColorOrFormDefault);
    AddThemedCtrl(panel, layout, kCmnThemedTextFace, CmnThemeGetTextFaceOrFormDefault);
    AddThemedCtrl(panel, layout, kCmnThemedTextSize, CmnThemeGetTextSizeOrFormDefault, {},
                  QStringLiteral("Base Font Size (Pre-Scaled)"));
    const int result = ExecAndStore();
    if (result == QDialog::Accepted)
        WritePayload(m_LayoutEltName, *cells);
    return result;
}
