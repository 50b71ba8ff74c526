#include "cmnformboxproptextscalectrl.h"

#include "cmncontrolfactory.h"
#include "cmndoublespinbox.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropTextscaleCtrl::CCmnFormBoxPropTextscaleCtrl(QObject *parent)
    : TCmnFormBoxPropCtrl<double>(parent)
{
}

CCmnLayoutItem CCmnFormBoxPropTextscaleCtrl::CreateWidgets(const QString &label, qint32 flags, double *value,
                                                          double defaultValue)
{
    SetValue(value, defaultValue);
    m_Percent = CmnNewPercentSpinBox(0.01, 1, 0.01, 20.0, nullptr);
    return CreateControls(label, flags, {m_Percent});
}

void CCmnFormBoxPropTextscaleCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    TCmnFormBoxPropCtrl<double>::RegisterWhatsThis(mixin, prefix);
    SetWidgetHelpName(mixin, m_Percent, prefix + QStringLiteral("TextScale"));
}

bool CCmnFormBoxPropTextscaleCtrl::DataExchange(CCmnDataExchange *context)
{
    double *scale = ExchangedValue(context);
    double fraction = *scale + 1.0;
    if (!context->ExchangePercentSpinBoxDouble(&fraction, m_Percent))
        return false;
    if (context->m_Save) {
        // From the percentage itself: 80 % gives -0.2, where 0.8 - 1 would not.
        const double percent = m_Percent->value();
        *scale = percent == m_ShownPercent ? m_LoadedScale : (percent - 100.0) / 100.0;
    } else {
        m_LoadedScale = *scale;
        m_ShownPercent = m_Percent->value();
    }
    return TCmnFormBoxPropCtrl<double>::DataExchange(context);
}
