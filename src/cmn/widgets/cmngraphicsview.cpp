#include "cmngraphicsview.h"

CCmnGraphicsView::CCmnGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
{
}
