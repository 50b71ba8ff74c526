#include "cmnmenu.h"

CCmnMenu::CCmnMenu(QWidget *parent)
    : QMenu(parent)
{
}
