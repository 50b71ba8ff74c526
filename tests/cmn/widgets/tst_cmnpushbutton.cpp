#include "cmnpushbutton.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

// Expose how many connections hang on the signals the button binds to.
class CProbeButton : public CCmnPushButton
{
public:
    using CCmnPushButton::CCmnPushButton;
    int ClickConnections() const { return receivers(SIGNAL(clicked(bool))); }
};

class CProbeAction : public QAction
{
public:
    using QAction::QAction;
    int ChangedConnections() const { return receivers(SIGNAL(changed())); }
};

class TestCmnPushButton : public QObject
{
    Q_OBJECT
private slots:
    void showsActionText_data();
    void showsActionText();
    void followsActionChanges();
    void clickTriggersActionOnce();
    void unbindingStopsClicksAndUpdates();
    void rebindingFollowsOnlyTheNewAction();
    void disabledActionIsNotTriggered();
    void deletedActionLeavesButtonInert();
};

void TestCmnPushButton::showsActionText_data()
{
    QTest::addColumn<QString>("actionText");
    QTest::addColumn<QString>("ownText");
    QTest::addColumn<QString>("expected");

    QTest::newRow("trailing dots dropped") << "&Open..." << "" << "&Open";
    QTest::newRow("plain text") << "&Save" << "" << "&Save";
    QTest::newRow("inner dots kept") << "A...b" << "" << "A...b";
    QTest::newRow("own text wins") << "&Open..." << "&Browse..." << "&Browse...";
}

void TestCmnPushButton::showsActionText()
{
    QFETCH(QString, actionText);
    QFETCH(QString, ownText);
    QFETCH(QString, expected);

    QAction action(actionText);
    CCmnPushButton button;
    button.SetAction(&action, ownText);
    QCOMPARE(button.text(), expected);
    QCOMPARE(button.toolTip(), action.toolTip());
}

void TestCmnPushButton::followsActionChanges()
{
    QAction action("Open...");
    CCmnPushButton button(&action);
    QCOMPARE(button.Action(), &action);
    QCOMPARE(button.text(), QString("Open"));
    QVERIFY(button.isEnabled());

    action.setEnabled(false);
    QVERIFY(!button.isEnabled());
    action.setEnabled(true);
    QVERIFY(button.isEnabled());

    action.setText("Import...");
    QCOMPARE(button.text(), QString("Import"));
    action.setToolTip("Import records");
    QCOMPARE(button.toolTip(), QString("Import records"));
}

void TestCmnPushButton::clickTriggersActionOnce()
{
    CProbeAction action("Go");
    QSignalSpy triggered(&action, &QAction::triggered);
    CProbeButton button("Before");
    button.SetAction(&action);
    button.SetAction(&action);    // the same action again connects nothing twice
    QCOMPARE(button.ClickConnections(), 1);
    QCOMPARE(action.ChangedConnections(), 1);

    button.click();
    QCOMPARE(triggered.count(), 1);
}

void TestCmnPushButton::unbindingStopsClicksAndUpdates()
{
    CProbeAction action("Go");
    QSignalSpy triggered(&action, &QAction::triggered);
    CProbeButton button(&action);

    button.SetAction(nullptr);
    QCOMPARE(button.Action(), nullptr);
    QCOMPARE(button.ClickConnections(), 0);
    QCOMPARE(action.ChangedConnections(), 0);
    button.click();
    QCOMPARE(triggered.count(), 0);

    action.setText("Changed");
    QCOMPARE(button.text(), QString("Go"));
}

void TestCmnPushButton::rebindingFollowsOnlyTheNewAction()
{
    CProbeAction first("First");
    QAction second("Second");
    QSignalSpy firstTriggered(&first, &QAction::triggered);
    QSignalSpy secondTriggered(&second, &QAction::triggered);
    CCmnPushButton button(&first);

    button.SetAction(&second);
    QCOMPARE(first.ChangedConnections(), 0);
    QCOMPARE(button.text(), QString("Second"));
    first.setText("First changed");
    QCOMPARE(button.text(), QString("Second"));

    button.click();
    QCOMPARE(firstTriggered.count(), 0);
    QCOMPARE(secondTriggered.count(), 1);
}

void TestCmnPushButton::disabledActionIsNotTriggered()
{
    QAction action("Go");
    QSignalSpy triggered(&action, &QAction::triggered);
    CCmnPushButton button(&action);
    action.setEnabled(false);

    // Even a button enabled by someone else does not trigger a disabled action.
    button.setEnabled(true);
    button.click();
    QCOMPARE(triggered.count(), 0);
}

void TestCmnPushButton::deletedActionLeavesButtonInert()
{
    auto *action = new QAction("Go");
    CCmnPushButton button(action);
    delete action;

    QCOMPARE(button.Action(), nullptr);
    button.click();    // no dangling action to trigger
    button.UpdateFromAction();
    QCOMPARE(button.text(), QString("Go"));

    // Binding again after the loss gives exactly one click connection.
    QAction replacement("Again");
    QSignalSpy triggered(&replacement, &QAction::triggered);
    button.SetAction(&replacement);
    button.click();
    QCOMPARE(triggered.count(), 1);
}

QTEST_MAIN(TestCmnPushButton)
#include "tst_cmnpushbutton.moc"
