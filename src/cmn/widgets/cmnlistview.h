#pragma once

#include "cmnslotblocker.h"

#include <QListView>

// A QListView with the framework's slot-blocking counter.
class CCmnListView : public QListView, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnListView(QWidget *parent = nullptr);
};
