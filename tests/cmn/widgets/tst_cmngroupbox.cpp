#include "cmngroupbox.h"
#include "cmnlayoutitem.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(CCmnLayoutItem)

class TestCmnGroupBox : public QObject
{
    Q_OBJECT
private slots:
    void emptyItemMakesNothing_data();
    void emptyItemMakesNothing();
    void aroundWidget();
    void aroundLayout();
};

void TestCmnGroupBox::emptyItemMakesNothing_data()
{
    QTest::addColumn<CCmnLayoutItem>("item");
    QTest::newRow("empty") << CCmnLayoutItem();
    QTest::newRow("null widget") << CCmnLayoutItem(static_cast<QWidget *>(nullptr));
    QTest::newRow("modifier") << CCmnLayoutItem::Modifier(1, Qt::AlignTop);
}

void TestCmnGroupBox::emptyItemMakesNothing()
{
    QFETCH(CCmnLayoutItem, item);
    QWidget parent;
    QCOMPARE(CmnNewGroupBox(item, QStringLiteral("Litter"), &parent), nullptr);
    QVERIFY(parent.children().isEmpty());
}

void TestCmnGroupBox::aroundWidget()
{
    QWidget parent;
    auto *label = new QLabel(QStringLiteral("Born"));
    CCmnGroupBox *box = CmnNewGroupBox(label, QStringLiteral("Litter"), &parent);
    QVERIFY(box);
    QCOMPARE(box->parentWidget(), &parent);
    QCOMPARE(box->title(), QStringLiteral("Litter"));
    auto *layout = qobject_cast<QVBoxLayout *>(box->layout());
    QVERIFY(layout);
    QCOMPARE(layout->contentsMargins(), QMargins());
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0)->widget(), label);
    QCOMPARE(label->parentWidget(), box);
}

void TestCmnGroupBox::aroundLayout()
{
    auto *own = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("Born"));
    own->addWidget(label);
    std::unique_ptr<CCmnGroupBox> box(CmnNewGroupBox(CCmnLayoutItem::Layout(own), QStringLiteral("Litter"), nullptr));
    QVERIFY(box);
    QCOMPARE(box->parent(), nullptr);
    QCOMPARE(box->layout(), own);
    QCOMPARE(label->parentWidget(), box.get());
}

QTEST_MAIN(TestCmnGroupBox)
#include "tst_cmngroupbox.moc"
