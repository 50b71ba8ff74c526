#include "cmngraphicsrectitemex.h"

#include "formtesting.h"

#include <QGraphicsSceneHoverEvent>
#include <QTest>

// Records what the items report to their receivers.
class CReceiver : public QObject
{
    Q_OBJECT
public:
    QList<QPointF> m_Moves;
    qint32 m_Presses = 0;

public Q_SLOTS:
    void Slot_moved(QGraphicsItem *, QPointF position) { m_Moves.append(position); }
    void Slot_pressed(QGraphicsItem *, QGraphicsSceneMouseEvent *) { ++m_Presses; }
};

class TestCmnGraphicsRectItemEx : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clampsByDividerMode_data();
    void clampsByDividerMode();
    void liveDividersReportEveryMove();
    void forwardsPresses();
    void hoverSwapsTheOutlineOnlyWhenItApplies_data();
    void hoverSwapsTheOutlineOnlyWhenItApplies();
};

void TestCmnGraphicsRectItemEx::clampsByDividerMode_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPointF>("proposed");
    QTest::addColumn<QPointF>("placed");
    QTest::newRow("no range: the scene rectangle") << 0 << QPointF(250, -5) << QPointF(200, 0);
    QTest::newRow("horizontal: x range, y fixed") << int(Qt::Horizontal) << QPointF(5, 80) << QPointF(20, 30);
    QTest::newRow("vertical: y range, x fixed") << int(Qt::Vertical) << QPointF(5, 80) << QPointF(30, 60);
}

void TestCmnGraphicsRectItemEx::clampsByDividerMode()
{
    QFETCH(int, orientation);
    QFETCH(QPointF, proposed);
    QFETCH(QPointF, placed);
    QGraphicsScene scene(0, 0, 200, 100);
    auto *item = new CCmnGraphicsRectItemEx;
    scene.addItem(item);
    item->setFlag(QGraphicsItem::ItemSendsGeometryChanges);
    if (orientation)
        item->SetDividerRange(Qt::Orientation(orientation), 20, 60, 30);
    item->setPos(proposed);
    QCOMPARE(item->pos(), placed);
}

void TestCmnGraphicsRectItemEx::liveDividersReportEveryMove()
{
    for (const bool live : {false, true}) {
        QGraphicsScene scene(0, 0, 200, 100);
        auto *item = new CCmnGraphicsRectItemEx;
        item->setRect(-2, 0, 4, 100);
        scene.addItem(item);
        item->SetDividerRange(Qt::Horizontal, 10, 190, 0);
        CReceiver receiver;
        item->SetDividerReceiver(&receiver, "Slot_moved");
        item->SetLive(live);
        item->setPos(100, 0);
        receiver.m_Moves.clear();
        OrvDragInScene(scene, QPointF(100, 50), QPointF(160, 50));
        QCOMPARE(receiver.m_Moves.last(), QPointF(160, 0));
        QCOMPARE(receiver.m_Moves.size(), live ? 2 : 1); // each of the two moves, or the release
    }
}

void TestCmnGraphicsRectItemEx::forwardsPresses()
{
    QGraphicsScene scene(0, 0, 200, 100);
    auto *item = new CCmnGraphicsRectItemEx;
    item->setRect(0, 0, 50, 50);
    scene.addItem(item);
    CReceiver receiver;
    item->SetPressReceiver(&receiver, "Slot_pressed");
    OrvSendSceneMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(10, 10));
    QCOMPARE(receiver.m_Presses, 0);
    item->SetPressForwarding(true);
    OrvSendSceneMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(10, 10));
    QCOMPARE(receiver.m_Presses, 1);
    QCOMPARE(scene.mouseGrabberItem(), item);
}

void TestCmnGraphicsRectItemEx::hoverSwapsTheOutlineOnlyWhenItApplies_data()
{
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("forwarding");
    QTest::addColumn<bool>("swapped");
    QTest::newRow("filled and clickable") << true << true << true;
    QTest::newRow("empty box") << false << true << false;
    QTest::newRow("not clickable") << true << false << false;
}

void TestCmnGraphicsRectItemEx::hoverSwapsTheOutlineOnlyWhenItApplies()
{
    QFETCH(bool, filled);
    QFETCH(bool, forwarding);
    QFETCH(bool, swapped);
    QGraphicsScene scene(0, 0, 200, 100);
    auto *item = new CCmnGraphicsRectItemEx;
    scene.addItem(item);
    item->setPen(Qt::NoPen);
    item->SetHoverPen(QPen(Qt::blue, 5));
    item->SetFilled(filled);
    item->SetContextForwarding(forwarding);
    item->setAcceptHoverEvents(true);
    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    scene.sendEvent(item, &enter);
    QCOMPARE(item->pen().color() == Qt::blue, swapped);
    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    scene.sendEvent(item, &leave);
    QCOMPARE(item->pen().style(), Qt::NoPen);
}

QTEST_MAIN(TestCmnGraphicsRectItemEx)
#include "tst_cmngraphicsrectitemex.moc"
