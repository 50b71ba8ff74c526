#pragma once

#include "cmnslotblocker.h"

#include <QTableWidget>

// A QTableWidget with the framework's slot-blocking counter.
class CCmnTableWidget : public QTableWidget, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnTableWidget(QWidget *parent = nullptr);
};
