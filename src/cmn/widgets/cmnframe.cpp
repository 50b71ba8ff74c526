#include "cmnframe.h"

CCmnFrame::CCmnFrame(QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags)
{
}
