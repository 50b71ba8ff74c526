#pragma once

#include "cmnslotblocker.h"

#include <QMenu>

// A QMenu with the framework's slot-blocking counter.
class CCmnMenu : public QMenu, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnMenu(QWidget *parent = nullptr);
};
