#pragma once

#include "cmnmetric.h"
#include "tcmnformboxpropctrl.h"

class CCmnMetricWidget;

// Edits one length of a form, such as the gap between its boxes.
class CCmnFormBoxPropSinglemetricCtrl : public TCmnFormBoxPropCtrl<CCmnMetric>
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropSinglemetricCtrl(QObject *parent = nullptr);

    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, CCmnMetric *value,
                                 const CCmnMetric &defaultValue);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnMetricWidget *MetricWidget() const { return m_Metric; }

private:
    CCmnMetricWidget *m_Metric = nullptr;
};
