#pragma once

#include "cmnslotblocker.h"

#include <QPrintDialog>

// A QPrintDialog with the framework's slot-blocking counter.
class CCmnPrintDialog : public QPrintDialog, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnPrintDialog(QPrinter *printer, QWidget *parent = nullptr);
};
