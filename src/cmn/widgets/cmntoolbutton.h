#pragma once

#include "cmnslotblocker.h"

#include <QToolButton>

// A QToolButton with the framework's slot-blocking counter.
class CCmnToolButton : public QToolButton, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnToolButton(QWidget *parent = nullptr);
};
