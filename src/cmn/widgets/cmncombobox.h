#pragma once

#include "cmnslotblocker.h"

#include <QComboBox>

// A QComboBox with the framework's slot-blocking counter.
class CCmnComboBox : public QComboBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnComboBox(QWidget *parent = nullptr);
};
