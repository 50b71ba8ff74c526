#include "cmnthemesnamescombobox.h"

CCmnThemesNamesComboBox::CCmnThemesNamesComboBox(QWidget *parent)
    : TCmnNamedItemsNamesComboBox(parent)
{
    Set(QStringLiteral("Theme"), QStringLiteral("Theme"), QStringLiteral("Name"));
    SetBaseItemName(BaseThemeName());
}
