#pragma once

#include <QHash>
#include <QString>
#include <QVector>

class CBioAncestorOccurrences;

// Colours for the ancestors of a pairing that a chart marks, so that line
// breeding shows at a glance.
enum EBioAncestorHighlightMode : int {
    BioHighlightNone = 0,
    BioHighlightRepeatAncestors = 1,
    BioHighlightCommonAncestors = 2,
};

// "??" for a mode that is none of the three.
QString BioAncestorHighlightModeText(int mode);

// An ancestor id to its colour ("#RRGGBB"), for the ancestors the mode selects:
// repeat ancestors are met along more than one path, common ancestors on both the
// sire's and the dam's side. Colours follow the order of the lists, the parallel
// outputs of one CBioPedigree::CollectAncestors walk.
QHash<int, QString> BioAssignAncestorHighlightColours(int mode, const QVector<CBioAncestorOccurrences> &occurrences,
                                                      const QVector<int> &ids);
