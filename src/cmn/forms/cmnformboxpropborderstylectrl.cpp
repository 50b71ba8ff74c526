#include "cmnformboxpropborderstylectrl.h"

#include "cmnboxlayout.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmnformboxenumcombos.h"
#include "cmnlabel.h"
#include "cmnmetricwidget.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropBorderstyleCtrl::CCmnFormBoxPropBorderstyleCtrl(QObject *parent)
    : TCmnFormBoxPropCtrl<CCmnFormBoxBorderStyle>(parent)
{
}

CCmnLayoutItem CCmnFormBoxPropBorderstyleCtrl::CreateWidgets(const QString &label, qint32 flags,
                                                            CCmnFormBoxBorderStyle *value,
                                                            const CCmnFormBoxBorderStyle &defaultValue)
{
    SetValue(value, defaultValue);
    m_LineStyle = CmnNewPenStyleComboBox(nullptr);
    m_Corner = CmnNewFormBoxEnumComboBox(CmnCornerStyleNames(), nullptr, QString(), nullptr);
    m_Thickness = new CCmnMetricWidget;
    QBoxLayout *thicknessRow =
        CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch | CmnBoxLayoutNoMargins,
                     m_Thickness, new CCmnLabel(QStringLiteral("thick")));
    return CreateControls(label, flags, {},
                          {CCmnGridItem::Widget(m_LineStyle, 0, 0), CCmnGridItem::Widget(m_Corner, 1, 0),
                           CCmnGridItem::Layout(thicknessRow, 2, 0)});
}

void CCmnFormBoxPropBorderstyleCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin,
                                                       const QString &prefix)
{
    TCmnFormBoxPropCtrl<CCmnFormBoxBorderStyle>::RegisterWhatsThis(mixin, prefix);
    SetWidgetHelpName(mixin, m_LineStyle, prefix + QStringLiteral("BorderStyle"));
    SetWidgetHelpName(mixin, m_Corner, prefix + QStringLiteral("BorderRoundness"));
    SetWidgetHelpName(mixin, m_Thickness, prefix + QStringLiteral("BorderThickness"));
}

bool CCmnFormBoxPropBorderstyleCtrl::DataExchange(CCmnDataExchange *context)
{
    CCmnFormBoxBorderStyle *style = ExchangedValue(context);
    if (!CmnExchangeComboByData(context, &style->m_LineStyle, m_LineStyle)
        || !CmnExchangeComboByData(context, &style->m_CornerStyle, m_Corner)
        || !CmnExchangeMetric(m_Thickness, context, &style->m_Thickness))
        return false;
    return TCmnFormBoxPropCtrl<CCmnFormBoxBorderStyle>::DataExchange(context);
}
