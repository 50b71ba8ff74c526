#pragma once

class CCmnComboBox;
class QComboBox;
class QWidget;

// The choice of ancestor highlighting on the pedigree forms' side panel: one item
// per mode, the mode as the item's data.
CCmnComboBox *BioNewAncestorHighlightComboBox(QWidget *parent);
// The current item's mode held to 0..2; 0 with no current item.
int BioGetAncestorHighlightMode(const QComboBox *comboBox);
