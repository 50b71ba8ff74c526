#include "bioancestorhighlightcombobox.h"

#include "bioancestorhighlight.h"
#include "cmncombobox.h"

CCmnComboBox *BioNewAncestorHighlightComboBox(QWidget *parent)
{
    auto *combo = new CCmnComboBox(parent);
    for (int mode : {BioHighlightNone, BioHighlightRepeatAncestors, BioHighlightCommonAncestors})
        combo->addItem(BioAncestorHighlightModeText(mode), mode);
    combo->setMaxVisibleItems(20);
    return combo;
}

int BioGetAncestorHighlightMode(const QComboBox *comboBox)
{
    if (!comboBox || comboBox->currentIndex() < 0)
        return BioHighlightNone;
    return qBound(int(BioHighlightNone), comboBox->currentData().toInt(), int(BioHighlightCommonAncestors));
}
