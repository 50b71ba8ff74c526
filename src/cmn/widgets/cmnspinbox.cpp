#include "cmnspinbox.h"

CCmnSpinBox::CCmnSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
}
