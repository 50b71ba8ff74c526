#pragma once

#include "cmnslotblocker.h"

#include <QTabWidget>

// A QTabWidget with the framework's slot-blocking counter.
class CCmnTabWidget : public QTabWidget, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnTabWidget(QWidget *parent = nullptr);
};
