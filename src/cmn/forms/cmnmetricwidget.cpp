#include "cmnmetricwidget.h"

#include "cmndataexchange.h"
#include "cmnsystemsettings.h"
#include "cmnwidgetsetup.h"

CCmnMetricWidget::CCmnMetricWidget(QWidget *parent)
    : QDoubleSpinBox(parent)
{
}

void CCmnMetricWidget::ShowMetric(const CCmnMetric &metric, qint32 unit)
{
    if (suffix().isEmpty())
        CmnSetupLengthSpinBox(this, unit, -1.0, -1.0, 0.0, 0);
    CCmnMetric shown = metric;
    shown.SetUnit(unit);
    setValue(shown.Length());
    m_Loaded = metric;
    m_ShownUnit = unit;
    // What the spin box made of it after rounding to its decimals and range.
    m_ShownLength = value();
}

CCmnMetric CCmnMetricWidget::ShownMetric() const
{
    if (value() == m_ShownLength)
        return m_Loaded;
    return {m_ShownUnit, value()};
}

bool CmnExchangeMetric(CCmnMetricWidget *spinBox, const CCmnDataExchange *exchange, CCmnMetric *metric)
{
    if (exchange->m_Save)
        *metric = spinBox->ShownMetric();
    else
        spinBox->ShowMetric(*metric, CmnGetSystemSettings()->m_MeasurementUnits);
    return true;
}
