#pragma once

#include "cmnslotblocker.h"

#include <QGroupBox>

// A QGroupBox with the framework's slot-blocking counter.
class CCmnGroupBox : public QGroupBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnGroupBox(QWidget *parent = nullptr);
};
