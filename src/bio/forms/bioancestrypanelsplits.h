#pragma once

#include "cmnformboxsplitsettings.h"

#include <array>

// How the columns of one ancestry panel divide, for every chart size of 2 to 6
// generations on a portrait and on a landscape page: slot 2(n - 2) portrait,
// slot 2(n - 2) + 1 landscape. A chart of one generation has one column and no slot.
class CBioRegAncestryPanelSplits
{
public:
    static constexpr qint32 kSlotCount = 10;

    // Every slot at its default proportions.
    CBioRegAncestryPanelSplits();

    bool operator==(const CBioRegAncestryPanelSplits &) const = default;

    // -1 for a size that has no slot.
    static qint32 SlotFor(qint32 generations, quint32 orientation);
    // Columns side by side with movable dividers, proportions from the root
    // column out, normalised to the chart size.
    static CCmnFormBoxSplitSettings DefaultSlot(qint32 slot);

    // Tag 105, version 0, the ten slots in order.
    void Write(QDataStream &out) const;
    // Marks the stream corrupt on any failure.
    [[nodiscard]] bool Read(QDataStream &in);

    std::array<CCmnFormBoxSplitSettings, kSlotCount> m_Slots;
};
