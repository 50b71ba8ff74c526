#include "cmnregfieldcomboboxes.h"

#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmnregfielddef.h"

#include <algorithm>

namespace {

int ClampedData(const QComboBox *combo, int last)
{
    if (!combo || combo->currentIndex() < 0)
        return 0;
    return std::clamp(combo->currentData().toInt(), 0, last);
}

} // namespace

CCmnComboBox *CmnRegNewFieldTypeComboBox(const QList<qint32> *types, const QString &prefix, QWidget *parent)
{
    return CmnNewNamedCodeComboBox(types, CmnRegFieldMultilineText, CmnRegFieldTypeName, prefix, parent);
}

CCmnComboBox *CmnRegNewChoiceStyleComboBox(const QList<qint32> *styles, const QString &prefix, QWidget *parent)
{
    return CmnNewNamedCodeComboBox(styles, CmnRegChoiceRadio3, CmnRegChoiceStyleName, prefix, parent);
}

int CmnRegFieldTypeFromCombo(const QComboBox *combo)
{
    return ClampedData(combo, CmnRegFieldMultilineText);
}

int CmnRegChoiceStyleFromCombo(const QComboBox *combo)
{
    return ClampedData(combo, CmnRegChoiceRadio3);
}
