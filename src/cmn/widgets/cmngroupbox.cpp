#include "cmngroupbox.h"

CCmnGroupBox::CCmnGroupBox(QWidget *parent)
    : QGroupBox(parent)
{
}
