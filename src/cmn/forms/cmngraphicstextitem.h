#pragma once

#include <QGraphicsTextItem>

// The text item of a form box; a class of its own so that boxes can be told
// apart from other text on a scene.
class CCmnGraphicsTextItem : public QGraphicsTextItem
{
    Q_OBJECT
public:
    explicit CCmnGraphicsTextItem(QGraphicsItem *parent = nullptr);
};
