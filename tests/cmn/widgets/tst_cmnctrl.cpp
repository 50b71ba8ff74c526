#include "cmnctrl.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestCmnCtrl : public QObject
{
    Q_OBJECT
private slots:
    void listsWidgetsOfNestedLayouts();
    void emptyLayoutHasNoFirstWidget();
};

void TestCmnCtrl::listsWidgetsOfNestedLayouts()
{
    QWidget window;
    auto *outer = new QVBoxLayout(&window);
    auto *label = new QLabel("Font");
    auto *inner = new QHBoxLayout;
    auto *family = new QLineEdit;
    auto *size = new QLineEdit;
    outer->addWidget(label);
    outer->addLayout(inner);
    inner->addWidget(family);
    inner->addWidget(size);

    CCmnCtrl control(&window);
    control.SetLayout(outer);
    QCOMPARE(control.Owner(), &window);
    QCOMPARE(control.Layout(), outer);
    QCOMPARE(control.Widgets(), QList<QWidget *>({label, family, size}));
    QCOMPARE(control.FirstWidget(), label);
}

void TestCmnCtrl::emptyLayoutHasNoFirstWidget()
{
    // A control never placed in a window owns its layout.
    CCmnCtrl control;
    control.SetLayout(new QVBoxLayout);
    QVERIFY(control.Widgets().isEmpty());
    QCOMPARE(control.FirstWidget(), nullptr);
}

QTEST_MAIN(TestCmnCtrl)
#include "tst_cmnctrl.moc"
