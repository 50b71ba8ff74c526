#pragma once

#include "bioancestrypanelsplits.h"
#include "bioregthemedformsettings.h"

#include <QHash>

// The settings of the charts with ancestry panels (pedigree, trial mating): how
// many generations they show and how the columns of each panel divide, per
// chart size and page orientation, once the user dragged a divider.
class CBioRegThemedFormWithAncestryPanelsSettings : public CBioRegThemedFormSettings
{
    Q_OBJECT
public:
    static constexpr qint32 kMinGenerations = 1;
    static constexpr qint32 kMaxGenerations = 6;

    using CBioRegThemedFormSettings::CBioRegThemedFormSettings;

    // The slot of the current size and orientation of that panel; for a chart of
    // one generation, a box of one column that needs no division.
    CCmnFormBoxSplitSettings GetPanelSplits(qint32 panelIndex) const;
    // Keeps a dragged division in the slot of the current size and orientation.
    void StorePanelSplits(qint32 panelIndex, const CCmnFormBoxSplitSettings &split);

    void CopyFrom(const CBioRegThemedFormWithAncestryPanelsSettings &other);
    bool IsEqual(const CBioRegThemedFormWithAncestryPanelsSettings &other) const;

    // Block 103, tag 97, version 0, the number of generations, then per panel in
    // ascending index a 0 byte, the index and its splits (tag 105), then 1.
    void Write(QDataStream &out) const;
    // False on another tag or version (the status left alone) or on a bad entry
    // (the stream marked corrupt). A number of generations outside 1 to 6 is
    // brought into range: the panel builds 2^(n+1) - 2 cells.
    [[nodiscard]] bool Read(QDataStream &in);

    qint32 m_Generations = 4;
    QHash<qint32, CBioRegAncestryPanelSplits> m_PanelSplits;
};
