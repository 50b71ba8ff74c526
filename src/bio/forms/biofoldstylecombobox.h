#pragma once

#include <QList>
#include <QString>

#include <optional>

class CCmnComboBox;
class QWidget;

// How often a cover sheet is folded, as the side panel names it: 0 "Unfolded",
// 1 "1 Fold", 2 "2 Folds", "??" for any other code.
QString BioFoldStyleName(int foldStyle);

// One item per fold style of the list (0 to 2 without one): the prefix and the
// style's name as text, the style as data; at most 20 items visible at once.
CCmnComboBox *BioCreateFoldStyleComboBox(const std::optional<QList<int>> &foldStyles, const QString &prefix,
                                         QWidget *parent);
