#pragma once

#include "cmnslotblocker.h"

#include <QGraphicsView>

// A QGraphicsView with the framework's slot-blocking counter.
class CCmnGraphicsView : public QGraphicsView, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnGraphicsView(QWidget *parent = nullptr);
};
