#pragma once

#include "cmnslotblocker.h"

#include <QDialogButtonBox>

// A QDialogButtonBox with the framework's slot-blocking counter.
class CCmnDialogButtonBox : public QDialogButtonBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnDialogButtonBox(QDialogButtonBox::StandardButtons buttons,
                                 Qt::Orientation orientation = Qt::Horizontal,
                                 QWidget *parent = nullptr);
};
