#pragma once

#include "cmnformboxpropcolorctrl.h"

// Edits the text colour of a box: a colour button offering the basic colours.
class CCmnFormBoxPropTextcolorCtrl : public CCmnFormBoxPropColorCtrl
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropTextcolorCtrl(QObject *parent = nullptr);

    // The group box (or layout) that the panel places.
    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, QColor *value,
                                 const QColor &defaultValue = Qt::black);
};
