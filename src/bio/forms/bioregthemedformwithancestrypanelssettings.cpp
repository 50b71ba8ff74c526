#include "bioregthemedformwithancestrypanelssettings.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

#include <algorithm>

namespace {
constexpr quint8 kAncestryPanelsSettingsTag = 97;
constexpr quint8 kAncestryPanelsSettingsVersion = 0;
constexpr quint8 kEntryMarker = 0;
constexpr quint8 kEndMarker = 1;
} // namespace

CCmnFormBoxSplitSettings CBioRegThemedFormWithAncestryPanelsSettings::GetPanelSplits(qint32 panelIndex) const
{
    const qint32 slot = CBioRegAncestryPanelSplits::SlotFor(m_Generations, m_Orientation);
    if (slot < 0)
        return CCmnFormBoxSplitSettings();
    const auto found = m_PanelSplits.constFind(panelIndex);
    if (found == m_PanelSplits.cend())
        return CBioRegAncestryPanelSplits::DefaultSlot(slot);
    return found->m_Slots[size_t(slot)];
}

void CBioRegThemedFormWithAncestryPanelsSettings::StorePanelSplits(qint32 panelIndex,
                                                                   const CCmnFormBoxSplitSettings &split)
{
    const qint32 slot = CBioRegAncestryPanelSplits::SlotFor(m_Generations, m_Orientation);
    if (slot >= 0)
        m_PanelSplits[panelIndex].m_Slots[size_t(slot)] = split;
}

void CBioRegThemedFormWithAncestryPanelsSettings::CopyFrom(const CBioRegThemedFormWithAncestryPanelsSettings &other)
{
    CBioRegThemedFormSettings::CopyFrom(other);
    m_Generations = other.m_Generations;
    m_PanelSplits = other.m_PanelSplits;
}

bool CBioRegThemedFormWithAncestryPanelsSettings::IsEqual(
    const CBioRegThemedFormWithAncestryPanelsSettings &other) const
{
    return CBioRegThemedFormSettings::IsEqual(other) && m_Generations == other.m_Generations
        && m_PanelSplits == other.m_PanelSplits;
}

void CBioRegThemedFormWithAncestryPanelsSettings::Write(QDataStream &out) const
{
    CBioRegThemedFormSettings::Write(out);
    out << kAncestryPanelsSettingsTag << kAncestryPanelsSettingsVersion << quint8(m_Generations);
    // Ascending, so that the same settings always give the same bytes.
    QList<qint32> indexes = m_PanelSplits.keys();
    std::sort(indexes.begin(), indexes.end());
    for (qint32 index : std::as_const(indexes)) {
        out << kEntryMarker << index;
        m_PanelSplits.value(index).Write(out);
    }
    out << kEndMarker;
}

bool CBioRegThemedFormWithAncestryPanelsSettings::Read(QDataStream &in)
{
    if (!CBioRegThemedFormSettings::Read(in))
        return false;
    if (!CmnReadTagAndVersion(in, kAncestryPanelsSettingsTag, kAncestryPanelsSettingsVersion))
        return false;
    quint8 generations = 0;
    in >> generations;
    m_Generations = std::clamp(qint32(generations), kMinGenerations, kMaxGenerations);
    m_PanelSplits.clear();
    for (;;) {
        quint8 marker = 0xFF;
        in >> marker;
        if (in.status() != QDataStream::Ok)
            return false;
        if (marker == kEndMarker)
            return true;
        if (marker != kEntryMarker)
            return CmnFailBlock(in);
        qint32 index = 0;
        in >> index;
        CBioRegAncestryPanelSplits splits;
        if (in.status() != QDataStream::Ok || !splits.Read(in))
            return CmnFailBlock(in);
        m_PanelSplits.insert(index, splits);
    }
}
