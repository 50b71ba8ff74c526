#pragma once

#include "cmnslotblocker.h"

#include <QCheckBox>

// A QCheckBox with the framework's slot-blocking counter.
class CCmnCheckBox : public QCheckBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnCheckBox(const QString &text, QWidget *parent = nullptr);
};
