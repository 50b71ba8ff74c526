#pragma once

#include <QGraphicsPixmapItem>

// A pixmap item that draws the whole pixmap scaled into a given size, so that a
// box's picture is sized by the layout rather than by its own pixels.
class CCmnGraphicsSizedPixmapItem : public QGraphicsPixmapItem
{
public:
    explicit CCmnGraphicsSizedPixmapItem(QGraphicsItem *parent = nullptr);

    void SetSize(const QSizeF &size);
    QSizeF Size() const { return m_Size; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QSizeF m_Size;
};
