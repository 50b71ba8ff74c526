#include "cmngraphicsrectitemex.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

CCmnGraphicsRectItemEx::CCmnGraphicsRectItemEx(QGraphicsItem *parent)
    : QGraphicsRectItem(parent)
{
}

void CCmnGraphicsRectItemEx::setRoundness(qint32 radius)
{
    radius = qMax(radius, 0);
    if (radius == m_Roundness)
        return;
    prepareGeometryChange();
    m_Roundness = radius;
    update();
}

QPainterPath CCmnGraphicsRectItemEx::shape() const
{
    if (m_Roundness == 0)
        return QGraphicsRectItem::shape();
    // Children clip to the rounded outline, so a picture or a text never shows
    // outside the curved corner of its box.
    QPainterPath path;
    path.addRoundedRect(rect(), m_Roundness, m_Roundness);
    return path;
}

void CCmnGraphicsRectItemEx::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setPen(pen());
    painter->setBrush(brush());
    if (m_Roundness == 0)
        painter->drawRect(rect());
    else
        painter->drawRoundedRect(rect(), m_Roundness, m_Roundness);
}

void CCmnGraphicsRectItemEx::SetDividerRange(Qt::Orientation orientation, double minimum, double maximum,
                                             double fixed)
{
    if (m_DividerMode == DividerNone) {
        setFlag(ItemIsMovable);
        setFlag(ItemSendsGeometryChanges);
    }
    const qint32 mode = orientation == Qt::Horizontal ? DividerHorizontal : DividerVertical;
    if (orientation == Qt::Horizontal) {
        m_MinX = minimum;
        m_MaxX = maximum;
        m_MinY = m_MaxY = fixed;
    } else {
        m_MinY = minimum;
        m_MaxY = maximum;
        m_MinX = m_MaxX = fixed;
    }
    if (mode != m_DividerMode) {
        m_DividerMode = mode;
        setCursor(mode == DividerHorizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
    }
}

void CCmnGraphicsRectItemEx::SetDividerReceiver(QObject *receiver, const char *slot)
{
    m_DividerReceiver = {receiver, QByteArray(slot)};
}

void CCmnGraphicsRectItemEx::SetPressReceiver(QObject *receiver, const char *slot)
{
    m_PressReceiver = {receiver, QByteArray(slot)};
}

void CCmnGraphicsRectItemEx::SetContextReceiver(QObject *receiver, const char *slot)
{
    m_ContextReceiver = {receiver, QByteArray(slot)};
}

QPointF CCmnGraphicsRectItemEx::Clamped(const QPointF &point) const
{
    // The larger of the minimum and the value, then the smaller of that and the
    // maximum: a range turned upside down ends at its maximum.
    const auto clamp = [](double value, double minimum, double maximum) {
        return qMin(qMax(minimum, value), maximum);
    };
    switch (m_DividerMode) {
    case DividerBothRanges:
        return {clamp(point.x(), m_MinX, m_MaxX), clamp(point.y(), m_MinY, m_MaxY)};
    case DividerHorizontal:
        return {clamp(point.x(), m_MinX, m_MaxX), m_MinY};
    case DividerVertical:
        return {m_MinX, clamp(point.y(), m_MinY, m_MaxY)};
    default:
        break;
    }
    if (m_DividerMode < DividerBothRanges) {
        const QRectF sceneRect = scene()->sceneRect();
        return {clamp(point.x(), sceneRect.left(), sceneRect.right()),
                clamp(point.y(), sceneRect.top(), sceneRect.bottom())};
    }
    return point;
}

QVariant CCmnGraphicsRectItemEx::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange && scene())
        return Clamped(value.toPointF());
    if (change == ItemPositionHasChanged && m_Live)
        ReportMove();
    return QGraphicsRectItem::itemChange(change, value);
}

void CCmnGraphicsRectItemEx::ReportMove()
{
    if (!m_DividerReceiver.m_Object || m_DividerReceiver.m_Slot.isEmpty())
        return;
    QMetaObject::invokeMethod(m_DividerReceiver.m_Object, m_DividerReceiver.m_Slot.constData(),
                              Qt::DirectConnection, Q_ARG(QGraphicsItem *, this), Q_ARG(QPointF, pos()));
}

void CCmnGraphicsRectItemEx::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_PressForwarding) {
        QGraphicsRectItem::mousePressEvent(event);
        return;
    }
    if (m_PressReceiver.m_Object && !m_PressReceiver.m_Slot.isEmpty())
        QMetaObject::invokeMethod(m_PressReceiver.m_Object, m_PressReceiver.m_Slot.constData(),
                                  Qt::DirectConnection, Q_ARG(QGraphicsItem *, this),
                                  Q_ARG(QGraphicsSceneMouseEvent *, event));
    event->accept();
}

void CCmnGraphicsRectItemEx::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_Live && m_DividerMode != DividerNone)
        ReportMove();
    QGraphicsRectItem::mouseReleaseEvent(event);
}

void CCmnGraphicsRectItemEx::contextMenuEvent(QGraphicsSceneContextMenuEvent *event)
{
    if (!m_ContextForwarding) {
        QGraphicsRectItem::contextMenuEvent(event);
        return;
    }
    if (m_ContextReceiver.m_Object && !m_ContextReceiver.m_Slot.isEmpty())
        QMetaObject::invokeMethod(m_ContextReceiver.m_Object, m_ContextReceiver.m_Slot.constData(),
                                  Qt::DirectConnection, Q_ARG(QGraphicsItem *, this),
                                  Q_ARG(QGraphicsSceneContextMenuEvent *, event));
    event->accept();
}

bool CCmnGraphicsRectItemEx::HoverApplies() const
{
    return m_Filled && (m_PressForwarding || m_ContextForwarding);
}

void CCmnGraphicsRectItemEx::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    if (HoverApplies()) {
        if (m_HoverPen.style() != Qt::NoPen && !m_PenSwapped) {
            m_SavedPen = pen();
            setPen(m_HoverPen);
            m_PenSwapped = true;
        }
        if (m_HoverBrush.style() != Qt::NoBrush && !m_BrushSwapped) {
            m_SavedBrush = brush();
            setBrush(m_HoverBrush);
            m_BrushSwapped = true;
        }
        update();
    }
    QGraphicsRectItem::hoverEnterEvent(event);
}

void CCmnGraphicsRectItemEx::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    // Restores whatever was swapped in, even when forwarding went off meanwhile,
    // so that no outline stays behind.
    if (m_PenSwapped) {
        setPen(m_SavedPen);
        m_PenSwapped = false;
    }
    if (m_BrushSwapped) {
        setBrush(m_SavedBrush);
        m_BrushSwapped = false;
    }
    update();
    QGraphicsRectItem::hoverLeaveEvent(event);
}
