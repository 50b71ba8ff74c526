#pragma once

#include "cmnslotblocker.h"

#include <QGroupBox>

class CCmnLayoutItem;

// A QGroupBox with the framework's slot-blocking counter.
class CCmnGroupBox : public QGroupBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnGroupBox(QWidget *parent = nullptr);
};

// A new group box with the title and parent around the item: its widget in a
// vertical box layout without margins, or, for an item with only a layout, that
// very layout. Null, creating nothing, for an item with neither.
CCmnGroupBox *CmnNewGroupBox(const CCmnLayoutItem &item, const QString &title, QWidget *parent = nullptr);
