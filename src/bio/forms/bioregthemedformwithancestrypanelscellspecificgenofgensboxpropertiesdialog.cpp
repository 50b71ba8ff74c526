#include "bioregthemedformwithancestrypanelscellspecificgenofgensboxpropertiesdialog.h"

#include "bioancestorcellaccessors.h"
#include "biothemedformwithancestrypanelscelllayout.h"

#include <QtDebug>

CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog::
    CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog(
        CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
        const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent)
    : CCmnThemedFormBoxPropertiesTabDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
    , CCmnThemedFormBoxGenericPropertiesTabsMixin(dataEltName)
{
    m_EltNames.append(dataEltName);
    CreateTabs(this, QStringLiteral("CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog"),
               false);
}

void CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog::SetGenOfGens(qint32 n, qint32 g)
{
    m_Gens = n;
    m_Gen = g;
    setWindowTitle(QStringLiteral("Ancestor Cell Settings - G%1/%2 Specific").arg(g + 1).arg(n));
}

int CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog::ExecAndApply()
{
    const qint32 n = m_Gens;
    const qint32 g = m_Gen;
    if (!BioIsCellEntry(n, g)) {
        qWarning() << "No ancestor cell" << n << g << "to edit";
        return QDialog::Rejected;
    }
    // The controls edit copies, so that Cancel leaves the theme as it was.
    std::optional<CBioThemedFormWithAncestryPanelsCellLayout> cells =
        PayloadForRead<CBioThemedFormWithAncestryPanelsCellLayout>(m_LayoutEltName);
    std::optional<CBioThemedFormWithAncestryPanelsCellData> texts =
        PayloadForRead<CBioThemedFormWithAncestryPanelsCellData>(DataEltName());
    if (!cells || !texts)
        return QDialog::Rejected;
    CCmnThemedFormBoxGenericLayout &layout = cells->GetGenLayout(n, g);
    CCmnThemedFormBoxGenericData &entry = texts->GetEntry(n, g);

    CCmnFormBoxPropertiesPanel &text = *TextTab()->Panel();
    CCmnFormBoxPropertiesPanel &look = *LayoutTab()->Panel();
    text.m_Text = entry.m_Text.m_Text;
    text.m_Html = entry.m_Text.m_Html;
    // What the cells show now, and what they would show if (n, g) set nothing.
    const auto add = [&](CCmnFormBoxPropertiesPanel &panel, const auto &ctrl, auto accessor, const CCmnGridCell &cell) {
        AddThemedValueCtrl(panel, layout, ctrl,
                           accessor(m_Theme, m_DefaultTheme, m_LayoutEltName, m_BoxNames, &m_AutoParams, n, g, false),
                           accessor(m_Theme, m_DefaultTheme, m_LayoutEltName, m_BoxNames, &m_AutoParams, n, g, true),
                           cell);
    };
    add(text, kCmnThemedTextScale, BioCellLayoutGetTextScale, CCmnGridCell(1, 0));
    add(text, kCmnThemedTextColor, BioCellLayoutGetTextColor, CCmnGridCell(1, 1));
    add(text, kCmnThemedTextAlign, BioCellLayoutGetTextAlign, CCmnGridCell(2, 0));
    add(look, kCmnThemedBorderStyle, BioCellLayoutGetBorderStyle, CCmnGridCell(0, 0));
    add(look, kCmnThemedFillStyle, BioCellLayoutGetFillStyle, CCmnGridCell(0, 1));
    add(look, kCmnThemedBorderColor, BioCellLayoutGetBorderColor, CCmnGridCell(1, 0));
    add(look, kCmnThemedFillColor, BioCellLayoutGetFillColor, CCmnGridCell(1, 1));
    add(look, kCmnThemedPadding, BioCellLayoutGetPadding, CCmnGridCell(2, 0));
    add(look, kCmnThemedPicturePos, BioCellLayoutGetPicturePos, CCmnGridCell(2, 1));

    const int result = Exec();
    if (result == QDialog::Accepted) {
        StoreThemedCtrls();
        entry.SetText(text.m_Text, text.m_Html);
        WritePayload(m_LayoutEltName, *cells);
        WritePayload(DataEltName(), *texts);
    }
    return result;
}
