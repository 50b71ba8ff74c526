#include "cmnlineedit.h"
#include "cmntext.h"

#include <QIntValidator>
#include <QTest>
#include <QVBoxLayout>

// A window with the edit under test and a second field to move the focus to, so
// that focus really enters and leaves the edit as when the user tabs through.
class CEditWindow
{
public:
    explicit CEditWindow(bool keepLastGoodText)
        : m_Edit(new CCmnLineEdit), m_Other(new QLineEdit)
    {
        auto *layout = new QVBoxLayout(&m_Window);
        layout->addWidget(m_Edit);
        layout->addWidget(m_Other);
        m_Edit->setValidator(new QIntValidator(1, 999, m_Edit));
        m_Edit->SetKeepLastGoodText(keepLastGoodText);
        QObject::connect(m_Edit, &QLineEdit::returnPressed, m_Edit,
                         &CCmnLineEdit::Slot_this_returnPressed);
    }

    bool Show()
    {
        m_Window.show();
        m_Window.activateWindow();
        return QTest::qWaitForWindowActive(&m_Window);
    }

    void FocusEdit() { m_Edit->setFocus(Qt::TabFocusReason); }
    void LeaveEdit() { m_Other->setFocus(Qt::TabFocusReason); }

    QWidget m_Window;
    CCmnLineEdit *m_Edit;
    QLineEdit *m_Other;
};

class TestCmnLineEdit : public QObject
{
    Q_OBJECT
private slots:
    void widthsInChars();
    void leavingRestoresLastGoodText_data();
    void leavingRestoresLastGoodText();
    void returnMakesTypedValueTheOneRestored();
    void programmaticTextIsNotUndone();
};

void TestCmnLineEdit::widthsInChars()
{
    CCmnLineEdit edit;
    QCOMPARE(edit.MinimumWidthInChars(), -1);
    QCOMPARE(edit.MaximumWidthInChars(), -1);

    edit.SetMinimumWidthInChars(4);
    edit.SetMaximumWidthInChars(10);
    const int x = edit.fontMetrics().horizontalAdvance(QLatin1Char('x'));
    QCOMPARE(edit.MinimumWidthInChars(), 4);
    QCOMPARE(edit.MaximumWidthInChars(), 10);
    QCOMPARE(edit.minimumWidth(), x * 6);
    QCOMPARE(edit.maximumWidth(), x * 12);
}

void TestCmnLineEdit::leavingRestoresLastGoodText_data()
{
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("typed");     // keys typed after selecting all; empty clears
    QTest::addColumn<QString>("expected");  // the text after leaving the field

    QTest::newRow("cleared, restored") << true << "" << "25";
    QTest::newRow("rejected value, restored") << true << "0" << "25";
    QTest::newRow("acceptable value stays") << true << "300" << "300";
    QTest::newRow("flag off, cleared stays") << false << "" << "";
    QTest::newRow("flag off, rejected value stays") << false << "0" << "0";
}

void TestCmnLineEdit::leavingRestoresLastGoodText()
{
    QFETCH(bool, keep);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    CEditWindow window(keep);
    window.m_Edit->setText("25");
    QVERIFY(window.Show());

    window.FocusEdit();
    QVERIFY(window.m_Edit->hasFocus());
    window.m_Edit->selectAll();
    QTest::keyClick(window.m_Edit, Qt::Key_Delete);
    QTest::keyClicks(window.m_Edit, typed);
    window.LeaveEdit();

    QVERIFY(!window.m_Edit->hasFocus());
    QCOMPARE(window.m_Edit->text(), expected);
}

void TestCmnLineEdit::returnMakesTypedValueTheOneRestored()
{
    CEditWindow window(true);
    window.m_Edit->setText("25");
    QVERIFY(window.Show());

    window.FocusEdit();
    window.m_Edit->selectAll();
    QTest::keyClicks(window.m_Edit, "42");
    QTest::keyClick(window.m_Edit, Qt::Key_Return);
    QCOMPARE(window.m_Edit->LastGoodText(), QString("42"));

    // Still in the field: the user clears it and leaves.
    window.m_Edit->selectAll();
    QTest::keyClick(window.m_Edit, Qt::Key_Delete);
    window.LeaveEdit();
    QCOMPARE(window.m_Edit->text(), QString("42"));
}

void TestCmnLineEdit::programmaticTextIsNotUndone()
{
    CEditWindow window(true);
    window.m_Edit->setText("25");
    QVERIFY(window.Show());

    window.FocusEdit();
    window.m_Edit->setText("0");   // rejected by the validator, but not the user's doing
    window.LeaveEdit();
    QCOMPARE(window.m_Edit->text(), QString("0"));
}

QTEST_MAIN(TestCmnLineEdit)
#include "tst_cmnlineedit.moc"
