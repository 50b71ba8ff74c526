#include "cmntoolbar.h"

CCmnToolBar::CCmnToolBar(QWidget *parent)
    : QToolBar(parent)
{
}
