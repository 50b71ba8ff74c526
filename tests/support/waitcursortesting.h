#pragma once

#include "cmnwaitcursor.h"

#include <QDialog>
#include <QGuiApplication>

// What the user saw of the wait cursor when a dialog ran during a long operation.
struct COrvWaitCursorRun
{
    int m_Result = -1;
    bool m_WaitCursorWhileRunning = true;
    bool m_WaitCursorAfter = false;
};

// Runs Exec of a dialog of the given class during a long operation, its modal run
// replaced by one that accepts at once and notes the cursor.
template <typename TDialog>
COrvWaitCursorRun OrvRunDuringLongOperation()
{
    class CRunDialog : public TDialog
    {
    public:
        int exec() override
        {
            m_CursorWhileRunning = QGuiApplication::overrideCursor() != nullptr;
            return QDialog::Accepted;
        }
        bool m_CursorWhileRunning = true;
    };

    COrvWaitCursorRun run;
    const CCmnWaitCursorScope busy;
    CRunDialog dialog;
    run.m_Result = dialog.Exec();
    run.m_WaitCursorWhileRunning = dialog.m_CursorWhileRunning;
    run.m_WaitCursorAfter = QGuiApplication::overrideCursor()
        && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    return run;
}
