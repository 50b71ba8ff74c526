#pragma once

#include <QList>
#include <QtGlobal>

class QComboBox;
class QDoubleSpinBox;
class QFont;
class QString;

// Set-up and read helpers for stock widgets that several windows share.

// Prepares a spin box for a length in an ECmnLengthUnit: range, single step,
// decimals and the unit's short name as suffix ("in", "cm", "mm"; "??" for
// another code). A minimum below 0 asks for the unit's defaults in place of all
// four numbers: 0 to 50 by 0.1 with 3 decimals for inches (and unknown codes),
// 0 to 100 by 0.25 with 2 for centimetres, 0 to 1000 by 2.5 with 1 for millimetres.
void CmnSetupLengthSpinBox(QDoubleSpinBox *spinBox, qint32 unit, double minimum, double maximum,
                           double singleStep, int decimals);

// The current item's data (Qt::UserRole) as an integer; 0 when no item is current.
int CmnComboCurrentIntData(const QComboBox *comboBox);

// Sets the current index only when it names an item (0 to count - 1).
void CmnSetComboCurrentIndex(QComboBox *comboBox, int index);

// Appends the item "--" without data and disables it, to divide a list.
void CmnComboAddSeparator(QComboBox *comboBox);

// Makes the item unselectable and greys its text with the palette's disabled
// text colour. Only items of a QStandardItemModel (the combo box's own) can be
// disabled; with another model, or an index outside the list, nothing happens.
void CmnComboDisableItem(QComboBox *comboBox, int index);

// Removes the items one by one, the last first.
void CmnComboRemoveAllItems(QComboBox *comboBox);

// Refills the combo box with the sizes in decimal (no data), editable or not,
// without signalling the refill itself. Then selects the wanted size when it is
// above 0 and offered, else the text that was current before, else the item a
// third of the way down; selecting signals as usual when the index changes.
void CmnComboFillSizes(QComboBox *comboBox, const QList<int> &sizes, bool editable, int wantedSize);

// CmnComboFillSizes with the font's face: a smoothly scalable face offers the
// font database's standard sizes in an editable box, any other face just the
// sizes it has, in a box that cannot be typed into.
void CmnComboFillFontSizes(QComboBox *comboBox, const QFont &font, int wantedSize);

// Refills the combo box with the styles of the font's family in the font
// database's order and selects the wanted style; when it is empty or not
// offered, the style that was current before; failing that, the first. Not
// silent: callers block their own slots.
void CmnComboFillFontStyles(QComboBox *comboBox, const QFont &font, const QString &wantedStyle);

// Gives the combo box a read-only line edit that opens the list when clicked,
// so that it can show a text of its own yet only be chosen from its list.
void CmnComboUseReadOnlyLineEdit(QComboBox *comboBox);
