#pragma once

#include <QBrush>
#include <QByteArray>
#include <QGraphicsRectItem>
#include <QPen>
#include <QPointer>

// The rectangle item of form boxes: drawn with rounded corners of a whole-number
// radius, it can hand mouse presses and context-menu requests to a receiver's
// slot by name, swap in a hover outline, and serve as a draggable divider whose
// moves are clamped to a range and reported to a receiver.
class CCmnGraphicsRectItemEx : public QGraphicsRectItem
{
public:
    // How a move is clamped.
    enum EDividerMode : qint32 {
        DividerNone = 0,        // 0 to 2 keep the item inside the scene rectangle
        DividerBothRanges = 3,  // x inside the x range, y inside the y range
        DividerHorizontal = 4,  // x inside the x range, y fixed
        DividerVertical = 5,    // y inside the y range, x fixed
    };

    explicit CCmnGraphicsRectItemEx(QGraphicsItem *parent = nullptr);

    // The corner radius in scene units; 0 for square corners.
    void setRoundness(qint32 radius);
    qint32 roundness() const { return m_Roundness; }

    // Makes the item a divider that moves along x between the two values at a
    // fixed y (horizontal) or along y at a fixed x (vertical).
    void SetDividerRange(Qt::Orientation orientation, double minimum, double maximum, double fixed);
    qint32 DividerMode() const { return m_DividerMode; }

    // The receivers' slots are invoked directly: the divider's with
    // (QGraphicsItem*, QPointF), the press receiver's with (QGraphicsItem*,
    // QGraphicsSceneMouseEvent*), the context receiver's with (QGraphicsItem*,
    // QGraphicsSceneContextMenuEvent*).
    void SetDividerReceiver(QObject *receiver, const char *slot);
    void SetPressReceiver(QObject *receiver, const char *slot);
    void SetContextReceiver(QObject *receiver, const char *slot);
    void SetPressForwarding(bool on) { m_PressForwarding = on; }
    void SetContextForwarding(bool on) { m_ContextForwarding = on; }
    bool PressForwarding() const { return m_PressForwarding; }
    bool ContextForwarding() const { return m_ContextForwarding; }
    // Report every move while dragging, not only the release.
    void SetLive(bool live) { m_Live = live; }
    bool IsLive() const { return m_Live; }

    // A pen or brush whose style is none is not swapped in.
    void SetHoverPen(const QPen &pen) { m_HoverPen = pen; }
    void SetHoverBrush(const QBrush &brush) { m_HoverBrush = brush; }
    const QPen &HoverPen() const { return m_HoverPen; }
    // The hover outline shows only on an item marked filled.
    void SetFilled(bool filled) { m_Filled = filled; }
    bool IsFilled() const { return m_Filled; }

    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    struct CReceiver
    {
        QPointer<QObject> m_Object;
        QByteArray m_Slot;
    };

    QPointF Clamped(const QPointF &point) const;
    void ReportMove();
    bool HoverApplies() const;

    qint32 m_Roundness = 0;
    qint32 m_DividerMode = DividerNone;
    double m_MinX = 0.0;
    double m_MaxX = 0.0;
    double m_MinY = 0.0;
    double m_MaxY = 0.0;
    bool m_Live = false;
    CReceiver m_DividerReceiver;
    bool m_PressForwarding = false;
    CReceiver m_PressReceiver;
    bool m_ContextForwarding = false;
    CReceiver m_ContextReceiver;
    QPen m_HoverPen = QPen(Qt::NoPen);
    QBrush m_HoverBrush;
    QPen m_SavedPen;
    QBrush m_SavedBrush;
    bool m_PenSwapped = false;
    bool m_BrushSwapped = false;
    bool m_Filled = true;
};
