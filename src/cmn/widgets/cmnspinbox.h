#pragma once

#include "cmnslotblocker.h"

#include <QSpinBox>

// A QSpinBox with the framework's slot-blocking counter.
class CCmnSpinBox : public QSpinBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnSpinBox(QWidget *parent = nullptr);
};
