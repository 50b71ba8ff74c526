#include "cmngraphicstextitem.h"

CCmnGraphicsTextItem::CCmnGraphicsTextItem(QGraphicsItem *parent)
    : QGraphicsTextItem(parent)
{
}
