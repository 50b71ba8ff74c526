#include "cmnkeyeventeater.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace {

// Counts the key events that reach it.
class CKeyLog : public QWidget
{
public:
    int m_Presses = 0;
    int m_Releases = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++m_Presses; }
    void keyReleaseEvent(QKeyEvent *) override { ++m_Releases; }
};

} // namespace

class TestCmnKeyEventEater : public QObject
{
    Q_OBJECT
private slots:
    void swallowsReturnOnlyWhenEnabled_data();
    void swallowsReturnOnlyWhenEnabled();
};

void TestCmnKeyEventEater::swallowsReturnOnlyWhenEnabled_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("reaches");

    const int press = QEvent::KeyPress;
    const int release = QEvent::KeyRelease;
    QTest::newRow("Return, disabled") << false << press << int(Qt::Key_Return) << true;
    QTest::newRow("Return, enabled") << true << press << int(Qt::Key_Return) << false;
    QTest::newRow("Return released, enabled") << true << release << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter, enabled") << true << press << int(Qt::Key_Enter) << true;
    QTest::newRow("letter, enabled") << true << press << int(Qt::Key_A) << true;
    QTest::newRow("Escape, enabled") << true << press << int(Qt::Key_Escape) << true;
}

void TestCmnKeyEventEater::swallowsReturnOnlyWhenEnabled()
{
    QFETCH(bool, enabled);
    QFETCH(int, type);
    QFETCH(int, key);
    QFETCH(bool, reaches);

    CKeyLog widget;
    auto *eater = new CCmnKeyEventEater(Qt::Key_Return, &widget);
    QVERIFY(!eater->IsEnabled());
    widget.installEventFilter(eater);
    eater->SetEnabled(enabled);

    QKeyEvent event(QEvent::Type(type), key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
    QCOMPARE(widget.m_Presses + widget.m_Releases, reaches ? 1 : 0);
}

QTEST_MAIN(TestCmnKeyEventEater)
#include "tst_cmnkeyeventeater.moc"
