#include "cmnpixmappopupitemselector.h"

#include <QPainter>
#include <QPixmap>

CCmnPixmapPopupItemSelector::CCmnPixmapPopupItemSelector(const TCmnItemChoices<QString> *choices,
                                                         QWidget *parent)
    : TCmnItemPopupItemSelector<QString>(choices, parent)
{
}

void CCmnPixmapPopupItemSelector::EmitClicked()
{
    Q_EMIT clicked();
}

void CCmnPixmapPopupItemSelector::EmitSelected()
{
    Q_EMIT selected();
}

void CCmnPixmapPopupItemSelector::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    if (IsMarked()) {
        QPen pen(Qt::gray);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    }
    QPixmap pixmap;
    if (!Value().isEmpty() && pixmap.load(Value()))
        painter.drawPixmap((w - 6 - pixmap.width()) / 2 + 3, (h - 6 - pixmap.height()) / 2 + 3, pixmap);
    if (hasFocus()) {
        QPen pen = painter.pen();
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    }
}
