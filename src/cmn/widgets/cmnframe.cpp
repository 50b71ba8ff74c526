#include "cmnframe.h"

CCmnFrame::CCmnFrame(QWidget *parent)
    : QFrame(parent)
{
}
