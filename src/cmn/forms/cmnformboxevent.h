#pragma once

#include <QPoint>
#include <QSharedPointer>
#include <QtGlobal>

class CCmnFormBox;
class QGraphicsSceneContextMenuEvent;
class QGraphicsSceneMouseEvent;

// A mouse press or context-menu request on a box of a form. It lives only while
// the form's signal is delivered.
class CCmnFormBoxEvent
{
public:
    enum EKind : qint32 { MousePress = 0, ContextMenu = 1 };

    qint32 m_Kind = MousePress;
    qint32 m_BoxId = 0;
    QGraphicsSceneMouseEvent *m_MouseEvent = nullptr;         // for a press
    QGraphicsSceneContextMenuEvent *m_ContextEvent = nullptr; // for a context-menu request
    QSharedPointer<CCmnFormBox> m_Box;

    // Where on the screen it happened, for the menus and windows it opens:
    // the press's point, else the menu request's, else (-1, -1).
    QPoint ScreenPosition() const;
};
