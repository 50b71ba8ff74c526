#include "cmncolorpopupitemselector.h"

#include <QPainter>

CCmnColorPopupItemSelector::CCmnColorPopupItemSelector(const TCmnItemChoices<QColor> *choices,
                                                       QWidget *parent)
    : TCmnItemPopupItemSelector<QColor>(choices, parent)
{
}

void CCmnColorPopupItemSelector::EmitClicked()
{
    Q_EMIT clicked();
}

void CCmnColorPopupItemSelector::EmitSelected()
{
    Q_EMIT selected();
}

void CCmnColorPopupItemSelector::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    QPen pen(Qt::gray);
    pen.setCosmetic(true);
    if (IsMarked()) {
        painter.setPen(pen);
        painter.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    }
    pen.setColor(Qt::black);
    painter.setPen(pen);
    painter.drawRect(QRectF(3.5, 3.5, w - 7, h - 7));
    const QColor colour = Value().isValid() ? Value() : Choices()->DefaultValue();
    painter.fillRect(QRect(4, 4, w - 8, h - 8), colour);
    if (hasFocus())
        painter.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}
