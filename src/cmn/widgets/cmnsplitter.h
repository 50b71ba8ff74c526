#pragma once

#include "cmnslotblocker.h"

#include <QSplitter>

// A QSplitter with the framework's slot-blocking counter.
class CCmnSplitter : public QSplitter, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnSplitter(QWidget *parent = nullptr);
};
