#include "cmnformboxpropfontctrl.h"

#include "cmnfontctrl.h"

CCmnFormBoxPropFontCtrl::CCmnFormBoxPropFontCtrl(QObject *parent, qint32 fontFlags, const QString &helpName)
    : TCmnFormBoxPropCtrl<QString>(parent)
    , m_FontFlags(fontFlags)
    , m_HelpName(helpName)
{
}

CCmnLayoutItem CCmnFormBoxPropFontCtrl::CreateWidgets(const QString &label, qint32 flags, QString *value,
                                                     const QString &defaultValue)
{
    SetValue(value, defaultValue);
    m_FontCtrl = new CCmnFontCtrl(this, m_FontFlags, QStringLiteral("font"));
    return CreateControls(label, flags, {CCmnLayoutItem::Layout(m_FontCtrl->Layout())});
}

void CCmnFormBoxPropFontCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    TCmnFormBoxPropCtrl<QString>::RegisterWhatsThis(mixin, prefix);
    m_FontCtrl->RegisterWhatsThis(mixin, prefix + m_HelpName);
}

bool CCmnFormBoxPropFontCtrl::DataExchange(CCmnDataExchange *context)
{
    if (!m_FontCtrl->ExchangeFont(context, ExchangedValue(context)))
        return false;
    return TCmnFormBoxPropCtrl<QString>::DataExchange(context);
}
