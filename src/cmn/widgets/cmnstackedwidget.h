#pragma once

#include "cmnslotblocker.h"

#include <QStackedWidget>

// A QStackedWidget with the framework's slot-blocking counter.
class CCmnStackedWidget : public QStackedWidget, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnStackedWidget(QWidget *parent = nullptr);
};
