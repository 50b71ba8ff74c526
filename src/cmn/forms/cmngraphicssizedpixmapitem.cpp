#include "cmngraphicssizedpixmapitem.h"

#include <QPainter>
#include <QPainterPath>

CCmnGraphicsSizedPixmapItem::CCmnGraphicsSizedPixmapItem(QGraphicsItem *parent)
    : QGraphicsPixmapItem(parent)
{
    setTransformationMode(Qt::SmoothTransformation);
}

void CCmnGraphicsSizedPixmapItem::SetSize(const QSizeF &size)
{
    prepareGeometryChange();
    m_Size = size;
    update();
}

QRectF CCmnGraphicsSizedPixmapItem::boundingRect() const
{
    return {QPointF(0, 0), m_Size};
}

QPainterPath CCmnGraphicsSizedPixmapItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

void CCmnGraphicsSizedPixmapItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_Size.isEmpty() || pixmap().isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(boundingRect().toRect(), pixmap());
}
