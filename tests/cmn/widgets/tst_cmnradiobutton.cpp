#include "cmnradiobutton.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

class TestCmnRadioButton : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void reportsDoubleClick();
};

void TestCmnRadioButton::initTestCase()
{
    // The spy records the signal's arguments, so their type must be known by name.
    qRegisterMetaType<QMouseEvent *>();
}

void TestCmnRadioButton::reportsDoubleClick()
{
    CCmnRadioButton radio("Pedigree chart");
    radio.resize(200, 30);
    QSignalSpy doubleClicked(&radio, &CCmnRadioButton::SignalDoubleClicked);
    Qt::MouseButton button = Qt::NoButton;
    connect(&radio, &CCmnRadioButton::SignalDoubleClicked, this,
            [&button](QMouseEvent *event) { button = event->button(); });

    QTest::mouseClick(&radio, Qt::LeftButton, {}, QPoint(10, 15));
    QCOMPARE(doubleClicked.count(), 0);
    QVERIFY(radio.isChecked());

    QTest::mouseDClick(&radio, Qt::LeftButton, {}, QPoint(10, 15));
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(button, Qt::LeftButton);
    QVERIFY(radio.isChecked());
}

QTEST_MAIN(TestCmnRadioButton)
#include "tst_cmnradiobutton.moc"
