#pragma once

#include "cmnmetric.h"
#include "cmnslotblocker.h"

#include <QDoubleSpinBox>

class CCmnDataExchange;

// The spin box in which every length of the box property controls is edited. It
// remembers the length it last showed, so that a length the user leaves alone
// comes back exactly as it was given, in its own unit, whatever the spin box
// rounded it to for showing.
class CCmnMetricWidget : public QDoubleSpinBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnMetricWidget(QWidget *parent = nullptr);

    // Shows the length in the unit, setting the spin box up for the unit the first time.
    void ShowMetric(const CCmnMetric &metric, qint32 unit);
    // The length shown, unchanged when the user did not change the number;
    // otherwise the number in the unit it was shown in.
    CCmnMetric ShownMetric() const;

private:
    CCmnMetric m_Loaded;
    double m_ShownLength = 0.0;
    qint32 m_ShownUnit = 0;
};

// Moves a length between the spin box and the data. A load shows it in the
// user's measurement unit; a save gives back the length as it was loaded when
// the number was not changed, else the new number in the user's unit. False
// when refused.
[[nodiscard]] bool CmnExchangeMetric(CCmnMetricWidget *spinBox, const CCmnDataExchange *exchange,
                                     CCmnMetric *metric);
