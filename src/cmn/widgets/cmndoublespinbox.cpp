#include "cmndoublespinbox.h"

CCmnDoubleSpinBox::CCmnDoubleSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
}
