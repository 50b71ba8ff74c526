#pragma once

#include "cmnslotblocker.h"

#include <QToolBar>

// A QToolBar with the framework's slot-blocking counter.
class CCmnToolBar : public QToolBar, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnToolBar(QWidget *parent = nullptr);
};
