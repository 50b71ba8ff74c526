#pragma once

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsScene>

// Sends a left-button mouse event to the scene as a view would, so that items
// are pressed, grabbed, dragged and released through the scene's own dispatch.
inline void OrvSendSceneMouse(QGraphicsScene &scene, QEvent::Type type, const QPointF &scenePos)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(scenePos);
    event.setScreenPos(scenePos.toPoint());
    event.setLastScenePos(scenePos);
    event.setLastScreenPos(scenePos.toPoint());
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    QApplication::sendEvent(&scene, &event);
}

inline void OrvDragInScene(QGraphicsScene &scene, const QPointF &from, const QPointF &to)
{
    OrvSendSceneMouse(scene, QEvent::GraphicsSceneMousePress, from);
    OrvSendSceneMouse(scene, QEvent::GraphicsSceneMouseMove, (from + to) / 2);
    OrvSendSceneMouse(scene, QEvent::GraphicsSceneMouseMove, to);
    OrvSendSceneMouse(scene, QEvent::GraphicsSceneMouseRelease, to);
}
