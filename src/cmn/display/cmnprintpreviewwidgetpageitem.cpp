#include "cmnprintpreviewwidgetpageitem.h"

#include "cmnprinter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStyleOptionGraphicsItem>

CCmnPrintPreviewWidgetPageItem::CCmnPrintPreviewWidgetPageItem(qint32 pageNumber, const QPicture *picture,
                                                               const QSize &paperSize, const QRect &pageRect)
    : m_PageNumber(pageNumber)
    , m_Picture(picture)
    , m_PaperSize(paperSize)
    , m_PageRect(pageRect)
{
    const int border = qMax(paperSize.width(), paperSize.height()) / 25;
    m_BoundingRect = QRectF(QPointF(0, 0), QSizeF(paperSize)).adjusted(-border, -border, border, border);
    setCacheMode(DeviceCoordinateCache);
    // The exposed rectangle limits what a repaint draws of a large page.
    setFlag(ItemUsesExtendedStyleOption);
}

QRectF CCmnPrintPreviewWidgetPageItem::boundingRect() const
{
    return m_BoundingRect;
}

void CCmnPrintPreviewWidgetPageItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                                           QWidget *widget)
{
    Q_UNUSED(widget)
    const QRectF exposed = option->exposedRect;
    painter->setClipRect(exposed);

    const QRectF paper(QPointF(0, 0), QSizeF(m_PaperSize));
    const qreal shadow = paper.width() / 100;
    const QColor dark(0, 0, 0, 255);
    const QColor clear(0, 0, 0, 0);

    const QRectF right(QPointF(paper.right(), paper.top() + shadow), QPointF(paper.right() + shadow, paper.bottom()));
    QLinearGradient rightGradient(right.topLeft(), right.topRight());
    rightGradient.setColorAt(0, dark);
    rightGradient.setColorAt(1, clear);
    painter->fillRect(right, rightGradient);

    const QRectF bottom(QPointF(paper.left() + shadow, paper.bottom()), QPointF(paper.right(), paper.bottom() + shadow));
    QLinearGradient bottomGradient(bottom.topLeft(), bottom.bottomLeft());
    bottomGradient.setColorAt(0, dark);
    bottomGradient.setColorAt(1, clear);
    painter->fillRect(bottom, bottomGradient);

    const QRectF corner(paper.bottomRight(), paper.bottomRight() + QPointF(shadow, shadow));
    QRadialGradient cornerGradient(corner.topLeft(), shadow, corner.topLeft());
    cornerGradient.setColorAt(0, dark);
    cornerGradient.setColorAt(1, clear);
    painter->fillRect(corner, cornerGradient);

    painter->setClipRect(paper & exposed);
    painter->fillRect(paper, Qt::white);
    if (!m_Picture)
        return;
    CmnDrawRecordedPage(*painter, m_PageRect.topLeft(), *m_Picture);
    // What lies in the margins would not be printed: wash it out.
    QPainterPath margins;
    margins.addRect(paper);
    margins.addRect(m_PageRect);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 255, 180));
    painter->drawPath(margins);
}
