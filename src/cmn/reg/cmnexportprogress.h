#pragma once

#include <QString>

// What a long table export reports to, and asks whether to go on: the export
// shows a progress dialog through it, a test counts the rows.
class CCmnExportProgress
{
public:
    virtual ~CCmnExportProgress() = default;
    virtual void Begin(const QString &text, int maximum) = 0;
    // Shows the row reached; true once the user has asked to stop.
    virtual bool Step(int row) = 0;
    virtual void End() = 0;
};
