#include "cmnformboxproptextcolorctrl.h"

#include "cmncolorchoices.h"

CCmnFormBoxPropTextcolorCtrl::CCmnFormBoxPropTextcolorCtrl(QObject *parent)
    : CCmnFormBoxPropColorCtrl(parent, QStringLiteral("TextColor"))
{
}

CCmnLayoutItem CCmnFormBoxPropTextcolorCtrl::CreateWidgets(const QString &label, qint32 flags, QColor *value,
                                                       const QColor &defaultValue)
{
    return CreateColorWidgets(label, flags, value, defaultValue, CmnGetBasicColors(), nullptr);
}
