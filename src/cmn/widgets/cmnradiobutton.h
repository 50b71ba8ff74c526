#pragma once

#include "cmnslotblocker.h"

#include <QRadioButton>

class QMouseEvent;

// A QRadioButton with the slot-blocking counter that reports double clicks, so
// that a dialog offering a choice can take a double click as choose-and-accept.
class CCmnRadioButton : public QRadioButton, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnRadioButton(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    // The event is valid only while the signal is being delivered.
    void SignalDoubleClicked(QMouseEvent *event);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
