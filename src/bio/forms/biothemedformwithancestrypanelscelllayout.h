#pragma once

#include "biothemedformwithancestrypanelscelldata.h"
#include "cmnthemedformboxgenericlayout.h"

// The look of the ancestor cells of a chart at three levels: one default for
// every cell, optionally one per chart size, and optionally one per chart size
// and generation. The theme accessors see the default level as the element's
// properties.
class CBioThemedFormWithAncestryPanelsCellLayout
{
public:
    bool operator==(const CBioThemedFormWithAncestryPanelsCellLayout &) const = default;

    const CCmnThemedFormBoxGenericLayout &DefaultLayout() const { return m_DefaultLayout; }
    CCmnThemedFormBoxGenericLayout &DefaultLayout() { return m_DefaultLayout; }
    // Created with every property inherited when absent; n in 1 to 6.
    CCmnThemedFormBoxGenericLayout &GetSizeLayout(qint32 n);
    // Created with every property inherited when absent; (n, g) an entry of the table.
    CCmnThemedFormBoxGenericLayout &GetGenLayout(qint32 n, qint32 g);
    // Null when absent or out of the table.
    const CCmnThemedFormBoxGenericLayout *SizeLayout(qint32 n) const;
    const CCmnThemedFormBoxGenericLayout *GenLayout(qint32 n, qint32 g) const;

    // Tag 106, version 0, the default layout, the size mask (bit n for each
    // size layout present), those layouts by n, then each generation layout as
    // (i8 n, i8 g, layout) by n then g, then 127.
    void Write(QDataStream &out) const;
    // False on another tag or version, or when the stream fails. Size layouts
    // of mask bits 7 to 31 are read and dropped.
    [[nodiscard]] bool Read(QDataStream &in);

private:
    CCmnThemedFormBoxGenericLayout m_DefaultLayout;
    std::array<std::optional<CCmnThemedFormBoxGenericLayout>, kBioCellChartSizes> m_SizeLayouts;
    std::array<std::optional<CCmnThemedFormBoxGenericLayout>, kBioCellChartSizes * kBioCellChartSizes> m_GenLayouts;
};

using CBioThemedFormWithAncestryPanelsCellLayoutElt =
    TCmnThemePayloadElt<CBioThemedFormWithAncestryPanelsCellLayout>;
