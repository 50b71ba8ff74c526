#include "bioregthemedformwithancestrypanelscellspecificgensboxpropertiesdialog.h"

#include "bioancestorcellaccessors.h"
#include "biothemedformwithancestrypanelscelllayout.h"

#include <QtDebug>

CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog::
    CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog(
        CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
        const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
{
    m_EltNames.append(dataEltName);
    SetHelpPage(QStringLiteral("CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog.html"));
}

void CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog::SetGens(qint32 n)
{
    m_Gens = n;
    setWindowTitle(QStringLiteral("Ancestor Cell Settings - %1G Specific").arg(n));
}

int CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog::ExecAndApply()
{
    const qint32 n = m_Gens;
    if (n < 1 || n > kBioCellChartSizes) {
        qWarning() << "No chart size" << n << "to edit";
        return QDialog::Rejected;
    }
    std::optional<CBioThemedFormWithAncestryPanelsCellLayout> cells =
        PayloadForRead<CBioThemedFormWithAncestryPanelsCellLayout>(m_LayoutEltName);
    if (!cells)
        return QDialog::Rejected;
    CCmnThemedFormBoxGenericLayout &layout = cells->GetSizeLayout(n);
    CCmnFormBoxPropertiesPanel &panel = *Panel();
    // What the cells show now, and what they would show if size n set nothing.
    const auto add = [&](const auto &ctrl, auto accessor, const QString &label = {}) {
        AddThemedValueCtrl(panel, layout, ctrl,
                           accessor(m_Theme, m_DefaultTheme, m_LayoutEltName, m_BoxNames, &m_AutoParams, n, false),
                           accessor(m_Theme, m_DefaultTheme, m_LayoutEltName, m_BoxNames, &m_AutoParams, n, true),
                           {}, label);
    };
    add(kCmnThemedBorderStyle, BioCellSizeLayoutGetBorderStyle);
    add(kCmnThemedBorderColor, BioCellSizeLayoutGetBorderColor);
    add(kCmnThemedTextFace, BioCellSizeLayoutGetTextFace);
    add(kCmnThemedFillStyle, BioCellSizeLayoutGetFillStyle);
    add(kCmnThemedFillColor, BioCellSizeLayoutGetFillColor);
    add(kCmnThemedTextSize, BioCellSizeLayoutGetTextSize, QStringLiteral("Base Font Size (Pre-Scaled)"));
    add(kCmnThemedPicturePos, BioCellSizeLayoutGetPicturePos);
    add(kCmnThemedSingleExtent, BioCellSizeLayoutGetBoxGap, QStringLiteral("Box Gap"));
    add(kCmnThemedTextColor, BioCellSizeLayoutGetTextColor);
    add(kCmnThemedTextAlign, BioCellSizeLayoutGetTextAlign);
    const int result = ExecAndStore();
    if (result == QDialog::Accepted)
        WritePayload(m_LayoutEltName, *cells);
    return result;
}
