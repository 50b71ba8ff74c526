#include "bioregancestrypanelcellboxgrab.h"

#include "bioancestorcellaccessors.h"
#include "bioboxkind.h"
#include "biothemedformwithancestrypanelscelldata.h"
#include "cmnform.h"
#include "cmnformbox.h"
#include "cmntheme.h"

CBioRegAncestryPanelCellBoxGrab::CBioRegAncestryPanelCellBoxGrab(qint32 generations, qint32 generation)
    : CBioRegThemedFormIndividualBoxGrab(BioAncestorGenBoxKind(generation), true)
    , m_Generations(generations)
    , m_Generation(generation)
{
}

void CBioRegAncestryPanelCellBoxGrab::GrabDataElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                  const QString &dataElt, const CCmnThemedFormBoxNames &,
                                                  const CCmnThemedFormAutoParams *)
{
    // An entry the payload lacks reads as an empty one. The theme is only read:
    // it may be the built-in theme every form shares.
    CCmnThemedFormBoxGenericData entry;
    const auto *element =
        dynamic_cast<const CBioThemedFormWithAncestryPanelsCellDataElt *>(theme.GetElt(dataElt, defaultTheme));
    if (element && BioIsCellEntry(m_Generations, m_Generation)) {
        if (const auto &stored = element->m_Payload.Entry(m_Generations, m_Generation))
            entry = *stored;
    }
    m_Text = entry.m_Text.m_Text;
    m_Html = entry.m_Text.m_Html;
    // Another text may name other fields: the next binding works them out again.
    m_Modified = true;
    m_Pending = true;
}

void CBioRegAncestryPanelCellBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                    const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                                    const CCmnThemedFormBoxNames &names,
                                                    const CCmnThemedFormAutoParams *params)
{
    if (const QSharedPointer<CCmnFormBox> box = form.GetBox(boxId)) {
        // All cells of a chart share its size level; the rest is the generation's.
        const auto size = [&](auto accessor) {
            return accessor(theme, defaultTheme, layoutElt, names, params, m_Generations, false);
        };
        const auto cell = [&](auto accessor) {
            return accessor(theme, defaultTheme, layoutElt, names, params, m_Generations, m_Generation, false);
        };
        box->SetTextFace(size(BioCellSizeLayoutGetTextFace));
        box->SetTextSize(size(BioCellSizeLayoutGetTextSize));
        box->SetPadding(cell(BioCellLayoutGetPadding));
        box->SetTextScale(cell(BioCellLayoutGetTextScale));
        box->SetBorderColor(cell(BioCellLayoutGetBorderColor));
        box->SetBorderStyle(cell(BioCellLayoutGetBorderStyle));
        box->SetFillColor(cell(BioCellLayoutGetFillColor));
        box->SetFillStyle(cell(BioCellLayoutGetFillStyle));
        box->SetTextColor(cell(BioCellLayoutGetTextColor));
        box->SetTextAlign(cell(BioCellLayoutGetTextAlign));
        box->SetPicturePos(cell(BioCellLayoutGetPicturePos));
    }
    CCmnThemedFormBoxGrab::GrabLayoutElt(theme, defaultTheme, layoutElt, form, boxId, names, params);
}
