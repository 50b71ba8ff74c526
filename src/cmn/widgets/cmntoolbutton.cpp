#include "cmntoolbutton.h"

CCmnToolButton::CCmnToolButton(QWidget *parent)
    : QToolButton(parent)
{
}
