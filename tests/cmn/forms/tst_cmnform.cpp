#include "cmnform.h"
#include "cmnformboxevent.h"
#include "cmngraphicsrectitemex.h"

#include "formtesting.h"

#include <QGraphicsRectItem>
#include <QGraphicsSceneContextMenuEvent>
#include <QSignalSpy>
#include <QTest>

using Proportions = QList<double>;

// A 1000 x 500 form at 100 dots per inch whose root fills it; the root splits
// among its children by the settings given.
class CFormFixture
{
public:
    explicit CFormFixture(const CCmnFormBoxSplitSettings &split, qint32 children = 3, double rootFraction = 1.0)
        : m_Form(QPointF(0, 0), QSizeF(1000, 500), QSizeF(100, 100))
    {
        m_Scene.setSceneRect(0, 0, 1000, 500);
        m_Scene.addItem(m_Page);
        m_Root = m_Form.AddRootBox(1, m_Page, rootFraction, 1, 0);
        m_Root->SetSplitSettings(split);
        for (qint32 i = 0; i < children; ++i)
            m_Children.append(m_Form.AddChildBox(m_Root, 10 + i, i, CCmnForm::ChildClickable));
    }

    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem;
    CCmnForm m_Form;
    QSharedPointer<CCmnFormBox> m_Root;
    QList<QSharedPointer<CCmnFormBox>> m_Children;
};

CCmnFormBoxSplitSettings Split(bool horizontal, double gapInches, const Proportions &proportions = {})
{
    CCmnFormBoxSplitSettings split;
    split.m_Horizontal = horizontal;
    split.m_Gap = CCmnMetric(0, gapInches);
    split.m_EqualSplit = proportions.isEmpty();
    split.m_Proportions = proportions;
    return split;
}

class TestCmnForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placesTheRootByItsFractions();
    void splitsAmongChildren_data();
    void splitsAmongChildren();
    void childrenStartInsideTheInsets();
    void laysOutEveryLevelInOneCall();
    void designModeSortsChildrenByOrder();
    void replacedParentDoesNotHangTheLayout();
    void addChildBoxOptions_data();
    void addChildBoxOptions();
    void draggingADividerChangesTheProportions();
    void dividerIsClampedToItsRange();
    void layingOutDoesNotReportLiveDividersAsMoved();
    void inheritedSettingsChangeAtTheirOwner();
    void boxEventsCarryTheBox();
};

void TestCmnForm::placesTheRootByItsFractions()
{
    CFormFixture fixture(Split(false, 0), 0, 0.8);
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(fixture.m_Root->Position(), QPointF(100, 0));
    QCOMPARE(fixture.m_Root->Size(), QSizeF(800, 500));
    QVERIFY(!fixture.m_Root->IsDirty());
}

void TestCmnForm::splitsAmongChildren_data()
{
    QTest::addColumn<CCmnFormBoxSplitSettings>("split");
    QTest::addColumn<Proportions>("starts");
    QTest::addColumn<Proportions>("extents");
    QTest::newRow("equal with a gap") << Split(true, 0.1) << Proportions{0, 336.6667, 673.3333}
                                      << Proportions{326.6667, 326.6667, 326.6667};
    QTest::newRow("proportions") << Split(true, 0.1, {0.5, 0.25, 0.25}) << Proportions{0, 500, 755}
                                 << Proportions{490, 245, 245};
    QTest::newRow("stacked") << Split(false, 0.25, {0.5, 0.25, 0.25}) << Proportions{0, 250, 387.5}
                             << Proportions{225, 112.5, 112.5};
    QTest::newRow("too few proportions") << Split(true, 0, {0.5}) << Proportions{0, 500, 750}
                                         << Proportions{500, 250, 250};
}

void TestCmnForm::splitsAmongChildren()
{
    QFETCH(CCmnFormBoxSplitSettings, split);
    QFETCH(Proportions, starts);
    QFETCH(Proportions, extents);
    CFormFixture fixture(split);
    fixture.m_Form.LayoutFormBoxes();
    for (qint32 i = 0; i < 3; ++i) {
        const CCmnFormBox &child = *fixture.m_Children.at(i);
        const double start = split.m_Horizontal ? child.Position().x() : child.Position().y();
        const double extent = split.m_Horizontal ? child.Size().width() : child.Size().height();
        const double across = split.m_Horizontal ? child.Size().height() : child.Size().width();
        QVERIFY2(qAbs(start - starts.at(i)) < 0.001, qPrintable(QString::number(start)));
        QVERIFY2(qAbs(extent - extents.at(i)) < 0.001, qPrintable(QString::number(extent)));
        QCOMPARE(across, split.m_Horizontal ? 500.0 : 1000.0);
    }
}

void TestCmnForm::childrenStartInsideTheInsets()
{
    CFormFixture fixture(Split(true, 0), 1);
    CCmnFormBoxRectExtents padding;
    padding.m_Left = CCmnMetric(0, 0.1);
    padding.m_Top = CCmnMetric(0, 0.2);
    fixture.m_Root->SetPadding(padding);
    fixture.m_Root->SetBorderStyle({CCmnMetric(0, 0.05), 0, Qt::SolidLine});
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(fixture.m_Children.at(0)->Position(), QPointF(15, 25));
    QCOMPARE(fixture.m_Children.at(0)->Size(), QSizeF(1000 - 15 - 5, 500 - 25 - 5));
}

void TestCmnForm::laysOutEveryLevelInOneCall()
{
    CFormFixture fixture(Split(true, 0), 2);
    // Ids below the parent's, so the table visits the grandchild first.
    const QSharedPointer<CCmnFormBox> grandchild = fixture.m_Form.AddChildBox(fixture.m_Children.at(1), -5, 0, 0);
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(grandchild->Position(), QPointF(500, 0));
    QCOMPARE(grandchild->Size(), QSizeF(500, 500));
    QVERIFY(grandchild->IsPainted());
    QVERIFY(!grandchild->IsDirty());
}

void TestCmnForm::designModeSortsChildrenByOrder()
{
    CFormFixture fixture(Split(true, 0), 0);
    const QSharedPointer<CCmnFormBox> second = fixture.m_Form.AddChildBox(fixture.m_Root, 21, 5, 0);
    const QSharedPointer<CCmnFormBox> first = fixture.m_Form.AddChildBox(fixture.m_Root, 22, 1, 0);
    const QSharedPointer<CCmnFormBox> third = fixture.m_Form.AddChildBox(fixture.m_Root, 23, 5, 0);
    fixture.m_Form.SetDesignMode(false);
    const QList<CCmnFormBoxChild> &children = fixture.m_Root->Children();
    QCOMPARE(children.at(0).m_Box, first);
    QCOMPARE(children.at(1).m_Box, second);
    QCOMPARE(children.at(2).m_Box, third);
    QVERIFY(fixture.m_Form.Dividers().isEmpty());
}

void TestCmnForm::replacedParentDoesNotHangTheLayout()
{
    CFormFixture fixture(Split(true, 0), 0);
    // The child takes the root's id, so its parent is no longer in the table.
    const QSharedPointer<CCmnFormBox> child = fixture.m_Form.AddChildBox(fixture.m_Root, 1, 0, 0);
    QCOMPARE(fixture.m_Form.GetBox(1), child);
    fixture.m_Form.LayoutFormBoxes();
    QVERIFY(child->IsDirty());
}

void TestCmnForm::addChildBoxOptions_data()
{
    QTest::addColumn<qint32>("options");
    QTest::addColumn<bool>("clickable");
    QTest::addColumn<qint32>("activeMode");
    QTest::newRow("none") << 0 << false << 2;
    QTest::newRow("clickable") << 1 << true << 2;
    QTest::newRow("with content") << 2 << false << 1;
    QTest::newRow("never") << 4 << false << 0;
    QTest::newRow("with content wins") << 6 << false << 1;
}

void TestCmnForm::addChildBoxOptions()
{
    QFETCH(qint32, options);
    QFETCH(bool, clickable);
    QFETCH(qint32, activeMode);
    CFormFixture fixture(Split(true, 0), 0);
    const QSharedPointer<CCmnFormBox> box = fixture.m_Form.AddChildBox(fixture.m_Root, 7, 0, options);
    QCOMPARE(box->IsClickable(), clickable);
    QCOMPARE(box->HasContextMenu(), clickable);
    QCOMPARE(box->ActiveMode(), activeMode);
    QCOMPARE(fixture.m_Form.GetBox(7), box);
    QCOMPARE(box->Id(), 7);
}

void TestCmnForm::draggingADividerChangesTheProportions()
{
    CCmnFormBoxSplitSettings split = Split(true, 0, {0.5, 0.5});
    split.m_Dividers = true;
    CFormFixture fixture(split, 2);
    fixture.m_Form.SetDesignMode(true);
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(fixture.m_Form.Dividers().size(), 1);
    CCmnGraphicsRectItemEx *divider = fixture.m_Form.Dividers().at(0).m_Item;
    QVERIFY(divider->isVisible());
    QCOMPARE(divider->pos(), QPointF(500, 0));

    QSignalSpy moved(&fixture.m_Form, &CCmnForm::SignalDividerMoved);
    OrvDragInScene(fixture.m_Scene, QPointF(500, 200), QPointF(600, 200));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0), (QVariantList{1, 0}));
    const Proportions proportions = fixture.m_Root->GetSplitSettings().m_Proportions;
    QVERIFY(qFuzzyCompare(proportions.at(0), 0.6));
    QVERIFY(qFuzzyCompare(proportions.at(1), 0.4));
    QCOMPARE(fixture.m_Children.at(1)->Position().x(), 600.0);
}

void TestCmnForm::dividerIsClampedToItsRange()
{
    CCmnFormBoxSplitSettings split = Split(false, 0.2, {0.5, 0.5});
    split.m_Dividers = true;
    split.m_MinimumFraction = 0.1;
    CFormFixture fixture(split, 2);
    fixture.m_Form.SetDesignMode(true);
    fixture.m_Form.LayoutFormBoxes();
    CCmnGraphicsRectItemEx *divider = fixture.m_Form.Dividers().at(0).m_Item;
    // The gap of 20 is split around the divider: it sits at 250 between 240 and 260.
    QCOMPARE(divider->pos(), QPointF(0, 250));
    divider->setPos(300, 900);
    QCOMPARE(divider->pos(), QPointF(0, 500 - 50 - 10));
    divider->setPos(0, -40);
    QCOMPARE(divider->pos(), QPointF(0, 50 + 10));
}

void TestCmnForm::layingOutDoesNotReportLiveDividersAsMoved()
{
    CCmnFormBoxSplitSettings split = Split(true, 0, {0.5, 0.5});
    split.m_Dividers = true;
    split.m_LiveDividers = true;
    CFormFixture fixture(split, 2);
    fixture.m_Form.SetDesignMode(true);
    QSignalSpy moved(&fixture.m_Form, &CCmnForm::SignalDividerMoved);
    fixture.m_Form.LayoutFormBoxes();
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(moved.count(), 0);
    QCOMPARE(fixture.m_Root->GetSplitSettings().m_Proportions, (Proportions{0.5, 0.5}));

    fixture.m_Form.Dividers().at(0).m_Item->setPos(600, 0);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(fixture.m_Children.at(1)->Position().x(), 600.0);
}

void TestCmnForm::inheritedSettingsChangeAtTheirOwner()
{
    CCmnFormBoxSplitSettings split = Split(false, 0, {1.0});
    CFormFixture fixture(split, 1);
    CCmnFormBoxSplitSettings childSplit = Split(true, 0, {0.5, 0.5});
    childSplit.m_Dividers = true;
    fixture.m_Root->SetSplitSettings(childSplit);
    const QSharedPointer<CCmnFormBox> inner = fixture.m_Children.at(0);
    inner->SetInherited(CmnFormBoxSplitSettings);
    fixture.m_Form.AddChildBox(inner, 20, 0, 0);
    fixture.m_Form.AddChildBox(inner, 21, 1, 0);
    fixture.m_Form.SetDesignMode(true);
    fixture.m_Form.LayoutFormBoxes();
    // Only the inner box has two children, so only it gets a divider.
    QCOMPARE(fixture.m_Form.Dividers().size(), 1);
    QCOMPARE(fixture.m_Form.Dividers().at(0).m_BoxId, 10);
    // The inner box is 500 wide: the root's single proportion of 0.5 is kept.
    OrvDragInScene(fixture.m_Scene, QPointF(250, 100), QPointF(150, 100));
    QVERIFY(qFuzzyCompare(fixture.m_Root->GetSplitSettings().m_Proportions.at(0), 0.3));
    QCOMPARE(inner->PropertyMode(CmnFormBoxSplitSettings), qint32(CmnFormBoxPropertyInherit));
}

void TestCmnForm::boxEventsCarryTheBox()
{
    CFormFixture fixture(Split(true, 0), 2);
    fixture.m_Form.SetDesignMode(false);
    fixture.m_Form.LayoutFormBoxes();
    QList<std::pair<qint32, qint32>> events;
    QList<bool> carried;
    connect(&fixture.m_Form, &CCmnForm::SignalBoxEvent, this, [&](CCmnFormBoxEvent *event) {
        events.append({event->m_Kind, event->m_BoxId});
        carried.append(event->m_Box == fixture.m_Form.GetBox(event->m_BoxId)
                       && (event->m_Kind == 0 ? event->m_MouseEvent != nullptr : event->m_ContextEvent != nullptr));
    });
    OrvSendSceneMouse(fixture.m_Scene, QEvent::GraphicsSceneMousePress, QPointF(700, 100));
    OrvSendSceneMouse(fixture.m_Scene, QEvent::GraphicsSceneMouseRelease, QPointF(700, 100));
    QGraphicsSceneContextMenuEvent menu(QEvent::GraphicsSceneContextMenu);
    menu.setScenePos(QPointF(100, 100));
    QApplication::sendEvent(&fixture.m_Scene, &menu);
    QCOMPARE(events, (QList<std::pair<qint32, qint32>>{{0, 11}, {1, 10}}));
    QCOMPARE(carried, (QList<bool>{true, true}));

    // In pan mode presses go to the view, not to the boxes.
    fixture.m_Form.SetMouseMode(1);
    OrvSendSceneMouse(fixture.m_Scene, QEvent::GraphicsSceneMousePress, QPointF(700, 100));
    QCOMPARE(events.size(), 2);
}

QTEST_MAIN(TestCmnForm)
#include "tst_cmnform.moc"
