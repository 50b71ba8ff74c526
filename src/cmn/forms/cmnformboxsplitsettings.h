#pragma once

#include "cmnmetric.h"

#include <QColor>
#include <QList>

// How a container box divides among its children: side by side or stacked, with
// a gap between them, equally or by proportions (-1 for automatic), and whether
// design mode offers draggable dividers between them.
class CCmnFormBoxSplitSettings
{
public:
    bool operator==(const CCmnFormBoxSplitSettings &) const = default;

    // Appends automatic entries until the index exists, then sets it.
    void SetProportion(qint32 index, double value);
    // Makes exactly n proportions that add up to 1 (or, when every one is fixed
    // and they are small, to their own total): automatic entries share what the
    // fixed ones leave, each at least the minimum fraction.
    void NormaliseSplitProportions(qint32 n);
    // The share of each of n children as the layout uses them.
    QList<double> Shares(qint32 n) const;

    // Tag 33, two zero bytes and the fields in the order of the class.
    void Write(QDataStream &out) const;
    // Resets to the defaults first. Another tag marks the stream corrupt; a third
    // byte other than 0 fails without marking it (the caller does).
    [[nodiscard]] bool Read(QDataStream &in);

    CCmnMetric m_Gap;
    bool m_Horizontal = false;
    double m_MinimumFraction = 0.01;
    QList<double> m_Proportions;
    bool m_Dividers = false;
    bool m_EqualSplit = true;
    QColor m_DividerColor = QColor(0, 0, 255);
    bool m_LiveDividers = false;
};

// The settings of a box that neither it nor an ancestor sets.
const CCmnFormBoxSplitSettings &CmnDefaultFormBoxSplitSettings();
