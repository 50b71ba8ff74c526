#include "cmnlayoutitem.h"
#include "cmnwidget.h"
#include "cmnwidgetlayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

// Stands for the box-layout builders, which take their items by value.
static CCmnLayoutItem PassItem(CCmnLayoutItem item)
{
    return item;
}

class TestCmnWidgetLayout : public QObject
{
    Q_OBJECT
private slots:
    void layoutItemForms();
    void edgeMargin_data();
    void edgeMargin();
    void widgetWithLayout();
    void widgetAroundWidget();
    void heightInLines_data();
    void heightInLines();
    void minimumWidthInChars();
};

void TestCmnWidgetLayout::layoutItemForms()
{
    const CCmnLayoutItem empty;
    QVERIFY(empty.IsEmpty());
    QCOMPARE(empty.m_Stretch, 0);
    QCOMPARE(empty.m_Alignment, Qt::Alignment());

    QLabel label;
    const CCmnLayoutItem fromWidget = PassItem(&label);   // a widget converts by itself
    QVERIFY(!fromWidget.IsEmpty());
    QCOMPARE(fromWidget.m_Widget, &label);
    QCOMPARE(fromWidget.m_Layout, nullptr);
    QVERIFY(!fromWidget.m_Modifier);

    QHBoxLayout layout;
    const CCmnLayoutItem fromLayout = CCmnLayoutItem::Layout(&layout);
    QVERIFY(!fromLayout.IsEmpty());
    QCOMPARE(fromLayout.m_Widget, nullptr);
    QCOMPARE(fromLayout.m_Layout, &layout);

    const CCmnLayoutItem modifier = CCmnLayoutItem::Modifier(2, Qt::AlignRight);
    QVERIFY(!modifier.IsEmpty());
    QVERIFY(modifier.m_Modifier);
    QCOMPARE(modifier.m_Widget, nullptr);
    QCOMPARE(modifier.m_Layout, nullptr);
    QCOMPARE(modifier.m_Stretch, 2);
    QCOMPARE(modifier.m_Alignment, Qt::AlignRight);

    // A null widget gives an empty item, which the builders skip.
    QVERIFY(PassItem(static_cast<QWidget *>(nullptr)).IsEmpty());
}

void TestCmnWidgetLayout::edgeMargin_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QMargins>("expected");

    const QMargins unchanged(1, 2, 3, 4);
    QTest::newRow("left content, margin right") << int(Qt::AlignLeft) << QMargins(0, 0, 5, 0);
    QTest::newRow("right content, margin left") << int(Qt::AlignRight) << QMargins(5, 0, 0, 0);
    QTest::newRow("top content, margin bottom") << int(Qt::AlignTop) << QMargins(0, 0, 0, 5);
    QTest::newRow("bottom content, margin top") << int(Qt::AlignBottom) << QMargins(0, 5, 0, 0);
    QTest::newRow("hcenter unchanged") << int(Qt::AlignHCenter) << unchanged;
    QTest::newRow("none unchanged") << 0 << unchanged;
    QTest::newRow("combination unchanged") << int(Qt::AlignLeft | Qt::AlignTop) << unchanged;
}

void TestCmnWidgetLayout::edgeMargin()
{
    QFETCH(int, side);
    QFETCH(QMargins, expected);

    QVBoxLayout layout;
    layout.setContentsMargins(1, 2, 3, 4);
    CmnSetEdgeMargin(&layout, Qt::Alignment::fromInt(side));
    QCOMPARE(layout.contentsMargins(), expected);
}

void TestCmnWidgetLayout::widgetWithLayout()
{
    auto *layout = new QHBoxLayout;
    QPointer<QLabel> label = new QLabel("Sire");
    layout->addWidget(label);

    std::unique_ptr<CCmnWidget> widget(CmnWidgetWithLayout(layout, Qt::AlignTop));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), nullptr);
    QCOMPARE(widget->layout(), layout);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 5));
    QCOMPARE(label->parentWidget(), widget.get());

    widget.reset();
    QVERIFY(label.isNull());   // the widget owns what it wraps
}

void TestCmnWidgetLayout::widgetAroundWidget()
{
    auto *label = new QLabel("Dam");
    std::unique_ptr<CCmnWidget> widget(CmnWidgetAroundWidget(label, Qt::AlignLeft));

    auto *layout = qobject_cast<QVBoxLayout *>(widget->layout());
    QVERIFY(layout);
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0)->widget(), label);
    QCOMPARE(layout->stretch(0), 0);
    QCOMPARE(layout->itemAt(0)->alignment(), Qt::Alignment());
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 5, 0));
    QCOMPARE(label->parentWidget(), widget.get());
}

void TestCmnWidgetLayout::heightInLines_data()
{
    QTest::addColumn<int>("lines");
    QTest::newRow("zero lines gives one line") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("five") << 5;
}

void TestCmnWidgetLayout::heightInLines()
{
    QFETCH(int, lines);

    QWidget fixed;
    fixed.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    const int spacing = fixed.fontMetrics().lineSpacing();
    CmnSetFixedHeightInLines(&fixed, lines);
    QCOMPARE(fixed.minimumHeight(), spacing * (lines + 1));
    QCOMPARE(fixed.maximumHeight(), spacing * (lines + 1));
    QCOMPARE(fixed.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(fixed.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);

    QWidget minimum;
    CmnSetMinimumHeightInLines(&minimum, lines);
    QCOMPARE(minimum.minimumHeight(), spacing * (lines + 1));
    QCOMPARE(minimum.maximumHeight(), QWIDGETSIZE_MAX);
}

void TestCmnWidgetLayout::minimumWidthInChars()
{
    QWidget widget;
    CmnSetMinimumWidthInChars(&widget, 8);
    QCOMPARE(widget.minimumWidth(), widget.fontMetrics().horizontalAdvance(QLatin1Char('x')) * 10);
}

QTEST_MAIN(TestCmnWidgetLayout)
#include "tst_cmnwidgetlayout.moc"
