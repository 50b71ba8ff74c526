#pragma once

#include "cmnformboxpropcolorctrl.h"

// Edits the border colour of a box: a colour button offering the basic colours.
class CCmnFormBoxPropBordercolorCtrl : public CCmnFormBoxPropColorCtrl
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropBordercolorCtrl(QObject *parent = nullptr);

    // The group box (or layout) that the panel places.
    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, QColor *value,
                                 const QColor &defaultValue = Qt::black);
};
