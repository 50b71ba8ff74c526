#include "cmnformboxpropfillstylectrl.h"

#include "cmnboxlayout.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmnlabel.h"
#include "cmnspinbox.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropFillstyleCtrl::CCmnFormBoxPropFillstyleCtrl(QObject *parent)
    : TCmnFormBoxPropCtrl<CCmnFormBoxFillStyle>(parent)
{
}

CCmnLayoutItem CCmnFormBoxPropFillstyleCtrl::CreateWidgets(const QString &label, qint32 flags,
                                                          CCmnFormBoxFillStyle *value,
                                                          const CCmnFormBoxFillStyle &defaultValue)
{
    SetValue(value, defaultValue);
    m_Style = CmnNewBrushStyleComboBox(nullptr);
    m_OpacityLabel = new CCmnLabel(QStringLiteral("Opacity:"));
    m_Opacity = CmnNewSpinBox(0, 100);
    m_Opacity->setSingleStep(5);
    m_Opacity->setSuffix(QStringLiteral("%"));
    m_OpacityLabel->setBuddy(m_Opacity);
    connect(m_Style, &QComboBox::currentIndexChanged, this,
            &CCmnFormBoxPropFillstyleCtrl::Slot_currentIndexChanged_Style);
    QBoxLayout *opacityRow = CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch | CmnBoxLayoutNoMargins,
                                          m_OpacityLabel, m_Opacity);
    return CreateControls(label, flags, {},
                          {CCmnGridItem::Widget(m_Style, 0, 0), CCmnGridItem::Layout(opacityRow, 1, 0)});
}

void CCmnFormBoxPropFillstyleCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    TCmnFormBoxPropCtrl<CCmnFormBoxFillStyle>::RegisterWhatsThis(mixin, prefix);
    SetWidgetHelpName(mixin, m_Style, prefix + QStringLiteral("FillStyle"));
    SetWidgetHelpName(mixin, m_Opacity, prefix + QStringLiteral("FillOpacity"));
}

bool CCmnFormBoxPropFillstyleCtrl::DataExchange(CCmnDataExchange *context)
{
    CCmnFormBoxFillStyle *style = ExchangedValue(context);
    {
        // The enabling follows once the base exchange has set the choice.
        const CCmnSlotBlocker blocker(this);
        if (!CmnExchangeComboByData(context, &style->m_Style, m_Style)
            || !context->ExchangeSpinBox(&style->m_Opacity, m_Opacity))
            return false;
    }
    return TCmnFormBoxPropCtrl<CCmnFormBoxFillStyle>::DataExchange(context);
}

bool CCmnFormBoxPropFillstyleCtrl::IsManualWidgetEnabled(QWidget *widget) const
{
    if (widget == m_OpacityLabel || widget == m_Opacity)
        return m_Style->currentIndex() > 0;
    return true;
}

void CCmnFormBoxPropFillstyleCtrl::Slot_currentIndexChanged_Style(int index)
{
    if (SlotsBlocked())
        return;
    const bool enabled = m_Style->isEnabled() && index > 0;
    m_OpacityLabel->setEnabled(enabled);
    m_Opacity->setEnabled(enabled);
}
