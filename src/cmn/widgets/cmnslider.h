#pragma once

#include "cmnslotblocker.h"

#include <QSlider>

// A QSlider with the framework's slot-blocking counter.
class CCmnSlider : public QSlider, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnSlider(QWidget *parent = nullptr);
};
