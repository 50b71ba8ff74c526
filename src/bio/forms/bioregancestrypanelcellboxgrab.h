#pragma once

#include "bioregthemedformindividualboxgrab.h"

// The grab of one ancestor cell of a chart of n generations: its text is the
// entry (n, g) of the chart's cell data element, its look the levels of the
// cell layout element for that size and generation. It shows the photo of the
// record it is bound to, and its default fields are those of generation g.
class CBioRegAncestryPanelCellBoxGrab : public CBioRegThemedFormIndividualBoxGrab
{
public:
    CBioRegAncestryPanelCellBoxGrab(qint32 generations, qint32 generation);

    // Text and HTML flag of the entry (n, g); the entry's picture plays no part,
    // the cell shows its record's.
    void GrabDataElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &dataElt,
                     const CCmnThemedFormBoxNames &names, const CCmnThemedFormAutoParams *params) override;
    // Every property as the cell's own value, from the cell layout element's
    // levels; padding, text scale and gap follow the chart size when unset.
    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override;

    qint32 m_Generations;
    qint32 m_Generation;
};
