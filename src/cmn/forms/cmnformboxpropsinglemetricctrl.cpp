#include "cmnformboxpropsinglemetricctrl.h"

#include "cmnmetricwidget.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropSinglemetricCtrl::CCmnFormBoxPropSinglemetricCtrl(QObject *parent)
    : TCmnFormBoxPropCtrl<CCmnMetric>(parent)
{
}

CCmnLayoutItem CCmnFormBoxPropSinglemetricCtrl::CreateWidgets(const QString &label, qint32 flags, CCmnMetric *value,
                                                             const CCmnMetric &defaultValue)
{
    SetValue(value, defaultValue);
    m_Metric = new CCmnMetricWidget;
    return CreateControls(label, flags, {m_Metric});
}

void CCmnFormBoxPropSinglemetricCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin,
                                                        const QString &prefix)
{
    TCmnFormBoxPropCtrl<CCmnMetric>::RegisterWhatsThis(mixin, prefix);
    SetWidgetHelpName(mixin, m_Metric, prefix + QStringLiteral("SingleExtent"));
}

bool CCmnFormBoxPropSinglemetricCtrl::DataExchange(CCmnDataExchange *context)
{
    if (!CmnExchangeMetric(m_Metric, context, ExchangedValue(context)))
        return false;
    return TCmnFormBoxPropCtrl<CCmnMetric>::DataExchange(context);
}
