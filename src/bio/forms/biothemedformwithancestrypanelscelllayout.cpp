#include "biothemedformwithancestrypanelscelllayout.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {
constexpr quint8 kCellLayoutTag = 106;
constexpr quint8 kCellLayoutVersion = 0;
constexpr qint32 kMaskBits = 32;
} // namespace

CCmnThemedFormBoxGenericLayout &CBioThemedFormWithAncestryPanelsCellLayout::GetSizeLayout(qint32 n)
{
    Q_ASSERT(n >= 1 && n <= kBioCellChartSizes);
    std::optional<CCmnThemedFormBoxGenericLayout> &layout = m_SizeLayouts[size_t(n - 1)];
    if (!layout)
        layout.emplace();
    return *layout;
}

CCmnThemedFormBoxGenericLayout &CBioThemedFormWithAncestryPanelsCellLayout::GetGenLayout(qint32 n, qint32 g)
{
    Q_ASSERT(BioIsCellEntry(n, g));
    std::optional<CCmnThemedFormBoxGenericLayout> &layout = m_GenLayouts[BioCellEntryIndex(n, g)];
    if (!layout)
        layout.emplace();
    return *layout;
}

const CCmnThemedFormBoxGenericLayout *CBioThemedFormWithAncestryPanelsCellLayout::SizeLayout(qint32 n) const
{
    if (n < 1 || n > kBioCellChartSizes)
        return nullptr;
    const auto &layout = m_SizeLayouts[size_t(n - 1)];
    return layout ? &*layout : nullptr;
}

const CCmnThemedFormBoxGenericLayout *CBioThemedFormWithAncestryPanelsCellLayout::GenLayout(qint32 n, qint32 g) const
{
    if (!BioIsCellEntry(n, g))
        return nullptr;
    const auto &layout = m_GenLayouts[BioCellEntryIndex(n, g)];
    return layout ? &*layout : nullptr;
}

void CBioThemedFormWithAncestryPanelsCellLayout::Write(QDataStream &out) const
{
    out << kCellLayoutTag << kCellLayoutVersion;
    m_DefaultLayout.Write(out);
    quint32 mask = 0;
    for (qint32 n = 1; n <= kBioCellChartSizes; ++n) {
        if (SizeLayout(n))
            mask |= 1U << n;
    }
    out << mask;
    for (qint32 n = 1; n <= kBioCellChartSizes; ++n) {
        if (const CCmnThemedFormBoxGenericLayout *layout = SizeLayout(n))
            layout->Write(out);
    }
    for (qint32 n = 1; n <= kBioCellChartSizes; ++n) {
        for (qint32 g = 0; g < n; ++g) {
            if (const CCmnThemedFormBoxGenericLayout *layout = GenLayout(n, g)) {
                out << qint8(n) << qint8(g);
                layout->Write(out);
            }
        }
    }
    out << kBioCellEntriesEnd;
}

bool CBioThemedFormWithAncestryPanelsCellLayout::Read(QDataStream &in)
{
    if (!CmnReadTagAndVersion(in, kCellLayoutTag, kCellLayoutVersion))
        return false;
    CmnReadThemedFormBoxGenericLayout(in, m_DefaultLayout);
    quint32 mask = 0;
    in >> mask;
    if (in.status() != QDataStream::Ok)
        return false;
    for (qint32 k = 1; k < kMaskBits; ++k) {
        const bool present = (mask & (1U << k)) != 0;
        std::optional<CCmnThemedFormBoxGenericLayout> layout;
        if (present) {
            layout.emplace();
            CmnReadThemedFormBoxGenericLayout(in, *layout);
            if (in.status() != QDataStream::Ok)
                return false;
        }
        if (k <= kBioCellChartSizes)
            m_SizeLayouts[size_t(k - 1)] = layout;
    }
    m_GenLayouts.fill(std::nullopt);
    return BioReadCellEntries(in, [&](qint32 n, qint32 g) {
        CCmnThemedFormBoxGenericLayout layout;
        CmnReadThemedFormBoxGenericLayout(in, layout);
        if (in.status() == QDataStream::Ok && BioIsCellEntry(n, g))
            m_GenLayouts[BioCellEntryIndex(n, g)] = layout;
    });
}
