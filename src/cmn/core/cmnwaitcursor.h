#pragma once

#include <QtGlobal>

// The application's wait cursor. The shell raises the wait count around long
// operations; while it is above 0 the application shows the wait cursor. A dialog,
// wizard or message box that waits for input during such an operation suspends the
// wait cursor, so that the user sees the normal cursor, and resumes it when it
// closes. Both counts nest and are process-wide; they belong to the GUI thread.

// Adds delta (+1 or -1) to the wait count. Unless suspended, the wait cursor is set
// when the count leaves 0 and taken away when it returns to 0; while suspended only
// the count changes. The count never falls below 0: an unmatched end is ignored.
void CmnAddWaitCursor(qint32 delta);

// Adds 1 to the suspensions; the first one takes the wait cursor away while the
// wait count is above 0.
void CmnSuspendWaitCursor();
// Subtracts 1 from the suspensions; when the last one ends and the wait count is
// still above 0, the wait cursor is set again. An unmatched call is ignored.
void CmnResumeWaitCursor();

// Shows the wait cursor for the life of the scope (the wait count is raised by 1).
class CCmnWaitCursorScope
{
public:
    [[nodiscard("a wait-cursor scope must be a named local variable")]]
    CCmnWaitCursorScope();
    ~CCmnWaitCursorScope();
    Q_DISABLE_COPY_MOVE(CCmnWaitCursorScope)
};

// Suspends the wait cursor for the life of the scope, so that the suspension is
// resumed on every way out of the code that waits for the user.
class CCmnWaitCursorSuspender
{
public:
    [[nodiscard("a suspension scope must be a named local variable")]]
    CCmnWaitCursorSuspender();
    ~CCmnWaitCursorSuspender();
    Q_DISABLE_COPY_MOVE(CCmnWaitCursorSuspender)
};
