#include "cmncombobox.h"

CCmnComboBox::CCmnComboBox(QWidget *parent)
    : QComboBox(parent)
{
}
