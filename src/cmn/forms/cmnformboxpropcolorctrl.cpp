#include "cmnformboxpropcolorctrl.h"

#include "cmncolorbutton.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropColorCtrl::CCmnFormBoxPropColorCtrl(QObject *parent, const QString &helpName)
    : TCmnFormBoxPropCtrl<QColor>(parent)
    , m_HelpName(helpName)
{
}

CCmnLayoutItem CCmnFormBoxPropColorCtrl::CreateColorWidgets(const QString &label, qint32 flags, QColor *value,
                                                            const QColor &defaultValue,
                                                            TCmnItemChoices<QColor> *choices, QWidget *note)
{
    SetValue(value, defaultValue);
    m_ColorButton = new CCmnColorButton(choices, 0, QString());
    QList<CCmnGridItem> below;
    if (note)
        below.append(CCmnGridItem::Widget(note, 0, 0));
    return CreateControls(label, flags, {m_ColorButton}, below);
}

void CCmnFormBoxPropColorCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    TCmnFormBoxPropCtrl<QColor>::RegisterWhatsThis(mixin, prefix);
    SetWidgetHelpName(mixin, m_ColorButton, prefix + m_HelpName);
}

bool CCmnFormBoxPropColorCtrl::DataExchange(CCmnDataExchange *context)
{
    if (!context->ExchangeColorButton(ExchangedValue(context), m_ColorButton))
        return false;
    return TCmnFormBoxPropCtrl<QColor>::DataExchange(context);
}
