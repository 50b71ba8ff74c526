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
        const qint32 n = m_Generations;
        const qint32 g = m_Generation;
#define BIO_CELL_SIZE(accessor) accessor(theme, defaultTheme, layoutElt, names, params, n, false)
#define BIO_CELL(accessor) accessor(theme, defaultTheme, layoutElt, names, params, n, g, false)
        box->SetTextFace(BIO_CELL_SIZE(BioCellSizeLayoutGetTextFace));
        box->SetTextSize(BIO_CELL_SIZE(BioCellSizeLayoutGetTextSize));
        box->SetPadding(BIO_CELL(BioCellLayoutGetPadding));
        box->SetTextScale(BIO_CELL(BioCellLayoutGetTextScale));
        box->SetBorderColor(BIO_CELL(BioCellLayoutGetBorderColor));
        box->SetBorderStyle(BIO_CELL(BioCellLayoutGetBorderStyle));
        box->SetFillColor(BIO_CELL(BioCellLayoutGetFillColor));
        box->SetFillStyle(BIO_CELL(BioCellLayoutGetFillStyle));
        box->SetTextColor(BIO_CELL(BioCellLayoutGetTextColor));
        box->SetTextAlign(BIO_CELL(BioCellLayoutGetTextAlign));
        box->SetPicturePos(BIO_CELL(BioCellLayoutGetPicturePos));
#undef BIO_CELL
#undef BIO_CELL_SIZE
    }
    CCmnThemedFormBoxGrab::GrabLayoutElt(theme, defaultTheme, layoutElt, form, boxId, names, params);
}
