#pragma once

#include <QPixmap>
#include <QPoint>
#include <QString>

// What a caller may add to a message or question beyond its icon, title and text.
// A message id above 0 lets the user tick a check box under the text, and the
// answer given with it ticked is remembered under that id in the system settings;
// each question chooses its own id, so the ids are part of the settings format.
struct CCmnMessageBoxOptions
{
    enum EFlag : qint32 {
        // Application-modal even when the box has a parent.
        ApplicationModal = 0x1,
    };

    qint32 m_Flags = 0;
    // Shown under the main text when not empty.
    QString m_InformativeText;
    // 0 or below: the answer is never remembered.
    qint32 m_MessageId = 0;
    // Empty: no check box, unless the function fills in its default text.
    QString m_CheckBoxText;
    // The screen point on which the box is centred; (-1, -1) for none.
    QPoint m_Position{-1, -1};
    // Replaces the box's standard icon when not null.
    QPixmap m_IconPixmap;
};
