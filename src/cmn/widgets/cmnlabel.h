#pragma once

#include "cmnslotblocker.h"

#include <QLabel>

// A QLabel with the framework's slot-blocking counter.
class CCmnLabel : public QLabel, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnLabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    explicit CCmnLabel(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
};
