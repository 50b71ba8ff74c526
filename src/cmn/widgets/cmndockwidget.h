#pragma once

#include "cmnslotblocker.h"

#include <QDockWidget>

// A QDockWidget with the framework's slot-blocking counter.
class CCmnDockWidget : public QDockWidget, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnDockWidget(QWidget *parent = nullptr);
};
