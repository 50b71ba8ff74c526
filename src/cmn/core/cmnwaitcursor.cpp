#include "cmnwaitcursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <limits>

namespace {

struct CWaitCursorCounts
{
    qint32 m_Waits = 0;
    qint32 m_Suspensions = 0;
};

CWaitCursorCounts &Counts()
{
    static CWaitCursorCounts counts;
    return counts;
}

// The override cursor is a toolkit feature of graphical applications only; a
// console tool that runs shared code still keeps its counts.
bool HasCursor()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

void ShowWaitCursor()
{
    if (HasCursor())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void HideWaitCursor()
{
    if (HasCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace

void CmnAddWaitCursor(qint32 delta)
{
    CWaitCursorCounts &counts = Counts();
    const qint32 before = counts.m_Waits;
    // A negative count would read as "waiting" and leave the wait cursor up for
    // good; each set is to be matched by exactly one restore.
    counts.m_Waits = qint32(qBound(qint64(0), qint64(before) + delta,
                                   qint64(std::numeric_limits<qint32>::max())));
    if (counts.m_Suspensions > 0)
        return;
    if (before == 0 && counts.m_Waits > 0)
        ShowWaitCursor();
    else if (before > 0 && counts.m_Waits == 0)
        HideWaitCursor();
}

void CmnSuspendWaitCursor()
{
    CWaitCursorCounts &counts = Counts();
    if (counts.m_Suspensions++ == 0 && counts.m_Waits > 0)
        HideWaitCursor();
}

void CmnResumeWaitCursor()
{
    CWaitCursorCounts &counts = Counts();
    if (counts.m_Suspensions == 0)
        return;
    if (--counts.m_Suspensions == 0 && counts.m_Waits > 0)
        ShowWaitCursor();
}

CCmnWaitCursorScope::CCmnWaitCursorScope()
{
    CmnAddWaitCursor(1);
}

CCmnWaitCursorScope::~CCmnWaitCursorScope()
{
    CmnAddWaitCursor(-1);
}

CCmnWaitCursorSuspender::CCmnWaitCursorSuspender()
{
    CmnSuspendWaitCursor();
}

CCmnWaitCursorSuspender::~CCmnWaitCursorSuspender()
{
    CmnResumeWaitCursor();
}
