#include "cmnfontcombobox.h"

CCmnFontComboBox::CCmnFontComboBox(QWidget *parent)
    : QFontComboBox(parent)
{
}
