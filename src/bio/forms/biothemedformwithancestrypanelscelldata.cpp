#include "biothemedformwithancestrypanelscelldata.h"

#include "bioterminology.h"
#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {
constexpr quint8 kCellDataTag = 107;
constexpr quint8 kCellDataVersion = 0;
} // namespace

CBioThemedFormWithAncestryPanelsCellData::CBioThemedFormWithAncestryPanelsCellData()
{
    SetDefaultTexts();
}

CCmnThemedFormBoxGenericData &CBioThemedFormWithAncestryPanelsCellData::GetEntry(qint32 n, qint32 g)
{
    Q_ASSERT(BioIsCellEntry(n, g));
    std::optional<CCmnThemedFormBoxGenericData> &entry = m_Entries[BioCellEntryIndex(n, g)];
    if (!entry)
        entry.emplace();
    return *entry;
}

const std::optional<CCmnThemedFormBoxGenericData> &CBioThemedFormWithAncestryPanelsCellData::Entry(qint32 n,
                                                                                                  qint32 g) const
{
    Q_ASSERT(BioIsCellEntry(n, g));
    return m_Entries[BioCellEntryIndex(n, g)];
}

void CBioThemedFormWithAncestryPanelsCellData::Reset()
{
    m_Entries.fill(std::nullopt);
    SetDefaultTexts();
}

void CBioThemedFormWithAncestryPanelsCellData::SetDefaultTexts()
{
    const QString name = QStringLiteral("[#%1]").arg(GetBioTerm(kBioTermName, BioTermBuiltIn));
    for (qint32 n = 1; n <= kBioCellChartSizes; ++n) {
        for (qint32 g = 0; g < n; ++g) {
            const QString text = name + (g < 3 ? QStringLiteral("\n") : QStringLiteral(" "))
                               + (g == 0 ? QStringLiteral("[@ * L 70]") : QStringLiteral("[@ * , 70]"));
            GetEntry(n, g).SetText(text, false);
        }
    }
}

void CBioThemedFormWithAncestryPanelsCellData::Write(QDataStream &out) const
{
    out << kCellDataTag << kCellDataVersion;
    for (qint32 n = 1; n <= kBioCellChartSizes; ++n) {
        for (qint32 g = 0; g < n; ++g) {
            if (const auto &entry = Entry(n, g)) {
                out << qint8(n) << qint8(g);
                entry->Write(out);
            }
        }
    }
    out << kBioCellEntriesEnd;
}

bool CBioThemedFormWithAncestryPanelsCellData::Read(QDataStream &in)
{
    if (!CmnReadTagAndVersion(in, kCellDataTag, kCellDataVersion))
        return false;
    Reset();
    return BioReadCellEntries(in, [&](qint32 n, qint32 g) {
        CCmnThemedFormBoxGenericData data;
        CmnReadThemedFormBoxGenericData(in, data);
        if (in.status() == QDataStream::Ok && BioIsCellEntry(n, g))
            m_Entries[BioCellEntryIndex(n, g)] = data;
    });
}
