#include "cmnboxlayout.h"
#include "cmnwidget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTest>

// What a box layout holds, one letter per item: W a widget, L a layout, S a
// stretch, F the filler widget.
static QString Shape(const QBoxLayout *layout)
{
    QString shape;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (auto *filler = qobject_cast<CCmnWidget *>(item->widget());
            filler && filler->sizePolicy() == QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum))
            shape += QLatin1Char('F');
        else if (item->widget())
            shape += QLatin1Char('W');
        else if (item->layout())
            shape += QLatin1Char('L');
        else if (item->spacerItem())
            shape += QLatin1Char('S');
    }
    return shape;
}

class TestCmnBoxLayout : public QObject
{
    Q_OBJECT
private slots:
    void flags_data();
    void flags();
    void finishOrder();
    void modifiers_data();
    void modifiers();
    void modifierBeforeLayout();
    void emptyItems();
    void simpleItemsIgnoreModifiers();
    void fromWidgets();
    void addToExistingLayout();
    void layoutWidgets();
};

void TestCmnBoxLayout::flags_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<bool>("zeroMargins");

    const int ltr = QBoxLayout::LeftToRight;
    const int ttb = QBoxLayout::TopToBottom;
    QTest::newRow("0 horizontal by default") << 0 << ltr << "WWW" << false;
    QTest::newRow("1 horizontal") << 1 << ltr << "WWW" << false;
    QTest::newRow("2 vertical") << 2 << ttb << "WWW" << false;
    QTest::newRow("3 vertical wins") << 3 << ttb << "WWW" << false;
    QTest::newRow("4 trailing stretch") << 4 << ltr << "WWWS" << false;
    QTest::newRow("6 vertical, stretch") << 6 << ttb << "WWWS" << false;
    QTest::newRow("8 zero margins") << 8 << ltr << "WWW" << true;
    QTest::newRow("0x0A vertical, zero margins") << 0x0A << ttb << "WWW" << true;
    QTest::newRow("0x10 filler") << 0x10 << ltr << "WWWF" << false;
    QTest::newRow("0x19 horizontal, margins, filler") << 0x19 << ltr << "WWWF" << true;
    QTest::newRow("0x1E everything") << 0x1E << ttb << "WWWSF" << true;
}

void TestCmnBoxLayout::flags()
{
    QFETCH(qint32, flags);
    QFETCH(QString, shape);
    QFETCH(bool, zeroMargins);

    QWidget window;
    auto *first = new QLabel("Sire");
    auto *second = new QLabel("Dam");
    auto *third = new QLabel("Breeder");
    QBoxLayout *layout = CmnBoxLayout(flags, first, second, third);
    QCOMPARE(layout->parent(), nullptr);
    window.setLayout(layout);   // the window now owns the layout and its widgets

    QTEST(int(layout->direction()), "direction");
    QCOMPARE(Shape(layout), shape);
    QCOMPARE(layout->itemAt(0)->widget(), first);
    QCOMPARE(layout->itemAt(1)->widget(), second);
    QCOMPARE(layout->itemAt(2)->widget(), third);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(layout->stretch(i), 0);
        QCOMPARE(layout->itemAt(i)->alignment(), Qt::Alignment());
    }
    if (shape.contains(QLatin1Char('S')))
        QCOMPARE(layout->stretch(3), 1);
    QCOMPARE(layout->contentsMargins() == QMargins(), zeroMargins);
    if (shape.endsWith(QLatin1Char('F')))
        QCOMPARE(layout->itemAt(layout->count() - 1)->widget()->parentWidget(), &window);
}

void TestCmnBoxLayout::finishOrder()
{
    // Finishing an existing layout: the stretch comes before the filler widget.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addWidget(new QLabel("Sire"));
    CmnFinishBoxLayout(0x1C, layout);
    QCOMPARE(Shape(layout), QStringLiteral("WSF"));
    QCOMPARE(layout->contentsMargins(), QMargins());
    CmnFinishBoxLayout(0x1C, nullptr);   // nothing to finish
}

void TestCmnBoxLayout::modifiers_data()
{
    // Items by letter: W a widget, R a modifier of stretch 2 aligned right, T one
    // of stretch 5 aligned top, M one of stretch 3 without alignment.
    QTest::addColumn<QString>("items");
    QTest::addColumn<QList<int>>("stretches");
    QTest::addColumn<QList<int>>("alignments");

    const int none = 0;
    QTest::newRow("modifier applies to the next item only") << "RWW" << QList<int>{2, 0}
                                                            << QList<int>{Qt::AlignRight, none};
    QTest::newRow("modifier in the middle") << "WRWW" << QList<int>{0, 2, 0}
                                            << QList<int>{none, Qt::AlignRight, none};
    QTest::newRow("second modifier replaces the first") << "RTW" << QList<int>{5} << QList<int>{Qt::AlignTop};
    QTest::newRow("last modifier has no effect") << "WR" << QList<int>{0} << QList<int>{none};
    QTest::newRow("stretch without alignment") << "MW" << QList<int>{3} << QList<int>{none};
}

void TestCmnBoxLayout::modifiers()
{
    QFETCH(QString, items);
    QFETCH(QList<int>, stretches);
    QFETCH(QList<int>, alignments);

    QWidget window;
    QList<QWidget *> widgets;
    QList<CCmnLayoutItem> list;
    for (const QChar letter : items) {
        if (letter == QLatin1Char('R')) {
            list.append(CCmnLayoutItem::Modifier(2, Qt::AlignRight));
        } else if (letter == QLatin1Char('T')) {
            list.append(CCmnLayoutItem::Modifier(5, Qt::AlignTop));
        } else if (letter == QLatin1Char('M')) {
            list.append(CCmnLayoutItem::Modifier(3));
        } else {
            widgets.append(new QLabel(QString::number(widgets.size()), &window));
            list.append(widgets.last());
        }
    }

    QBoxLayout *layout = CmnBoxLayoutFromList(1, list);
    window.setLayout(layout);
    QCOMPARE(layout->count(), widgets.size());
    QList<int> gotStretches;
    QList<int> gotAlignments;
    for (int i = 0; i < layout->count(); ++i) {
        QCOMPARE(layout->itemAt(i)->widget(), widgets.at(i));
        gotStretches.append(layout->stretch(i));
        gotAlignments.append(int(layout->itemAt(i)->alignment()));
    }
    QCOMPARE(gotStretches, stretches);
    QCOMPARE(gotAlignments, alignments);
}

void TestCmnBoxLayout::modifierBeforeLayout()
{
    // A layout takes the pending stretch, but a layout item has no alignment.
    QWidget window;
    auto *nested = new QVBoxLayout;
    auto *label = new QLabel("Sire");
    QBoxLayout *layout = CmnBoxLayout(1, CCmnLayoutItem::Modifier(4, Qt::AlignBottom), CCmnLayoutItem::Layout(nested),
                                      label);
    window.setLayout(layout);
    QCOMPARE(Shape(layout), QStringLiteral("LW"));
    QCOMPARE(layout->itemAt(0)->layout(), nested);
    QCOMPARE(layout->stretch(0), 4);
    QCOMPARE(layout->itemAt(0)->alignment(), Qt::Alignment());
    QCOMPARE(layout->stretch(1), 0);
}

void TestCmnBoxLayout::emptyItems()
{
    QWidget window;
    auto *sire = new QLabel("Sire", &window);
    auto *dam = new QLabel("Dam", &window);

    // The eight-item builder drops empty items first, so the modifier reaches
    // the widget after the gap.
    QBoxLayout *byArguments = CmnBoxLayout(1, CCmnLayoutItem::Modifier(3), CCmnLayoutItem(), sire);
    QCOMPARE(Shape(byArguments), QStringLiteral("W"));
    QCOMPARE(byArguments->stretch(0), 3);
    delete byArguments;

    // In a list an item with neither widget nor layout still uses the modifier up.
    QHBoxLayout byList;
    CmnAddItemsToBoxLayout(&byList, {CCmnLayoutItem::Modifier(3), CCmnLayoutItem(), dam});
    QCOMPARE(Shape(&byList), QStringLiteral("W"));
    QCOMPARE(byList.stretch(0), 0);
}

void TestCmnBoxLayout::simpleItemsIgnoreModifiers()
{
    QWidget window;
    auto *label = new QLabel("Sire");
    auto *nested = new QHBoxLayout;
    QBoxLayout *layout = CmnSimpleBoxLayoutFromList(
        6, {CCmnLayoutItem::Modifier(2, Qt::AlignRight), label, CCmnLayoutItem::Modifier(7),
            CCmnLayoutItem::Layout(nested), CCmnLayoutItem()});
    window.setLayout(layout);
    QCOMPARE(layout->direction(), QBoxLayout::TopToBottom);
    QCOMPARE(Shape(layout), QStringLiteral("WLS"));
    QCOMPARE(layout->stretch(0), 0);
    QCOMPARE(layout->itemAt(0)->alignment(), Qt::Alignment());
    QCOMPARE(layout->stretch(1), 0);
}

void TestCmnBoxLayout::fromWidgets()
{
    QWidget window;
    auto *sire = new QLabel("Sire");
    auto *dam = new QLabel("Dam");
    QBoxLayout *layout = CmnBoxLayoutFromWidgets(0x19, {sire, nullptr, dam});
    window.setLayout(layout);
    QCOMPARE(layout->direction(), QBoxLayout::LeftToRight);
    QCOMPARE(Shape(layout), QStringLiteral("WWF"));
    QCOMPARE(CmnLayoutWidgets(layout).mid(0, 2), (QList<QWidget *>{sire, dam}));
    QCOMPARE(layout->contentsMargins(), QMargins());
}

void TestCmnBoxLayout::addToExistingLayout()
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(new QLabel("Sire"));
    auto *dam = new QLabel("Dam");
    auto *breeder = new QLabel("Breeder");
    CmnAddToBoxLayout(layout, dam, CCmnLayoutItem::Modifier(6, Qt::AlignLeft), breeder);
    QCOMPARE(Shape(layout), QStringLiteral("WWW"));   // not finished: no stretch, no filler
    QCOMPARE(layout->itemAt(1)->widget(), dam);
    QCOMPARE(layout->stretch(1), 0);
    QCOMPARE(layout->itemAt(2)->widget(), breeder);
    QCOMPARE(layout->stretch(2), 6);
    QCOMPARE(layout->itemAt(2)->alignment(), Qt::AlignLeft);
    QCOMPARE(layout->contentsMargins(), QMargins(2, 2, 2, 2));
    QCOMPARE(breeder->parentWidget(), &window);
}

void TestCmnBoxLayout::layoutWidgets()
{
    QWidget window;
    auto *a = new QLabel("a");
    auto *b = new QLabel("b");
    auto *c = new QLabel("c");
    auto *d = new QLabel("d");
    auto *inner = new QLabel("inner");
    // A widget with a layout of its own: its children are not the layout's widgets.
    auto *container = new CCmnWidget(CmnBoxLayout(1, inner));
    QBoxLayout *deepest = CmnBoxLayout(1, c);
    QBoxLayout *nested = CmnBoxLayout(6, b, CCmnLayoutItem::Layout(deepest));
    QBoxLayout *layout = CmnBoxLayout(0x15, a, CCmnLayoutItem::Layout(nested), container, d);
    window.setLayout(layout);

    const QList<QWidget *> expected{a, b, c, container, d, layout->itemAt(layout->count() - 1)->widget()};
    QCOMPARE(CmnLayoutWidgets(layout), expected);

    QList<QWidget *> collected{&window};
    CmnCollectLayoutWidgets(nested, collected);
    QCOMPARE(collected, (QList<QWidget *>{&window, b, c}));
    QCOMPARE(CmnLayoutWidgets(nullptr), QList<QWidget *>());
}

QTEST_MAIN(TestCmnBoxLayout)
#include "tst_cmnboxlayout.moc"
