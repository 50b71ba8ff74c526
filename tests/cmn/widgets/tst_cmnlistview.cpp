#include "cmnlistview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>

namespace {

// Counts the beeps instead of sounding them.
class CProbeListView : public CCmnListView
{
public:
    using CCmnListView::CCmnListView;
    int m_Beeps = 0;

protected:
    void Beep() override { ++m_Beeps; }
};

QString CurrentText(const QListView &view)
{
    return view.currentIndex().data().toString();
}

// Sends one key press and tells whether the view took it.
bool Press(QWidget &widget, int key, const QString &text = QString(),
           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &event);
    return event.isAccepted();
}

} // namespace

class TestCmnListView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typingSelectsByPrefix();
    void typedTextHasNoTimeOut();
    void emptyingTheTextSelectsTheFirstRow();
    void leavesControlKeysToTheView_data();
    void leavesControlKeysToTheView();
    void emptyOrMissingModelIsQuiet();
    void switchedOffLeavesTypingToTheBase();

private:
    QStringListModel *m_Model = nullptr;
    CProbeListView *m_View = nullptr;
};

void TestCmnListView::init()
{
    m_Model = new QStringListModel({QStringLiteral("Anna"), QStringLiteral("Brian"), QStringLiteral("Bruno")});
    m_View = new CProbeListView;
    m_View->setModel(m_Model);
    m_View->SetTypeAhead(true);
}

void TestCmnListView::cleanup()
{
    delete m_View;
    delete m_Model;
}

void TestCmnListView::typingSelectsByPrefix()
{
    QVERIFY(Press(*m_View, Qt::Key_B, QStringLiteral("b")));
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Brian"));
    QVERIFY(m_View->selectionModel()->isSelected(m_View->currentIndex()));
    QVERIFY(Press(*m_View, Qt::Key_R, QStringLiteral("R")));
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Brian"));
    QCOMPARE(m_View->m_Beeps, 0);

    QVERIFY(Press(*m_View, Qt::Key_X, QStringLiteral("x")));
    QCOMPARE(m_View->TypedText(), QStringLiteral("bRx"));
    QCOMPARE(m_View->m_Beeps, 1);
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Brian"));

    // Backspace searches again for what is left.
    m_View->setCurrentIndex(m_Model->index(0, 0));
    QVERIFY(Press(*m_View, Qt::Key_Backspace, QStringLiteral("\b")));
    QCOMPARE(m_View->TypedText(), QStringLiteral("bR"));
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Brian"));

    QVERIFY(Press(*m_View, Qt::Key_U, QStringLiteral("u")));
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Bruno"));
    QCOMPARE(m_View->m_Beeps, 1);
}

void TestCmnListView::typedTextHasNoTimeOut()
{
    // Item views forget typed text after the keyboard input interval; here a
    // zero interval makes every key late, and the text still gathers.
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(0);
    Press(*m_View, Qt::Key_B, QStringLiteral("b"));
    Press(*m_View, Qt::Key_R, QStringLiteral("r"));
    Press(*m_View, Qt::Key_U, QStringLiteral("u"));
    QApplication::setKeyboardInputInterval(interval);

    QCOMPARE(m_View->TypedText(), QStringLiteral("bru"));
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Bruno"));
}

void TestCmnListView::emptyingTheTextSelectsTheFirstRow()
{
    Press(*m_View, Qt::Key_B, QStringLiteral("b"));
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Brian"));
    QVERIFY(Press(*m_View, Qt::Key_Delete, QStringLiteral("\x7f")));
    QCOMPARE(m_View->TypedText(), QString());
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Anna"));

    // Nothing left to drop: the key is still taken, and nothing moves.
    m_View->setCurrentIndex(m_Model->index(2, 0));
    QVERIFY(Press(*m_View, Qt::Key_Backspace, QStringLiteral("\b")));
    QCOMPARE(CurrentText(*m_View), QStringLiteral("Bruno"));
    QCOMPARE(m_View->m_Beeps, 0);
}

void TestCmnListView::leavesControlKeysToTheView_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("current");

    // Escape must reach the dialog; Return its default button. Modified keys
    // and keys without text are the view's own (Ctrl+A, arrows).
    QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << 0 << false << "Anna";
    QTest::newRow("return") << int(Qt::Key_Return) << "\r" << 0 << false << "Anna";
    QTest::newRow("enter") << int(Qt::Key_Enter) << "\r" << int(Qt::KeypadModifier) << false << "Anna";
    QTest::newRow("ctrl+b") << int(Qt::Key_B) << "\x02" << int(Qt::ControlModifier) << false << "Anna";
    QTest::newRow("alt+b") << int(Qt::Key_B) << "b" << int(Qt::AltModifier) << false << "Anna";
    QTest::newRow("down arrow") << int(Qt::Key_Down) << "" << 0 << true << "Brian";
}

void TestCmnListView::leavesControlKeysToTheView()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(bool, accepted);
    QFETCH(QString, current);

    m_View->setCurrentIndex(m_Model->index(0, 0));
    QCOMPARE(Press(*m_View, key, text, Qt::KeyboardModifiers(modifiers)), accepted);
    QCOMPARE(m_View->TypedText(), QString());
    QCOMPARE(CurrentText(*m_View), current);
    QCOMPARE(m_View->m_Beeps, 0);
}

void TestCmnListView::emptyOrMissingModelIsQuiet()
{
    m_Model->setStringList({});
    QVERIFY(Press(*m_View, Qt::Key_A, QStringLiteral("a")));
    QVERIFY(Press(*m_View, Qt::Key_Backspace, QStringLiteral("\b")));
    QCOMPARE(m_View->m_Beeps, 0);
    QVERIFY(!m_View->currentIndex().isValid());

    CProbeListView bare;
    bare.SetTypeAhead(true);
    QVERIFY(Press(bare, Qt::Key_A, QStringLiteral("a")));
    QCOMPARE(bare.TypedText(), QStringLiteral("a"));
    QCOMPARE(bare.m_Beeps, 0);
}

void TestCmnListView::switchedOffLeavesTypingToTheBase()
{
    CProbeListView view;
    QVERIFY(!view.TypeAhead());
    view.setModel(m_Model);
    Press(view, Qt::Key_X, QStringLiteral("x"));
    Press(view, Qt::Key_Escape, QStringLiteral("\x1b"));
    QCOMPARE(view.TypedText(), QString());
    QCOMPARE(view.m_Beeps, 0);
}

QTEST_MAIN(TestCmnListView)
#include "tst_cmnlistview.moc"
