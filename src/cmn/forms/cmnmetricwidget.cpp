#include "cmnmetricwidget.h"

#include "cmndataexchange.h"
#include "cmnmetric.h"
#include "cmnsystemsettings.h"
#include "cmnwidgetsetup.h"

CCmnMetricWidget::CCmnMetricWidget(QWidget *parent)
    : QDoubleSpinBox(parent)
{
}

bool CmnExchangeMetric(CCmnMetricWidget *spinBox, const CCmnDataExchange *exchange, CCmnMetric *metric)
{
    if (!exchange->m_Save) {
        const qint32 unit = CmnGetSystemSettings()->m_MeasurementUnits;
        if (spinBox->suffix().isEmpty())
            CmnSetupLengthSpinBox(spinBox, unit, -1.0, -1.0, 0.0, 0);
        metric->SetUnit(unit);
    }
    double length = metric->Length();
    if (!exchange->ExchangeDoubleSpinBox(&length, spinBox))
        return false;
    metric->SetLength(length);
    return true;
}
