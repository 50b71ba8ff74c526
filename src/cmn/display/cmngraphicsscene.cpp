#include "cmngraphicsscene.h"

CCmnGraphicsScene::CCmnGraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
{
}
