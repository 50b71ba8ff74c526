#pragma once

#include "cmnslotblocker.h"

#include <QFrame>

// A QFrame with the framework's slot-blocking counter.
class CCmnFrame : public QFrame, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnFrame(QWidget *parent = nullptr);
};
