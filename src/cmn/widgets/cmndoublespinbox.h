#pragma once

#include "cmnslotblocker.h"

#include <QDoubleSpinBox>

// A QDoubleSpinBox with the framework's slot-blocking counter.
class CCmnDoubleSpinBox : public QDoubleSpinBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnDoubleSpinBox(QWidget *parent = nullptr);
};
