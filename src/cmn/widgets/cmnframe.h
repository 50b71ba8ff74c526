#pragma once

#include "cmnslotblocker.h"

#include <QFrame>

// A QFrame with the framework's slot-blocking counter; the base of the pickers'
// popups and cells and of the pixmap widget.
class CCmnFrame : public QFrame, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnFrame(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
};
