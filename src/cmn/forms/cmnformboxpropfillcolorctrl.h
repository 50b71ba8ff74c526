#pragma once

#include "cmnformboxpropcolorctrl.h"
#include "cmnsystemlocale.h"

class CCmnLabel;

// Edits the fill colour of a box: a colour button offering the pale and the basic
// colours, with a reminder that a colour needs a fill style to show.
class CCmnFormBoxPropFillcolorCtrl : public CCmnFormBoxPropColorCtrl
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropFillcolorCtrl(QObject *parent = nullptr);

    // The locale decides the spelling of "colour" in the reminder.
    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, QColor *value,
                                 const QColor &defaultValue = Qt::transparent,
                                 const QLocale &locale = CmnSystemLocale());

    CCmnLabel *TipLabel() const { return m_TipLabel; }

private:
    CCmnLabel *m_TipLabel = nullptr;
};
