#include "cmnformboxpropfillcolorctrl.h"

#include "cmncolorchoices.h"
#include "cmnlabel.h"

CCmnFormBoxPropFillcolorCtrl::CCmnFormBoxPropFillcolorCtrl(QObject *parent)
    : CCmnFormBoxPropColorCtrl(parent, QStringLiteral("FillColor"))
{
}

CCmnLayoutItem CCmnFormBoxPropFillcolorCtrl::CreateWidgets(const QString &label, qint32 flags, QColor *value,
                                                          const QColor &defaultValue, const QLocale &locale)
{
    m_TipLabel = new CCmnLabel(QStringLiteral("TIP: To have the %1 show up,<br/>you must also set the fill style,<br/>e.g to solid")
                                   .arg(CmnColourWord(locale).toLower()));
    m_TipLabel->setTextFormat(Qt::RichText);
    return CreateColorWidgets(label, flags, value, defaultValue, CmnGetPaleAndBasicColors(), m_TipLabel);
}
