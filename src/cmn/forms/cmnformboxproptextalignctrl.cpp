#include "cmnformboxproptextalignctrl.h"

#include "cmncombobox.h"
#include "cmnformboxenumcombos.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropTextalignCtrl::CCmnFormBoxPropTextalignCtrl(QObject *parent)
    : TCmnFormBoxPropCtrl<CCmnFormBoxTextAlign>(parent)
{
}

CCmnLayoutItem CCmnFormBoxPropTextalignCtrl::CreateWidgets(const QString &label, qint32 flags,
                                                          CCmnFormBoxTextAlign *value,
                                                          const CCmnFormBoxTextAlign &defaultValue)
{
    SetValue(value, defaultValue);
    m_Horizontal = CmnNewFormBoxEnumComboBox(CmnHorzTextAlignNames(), nullptr, QString(), nullptr);
    m_Vertical = CmnNewFormBoxEnumComboBox(CmnVertTextAlignNames(), nullptr, QString(), nullptr);
    return CreateControls(label, flags, {m_Horizontal, m_Vertical});
}

void CCmnFormBoxPropTextalignCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    TCmnFormBoxPropCtrl<CCmnFormBoxTextAlign>::RegisterWhatsThis(mixin, prefix);
    SetWidgetHelpName(mixin, m_Horizontal, prefix + QStringLiteral("TextAlignHorz"));
    SetWidgetHelpName(mixin, m_Vertical, prefix + QStringLiteral("TextAlignVert"));
}

bool CCmnFormBoxPropTextalignCtrl::DataExchange(CCmnDataExchange *context)
{
    CCmnFormBoxTextAlign *align = ExchangedValue(context);
    if (!CmnExchangeComboByData(context, &align->m_Horizontal, m_Horizontal)
        || !CmnExchangeComboByData(context, &align->m_Vertical, m_Vertical))
        return false;
    return TCmnFormBoxPropCtrl<CCmnFormBoxTextAlign>::DataExchange(context);
}
