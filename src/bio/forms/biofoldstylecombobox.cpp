#include "biofoldstylecombobox.h"

#include "bioregcoversheetsettings.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"

QString BioFoldStyleName(int foldStyle)
{
    switch (foldStyle) {
    case 0: return QStringLiteral("Unfolded");
    case 1: return QStringLiteral("1 Fold");
    case 2: return QStringLiteral("2 Folds");
    default: return QStringLiteral("??");
    }
}

CCmnComboBox *BioCreateFoldStyleComboBox(const std::optional<QList<int>> &foldStyles, const QString &prefix,
                                         QWidget *parent)
{
    return CmnNewNamedCodeComboBox(foldStyles ? &*foldStyles : nullptr, CBioRegCoverSheetSettings::kMaxFoldStyle,
                                   BioFoldStyleName, prefix, parent);
}
