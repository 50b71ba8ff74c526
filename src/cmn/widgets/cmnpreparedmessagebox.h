#pragma once

#include "cmnmessageboxex.h"
#include "cmnmessageboxpresenter.h"

#include <QList>
#include <QPointer>

class QPushButton;

// The real presenter of message boxes, in the two steps that every dialog of the
// program takes: the constructor prepares the box that a request describes (its
// texts, check box, buttons, default and escape buttons, modality and icon), which
// tests inspect without running it; Run executes it modally and reads the answer.
class CCmnPreparedMessageBox
{
public:
    explicit CCmnPreparedMessageBox(const CCmnMessageBoxRequest &request);
    // Deletes the box, unless its parent already has.
    ~CCmnPreparedMessageBox();
    Q_DISABLE_COPY_MOVE(CCmnPreparedMessageBox)

    // Null once the box's parent has deleted it.
    CCmnMessageBoxEx *Box() const { return m_Box; }
    // The box's button for the request's button at the index; null outside the list.
    QPushButton *Button(qsizetype index) const;

    // Runs the box modally and returns the answer.
    CCmnMessageBoxAnswer Run();
    // The clicked button and the check box of a box that has closed.
    CCmnMessageBoxAnswer Answer() const;

    // Prepares and runs a box: the presenter in force when no other is installed.
    static CCmnMessageBoxAnswer Present(const CCmnMessageBoxRequest &request);

private:
    // The box points at these options, so they live as long as the box.
    CCmnMessageBoxOptions m_Options;
    QPointer<CCmnMessageBoxEx> m_Box;
    QList<QPushButton *> m_Buttons;
};
