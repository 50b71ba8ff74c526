#pragma once

#include "cmnslotblocker.h"

#include <QFontComboBox>

// A QFontComboBox with the framework's slot-blocking counter.
class CCmnFontComboBox : public QFontComboBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnFontComboBox(QWidget *parent = nullptr);
};
