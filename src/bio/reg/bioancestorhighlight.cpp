#include "bioancestorhighlight.h"

#include "bioancestoroccurrences.h"
#include "bioancestorhighlightpalette.h"

namespace {

CBioAncestorOccurrences::Counts SideTotals(const CBioAncestorOccurrences &occurrences)
{
    CBioAncestorOccurrences::Counts totals;
    for (const CBioAncestorOccurrences::Counts &counts : occurrences.PerGeneration()) {
        totals.sireSide += counts.sireSide;
        totals.damSide += counts.damSide;
    }
    return totals;
}

bool Qualifies(int mode, const CBioAncestorOccurrences &occurrences)
{
    const CBioAncestorOccurrences::Counts totals = SideTotals(occurrences);
    switch (mode) {
    case BioHighlightRepeatAncestors:
        return totals.sireSide + totals.damSide > 1;
    case BioHighlightCommonAncestors:
        return totals.sireSide > 0 && totals.damSide > 0;
    default:
        return false;
    }
}

} // namespace

QString BioAncestorHighlightModeText(int mode)
{
    switch (mode) {
    case BioHighlightNone:
        return QStringLiteral("No Highlight");
    case BioHighlightRepeatAncestors:
        return QStringLiteral("Highlight Repeat Ancestors");
    case BioHighlightCommonAncestors:
        return QStringLiteral("Highlight Common Ancestors");
    default:
        return QStringLiteral("??");
    }
}

QHash<int, QString> BioAssignAncestorHighlightColours(int mode, const QVector<CBioAncestorOccurrences> &occurrences,
                                                      const QVector<int> &ids)
{
    CBioAncestorHighlightPalette palette;
    QHash<int, QString> colours;
    // The lists are parallel; a shorter one ends the walk rather than being read past.
    const qsizetype count = qMin(occurrences.size(), ids.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (Qualifies(mode, occurrences.at(i)))
            colours.insert(ids.at(i), palette.NextColour());
    }
    return colours;
}
