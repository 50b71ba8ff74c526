#include "cmnwaitcursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

namespace {

// The shape of the override cursor in force; -1 when none is set.
int CursorShape()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? int(cursor->shape()) : -1;
}

constexpr int kWait = Qt::WaitCursor;

} // namespace

// Each test may put an outer override cursor of its own under the wait cursor:
// the wait-cursor functions must never take away a cursor they did not set.
class TestCmnWaitCursor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void suspensionWithoutWaitCursorChangesNothing_data();
    void suspensionWithoutWaitCursorChangesNothing();
    void suspensionLiftsWaitCursorUntilLastResume_data();
    void suspensionLiftsWaitCursorUntilLastResume();
    void waitStartedWhileSuspendedShowsOnResume();
    void waitEndedWhileSuspendedStaysAway();
    void nestedWaitsKeepTheCursorUntilTheLastEnds();
    void unmatchedEndsAreIgnored();

private:
    void SetOuterCursor(int shape);
    bool m_HasOuterCursor = false;
};

void TestCmnWaitCursor::init()
{
    QCOMPARE(CursorShape(), -1);
}

void TestCmnWaitCursor::cleanup()
{
    if (m_HasOuterCursor)
        QGuiApplication::restoreOverrideCursor();
    m_HasOuterCursor = false;
    // Whatever a failed test left behind must not leak into the next one.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void TestCmnWaitCursor::SetOuterCursor(int shape)
{
    if (shape < 0)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::CursorShape(shape)));
    m_HasOuterCursor = true;
}

void TestCmnWaitCursor::suspensionWithoutWaitCursorChangesNothing_data()
{
    QTest::addColumn<int>("outer");
    QTest::newRow("no override cursor") << -1;
    QTest::newRow("another override cursor") << int(Qt::CrossCursor);
}

void TestCmnWaitCursor::suspensionWithoutWaitCursorChangesNothing()
{
    QFETCH(int, outer);
    SetOuterCursor(outer);

    CmnSuspendWaitCursor();
    QCOMPARE(CursorShape(), outer);
    {
        const CCmnWaitCursorSuspender nested;
        QCOMPARE(CursorShape(), outer);
    }
    QCOMPARE(CursorShape(), outer);
    CmnResumeWaitCursor();
    QCOMPARE(CursorShape(), outer);
}

void TestCmnWaitCursor::suspensionLiftsWaitCursorUntilLastResume_data()
{
    suspensionWithoutWaitCursorChangesNothing_data();
}

void TestCmnWaitCursor::suspensionLiftsWaitCursorUntilLastResume()
{
    QFETCH(int, outer);
    SetOuterCursor(outer);
    {
        const CCmnWaitCursorScope wait;
        QCOMPARE(CursorShape(), kWait);

        CmnSuspendWaitCursor();
        QCOMPARE(CursorShape(), outer);
        CmnSuspendWaitCursor();
        QCOMPARE(CursorShape(), outer);
        CmnResumeWaitCursor();
        QCOMPARE(CursorShape(), outer);   // one suspension is still open
        CmnResumeWaitCursor();
        QCOMPARE(CursorShape(), kWait);

        {
            const CCmnWaitCursorSuspender suspender;
            QCOMPARE(CursorShape(), outer);
        }
        QCOMPARE(CursorShape(), kWait);
    }
    QCOMPARE(CursorShape(), outer);
}

void TestCmnWaitCursor::waitStartedWhileSuspendedShowsOnResume()
{
    CmnSuspendWaitCursor();
    CmnAddWaitCursor(1);
    QCOMPARE(CursorShape(), -1);
    CmnResumeWaitCursor();
    QCOMPARE(CursorShape(), kWait);
    CmnAddWaitCursor(-1);
    QCOMPARE(CursorShape(), -1);
}

void TestCmnWaitCursor::waitEndedWhileSuspendedStaysAway()
{
    SetOuterCursor(Qt::CrossCursor);
    CmnAddWaitCursor(1);
    CmnSuspendWaitCursor();
    CmnAddWaitCursor(-1);
    QCOMPARE(CursorShape(), int(Qt::CrossCursor));
    CmnResumeWaitCursor();
    QCOMPARE(CursorShape(), int(Qt::CrossCursor));
}

void TestCmnWaitCursor::nestedWaitsKeepTheCursorUntilTheLastEnds()
{
    {
        const CCmnWaitCursorScope outer;
        {
            const CCmnWaitCursorScope inner;
            QCOMPARE(CursorShape(), kWait);
        }
        QCOMPARE(CursorShape(), kWait);
    }
    // One wait cursor for both scopes: none is left behind.
    QCOMPARE(CursorShape(), -1);
}

void TestCmnWaitCursor::unmatchedEndsAreIgnored()
{
    SetOuterCursor(Qt::CrossCursor);
    CmnAddWaitCursor(-1);
    CmnResumeWaitCursor();
    QCOMPARE(CursorShape(), int(Qt::CrossCursor));

    // The counts are still balanced: a wait and a suspension behave as usual.
    {
        const CCmnWaitCursorScope wait;
        QCOMPARE(CursorShape(), kWait);
        {
            const CCmnWaitCursorSuspender suspender;
            QCOMPARE(CursorShape(), int(Qt::CrossCursor));
        }
        QCOMPARE(CursorShape(), kWait);
    }
    QCOMPARE(CursorShape(), int(Qt::CrossCursor));
}

QTEST_MAIN(TestCmnWaitCursor)
#include "tst_cmnwaitcursor.moc"
