#include "bioancestrypanelsplits.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {

constexpr quint8 kAncestryPanelSplitsTag = 105;
constexpr quint8 kAncestryPanelSplitsVersion = 0;

// Proportions of charts of 2 to 6 generations, from the root side.
const QList<double> &DefaultProportions(qint32 generations)
{
    static const QList<QList<double>> proportions{
        {0.4, 0.6},
        {0.25, 0.3, 0.45},
        {0.16, 0.22, 0.27, 0.35},
        {0.15, 0.18, 0.21, 0.22, 0.24},
        {0.13, 0.15, 0.16, 0.17, 0.18, 0.21},
    };
    return proportions.at(generations - 2);
}

} // namespace

CBioRegAncestryPanelSplits::CBioRegAncestryPanelSplits()
{
    for (qint32 slot = 0; slot < kSlotCount; ++slot)
        m_Slots[size_t(slot)] = DefaultSlot(slot);
}

qint32 CBioRegAncestryPanelSplits::SlotFor(qint32 generations, quint32 orientation)
{
    if (generations < 2 || generations > 6)
        return -1;
    return 2 * (generations - 2) + (orientation == 0 ? 0 : 1);
}

CCmnFormBoxSplitSettings CBioRegAncestryPanelSplits::DefaultSlot(qint32 slot)
{
    const qint32 generations = slot / 2 + 2;
    CCmnFormBoxSplitSettings split;
    split.m_Horizontal = true;
    split.m_Dividers = true;
    split.m_EqualSplit = false;
    split.m_DividerColor = QColor(0xB7, 0xB9, 0xFF);
    split.m_MinimumFraction = 0.01;
    split.m_Proportions = DefaultProportions(generations);
    split.NormaliseSplitProportions(generations);
    return split;
}

void CBioRegAncestryPanelSplits::Write(QDataStream &out) const
{
    out << kAncestryPanelSplitsTag << kAncestryPanelSplitsVersion;
    for (const CCmnFormBoxSplitSettings &split : m_Slots)
        split.Write(out);
}

bool CBioRegAncestryPanelSplits::Read(QDataStream &in)
{
    if (!CmnReadTagAndVersion(in, kAncestryPanelSplitsTag, kAncestryPanelSplitsVersion))
        return CmnFailBlock(in);
    for (CCmnFormBoxSplitSettings &split : m_Slots) {
        if (!split.Read(in))
            return CmnFailBlock(in);
    }
    return in.status() == QDataStream::Ok;
}
