#include "cmnformboxproprectmetricsctrl.h"

#include "cmnlabel.h"
#include "cmnmetricwidget.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropRectmetricsCtrl::CCmnFormBoxPropRectmetricsCtrl(QObject *parent)
    : TCmnFormBoxPropCtrl<CCmnFormBoxRectExtents>(parent)
{
}

CCmnLayoutItem CCmnFormBoxPropRectmetricsCtrl::CreateWidgets(const QString &label, qint32 flags,
                                                            CCmnFormBoxRectExtents *value,
                                                            const CCmnFormBoxRectExtents &defaultValue)
{
    SetValue(value, defaultValue);
    const QStringList sideLabels{QStringLiteral("Left:"), QStringLiteral("Top:"), QStringLiteral("Right:"),
                                 QStringLiteral("Bottom:")};
    QList<CCmnGridItem> items;
    for (int side = 0; side < 4; ++side) {
        auto *sideLabel = new CCmnLabel(sideLabels.at(side));
        m_Sides[side] = new CCmnMetricWidget;
        sideLabel->setBuddy(m_Sides[side]);
        items << CCmnGridItem::Widget(sideLabel, side, 0) << CCmnGridItem::Widget(m_Sides[side], side, 1);
    }
    return CreateControls(label, flags, {}, items);
}

void CCmnFormBoxPropRectmetricsCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    TCmnFormBoxPropCtrl<CCmnFormBoxRectExtents>::RegisterWhatsThis(mixin, prefix);
    for (CCmnMetricWidget *side : m_Sides)
        SetWidgetHelpName(mixin, side, prefix + QStringLiteral("RectExtents"));
}

bool CCmnFormBoxPropRectmetricsCtrl::DataExchange(CCmnDataExchange *context)
{
    CCmnFormBoxRectExtents *extents = ExchangedValue(context);
    if (!CmnExchangeMetric(m_Sides[0], context, &extents->m_Left)
        || !CmnExchangeMetric(m_Sides[1], context, &extents->m_Top)
        || !CmnExchangeMetric(m_Sides[2], context, &extents->m_Right)
        || !CmnExchangeMetric(m_Sides[3], context, &extents->m_Bottom))
        return false;
    return TCmnFormBoxPropCtrl<CCmnFormBoxRectExtents>::DataExchange(context);
}
