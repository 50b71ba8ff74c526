#pragma once

#include "cmnslotblocker.h"

#include <QDoubleSpinBox>

class CCmnDataExchange;
class CCmnMetric;

// The spin box in which every length of the box property controls is edited.
class CCmnMetricWidget : public QDoubleSpinBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnMetricWidget(QWidget *parent = nullptr);
};

// Moves a length between the spin box and the data. A load shows it in the
// user's measurement unit (setting the spin box up for that unit the first
// time), so a save gives back the length in that unit. False when refused.
[[nodiscard]] bool CmnExchangeMetric(CCmnMetricWidget *spinBox, const CCmnDataExchange *exchange,
                                     CCmnMetric *metric);
