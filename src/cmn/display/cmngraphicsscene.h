#pragma once

#include <QGraphicsScene>

// The scene class of forms and print previews, so that the scenes handed
// between the page scene widget and its owner have a type of our own.
class CCmnGraphicsScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit CCmnGraphicsScene(QObject *parent);
};
