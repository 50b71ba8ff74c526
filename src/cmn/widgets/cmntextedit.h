#pragma once

#include "cmnslotblocker.h"

#include <QTextEdit>

// A QTextEdit with the framework's slot-blocking counter.
class CCmnTextEdit : public QTextEdit, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnTextEdit(QWidget *parent = nullptr);
};
