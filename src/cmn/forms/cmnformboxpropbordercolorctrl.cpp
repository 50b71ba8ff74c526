#include "cmnformboxpropbordercolorctrl.h"

#include "cmncolorchoices.h"

CCmnFormBoxPropBordercolorCtrl::CCmnFormBoxPropBordercolorCtrl(QObject *parent)
    : CCmnFormBoxPropColorCtrl(parent, QStringLiteral("BorderColor"))
{
}

CCmnLayoutItem CCmnFormBoxPropBordercolorCtrl::CreateWidgets(const QString &label, qint32 flags, QColor *value,
                                                       const QColor &defaultValue)
{
    return CreateColorWidgets(label, flags, value, defaultValue, CmnGetBasicColors(), nullptr);
}
