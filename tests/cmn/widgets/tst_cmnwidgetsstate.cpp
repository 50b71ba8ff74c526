#include "cmnwidgetsstate.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

class TestCmnWidgetsState : public QObject
{
    Q_OBJECT
private slots:
    void apply_data();
    void apply();
    void defaultsLeaveCheckStateAlone();
};

void TestCmnWidgetsState::apply_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<qint32>("checked");
    // Check states afterwards of a box and an action that were checked and of a
    // box and an action that were not.
    QTest::addColumn<QList<bool>>("checks");

    QTest::newRow("-1 leaves checks alone") << true << true << -1 << QList<bool>{true, false, true, false};
    QTest::newRow("-5 leaves checks alone") << false << false << -5 << QList<bool>{true, false, true, false};
    QTest::newRow("0 unchecks") << true << false << 0 << QList<bool>{false, false, false, false};
    QTest::newRow("1 checks") << false << true << 1 << QList<bool>{true, true, true, true};
    QTest::newRow("any positive value checks") << true << true << 7 << QList<bool>{true, true, true, true};
}

void TestCmnWidgetsState::apply()
{
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    QFETCH(qint32, checked);
    QFETCH(QList<bool>, checks);

    // A window that is never shown: a child's hidden flag still tells what it was given.
    QWidget window;
    auto *edit = new QLineEdit(&window);
    auto *checkedBox = new QCheckBox("Deceased", &window);
    auto *uncheckedBox = new QCheckBox("Imported", &window);
    auto *radio = new QRadioButton("Male", &window);
    checkedBox->setChecked(true);
    radio->setChecked(true);
    edit->setEnabled(!enabled);
    edit->setVisible(!visible);

    QAction checkedAction("Show grid");
    QAction uncheckedAction("Show rulers");
    QAction hiddenAction("Hidden");
    for (QAction *action : {&checkedAction, &uncheckedAction, &hiddenAction})
        action->setCheckable(true);
    checkedAction.setChecked(true);
    checkedAction.setEnabled(!enabled);
    hiddenAction.setVisible(false);

    CCmnWidgetsState state;
    state.m_Widgets = {edit, nullptr, checkedBox, uncheckedBox, radio};
    state.m_Actions = {&checkedAction, nullptr, &uncheckedAction, &hiddenAction};
    state.m_Enabled = enabled;
    state.m_Visible = visible;
    state.m_Checked = checked;
    state.Apply();

    for (QWidget *widget : state.m_Widgets) {
        if (!widget)
            continue;
        QCOMPARE(widget->isEnabled(), enabled);
        QCOMPARE(widget->isHidden(), !visible);
    }
    QCOMPARE(checkedAction.isEnabled(), enabled);
    QCOMPARE(uncheckedAction.isEnabled(), enabled);
    // Actions keep their own visibility.
    QVERIFY(checkedAction.isVisible());
    QVERIFY(!hiddenAction.isVisible());

    const QList<bool> got{checkedBox->isChecked(), uncheckedBox->isChecked(), checkedAction.isChecked(),
                          uncheckedAction.isChecked()};
    QCOMPARE(got, checks);
    QVERIFY(radio->isChecked());   // only check boxes take the check state
}

void TestCmnWidgetsState::defaultsLeaveCheckStateAlone()
{
    QWidget window;
    auto *box = new QCheckBox("Deceased", &window);
    box->setChecked(true);
    box->setEnabled(false);
    box->hide();

    CCmnWidgetsState state;
    state.m_Widgets = {box};
    state.Apply();
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isHidden());
    QVERIFY(box->isChecked());
}

QTEST_MAIN(TestCmnWidgetsState)
#include "tst_cmnwidgetsstate.moc"
