#pragma once

#include <QGraphicsItem>
#include <QRect>
#include <QSize>

class QPicture;

// One recorded page of a print preview: the sheet of paper with a soft shadow,
// the page's picture on its printable area, and the margins washed out so
// that whatever strays into them shows as not printed. The item's origin is
// the paper's top left corner, in printer dots.
class CCmnPrintPreviewWidgetPageItem : public QGraphicsItem
{
public:
    CCmnPrintPreviewWidgetPageItem(qint32 pageNumber, const QPicture *picture, const QSize &paperSize,
                                   const QRect &pageRect);

    qint32 PageNumber() const { return m_PageNumber; }
    const QPicture *Picture() const { return m_Picture; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    qint32 m_PageNumber;
    const QPicture *m_Picture;
    QSize m_PaperSize;
    QRect m_PageRect;
    QRectF m_BoundingRect;
};
