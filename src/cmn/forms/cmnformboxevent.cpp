#include "cmnformboxevent.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>

QPoint CCmnFormBoxEvent::ScreenPosition() const
{
    if (m_MouseEvent)
        return m_MouseEvent->screenPos();
    if (m_ContextEvent)
        return m_ContextEvent->screenPos();
    return QPoint(-1, -1);
}
