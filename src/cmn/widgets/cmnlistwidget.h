#pragma once

#include "cmnslotblocker.h"

#include <QListWidget>

// A QListWidget with the framework's slot-blocking counter.
class CCmnListWidget : public QListWidget, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnListWidget(QWidget *parent = nullptr);
};
