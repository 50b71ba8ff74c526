#pragma once

#include <QList>
#include <QString>

#include <optional>

class CCmnComboBox;
class QComboBox;
class QWidget;

// Combo boxes of sexes, sex filters and species, worded by the terminology. Each
// item's text is the prefix and the item's word, its data the item's code; with
// no codes given, every code of its kind is offered.

// Sexes 0, 1, 2 by default; words as GetBioSexText gives them with the flags.
CCmnComboBox *BioNewSexComboBox(const std::optional<QList<int>> &codes, int flags, const QString &prefix,
                                QWidget *parent);
// Filters 0 to 3 by default, in the given style of BioSexFilterText.
CCmnComboBox *BioNewSexFilterComboBox(const std::optional<QList<int>> &codes, int style, const QString &prefix,
                                      QWidget *parent);
// Species 0 to 12 by default.
CCmnComboBox *BioNewSpeciesComboBox(const std::optional<QList<int>> &codes, const QString &prefix,
                                    QWidget *parent);
// The current item's species, clamped to the species codes; 0 with no current item.
int BioGetSpeciesFromComboBox(const QComboBox *combo);
