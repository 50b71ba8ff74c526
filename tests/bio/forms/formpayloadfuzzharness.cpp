#include "formpayloadfuzzharness.h"

#include "bioancestorcellaccessors.h"
#include "bioregcoversheetsettings.h"
#include "biodefaulttheme.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "biothemedformwithancestrypanelscelldata.h"
#include "biothemedformwithancestrypanelscelllayout.h"
#include "cmndatastream.h"
#include "cmntheme.h"
#include "cmnthemedformboxnames.h"

#include <QDataStream>

namespace {

// Every property the cells of every chart take from the theme's cell elements.
void ResolveEveryCell(CCmnTheme &theme)
{
    const CCmnTheme &defaults = BioGetDefaultTheme();
    const CCmnThemedFormBoxNames names;
    for (const char *chart : {"PEDIGREE", "TRIALMATING"}) {
        const QString stem = QLatin1String(chart) + QStringLiteral("-ANCESTORSPANEL0");
        const QString layout = stem + QStringLiteral("-CELLLAYOUT");
        const auto *data = dynamic_cast<const CBioThemedFormWithAncestryPanelsCellDataElt *>(
            theme.GetElt(stem + QStringLiteral("-CELLDATA"), defaults));
        for (qint32 n = 1; n <= kBioCellChartSizes; ++n) {
            (void)BioCellSizeLayoutGetTextFace(theme, defaults, layout, names, nullptr, n, false);
            (void)BioCellSizeLayoutGetTextSize(theme, defaults, layout, names, nullptr, n, false);
            (void)BioCellSizeLayoutGetBoxGap(theme, defaults, layout, names, nullptr, n, false);
            for (qint32 g = 0; g < n; ++g) {
                if (data)
                    (void)data->m_Payload.Entry(n, g);
                (void)BioCellLayoutGetPadding(theme, defaults, layout, names, nullptr, n, g, false);
                (void)BioCellLayoutGetBorderStyle(theme, defaults, layout, names, nullptr, n, g, false);
                (void)BioCellLayoutGetFillColor(theme, defaults, layout, names, nullptr, n, g, false);
                (void)BioCellLayoutGetFillStyle(theme, defaults, layout, names, nullptr, n, g, false);
                (void)BioCellLayoutGetTextColor(theme, defaults, layout, names, nullptr, n, g, false);
                (void)BioCellLayoutGetTextAlign(theme, defaults, layout, names, nullptr, n, g, false);
                (void)BioCellLayoutGetPicturePos(theme, defaults, layout, names, nullptr, n, g, false);
                (void)BioCellLayoutGetTextScale(theme, defaults, layout, names, nullptr, n, g, false);
            }
        }
    }
}

bool ReadOnce(QDataStream &in, int reader)
{
    switch (reader) {
    case BioFuzzCellData: {
        CBioThemedFormWithAncestryPanelsCellDataElt element(QStringLiteral("CELLDATA"));
        return element.Read(in);
    }
    case BioFuzzCellLayout: {
        CBioThemedFormWithAncestryPanelsCellLayoutElt element(QStringLiteral("CELLLAYOUT"));
        return element.Read(in);
    }
    case BioFuzzAncestrySettings: {
        CBioRegThemedFormWithAncestryPanelsSettings settings(true, 0.35, 0.0);
        return settings.Read(in) && settings.m_Generations >= 1 && settings.m_Generations <= 6;
    }
    case BioFuzzTheme: {
        CCmnTheme theme;
        const bool read = theme.Read(in);
        ResolveEveryCell(theme);
        return read;
    }
    case BioFuzzCoverSheetSettings: {
        CBioRegCoverSheetSettings settings;
        return settings.Read(in) && settings.m_FoldStyle >= 0 && settings.m_FoldStyle <= 2;
    }
    default:
        return false;
    }
}

} // namespace

int BioFuzzFormPayloads(const QByteArray &input)
{
    if (input.isEmpty())
        return 0;
    const QByteArray bytes = input.mid(1);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    int reads = 0;
    while (reads < 64 && ReadOnce(in, quint8(input.at(0)) % BioFuzzReaderCount))
        ++reads;
    return reads;
}
