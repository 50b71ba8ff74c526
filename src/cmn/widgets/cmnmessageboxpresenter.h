#pragma once

#include "cmnmessageboxbutton.h"
#include "cmnmessageboxoptions.h"

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box and question of the program passes through one presenter, so
// that tests can answer in place of the user (the button and the check box) and
// see what was asked, and never wait on a modal box. The message and question
// functions describe the box in a request; the presenter in force shows it and
// tells what the user did.

// A message box as the user is to see it.
struct CCmnMessageBoxRequest
{
    QMessageBox::Icon m_Icon = QMessageBox::NoIcon;
    QWidget *m_Parent = nullptr;
    // As shown: never empty, the product name stands in for an empty title.
    QString m_Title;
    QString m_Text;
    // The informative text, message id, check-box text (empty: no check box),
    // position, flags and icon pixmap of the box.
    CCmnMessageBoxOptions m_Options;
    // In the order offered. A button with an empty text is the box's own standard
    // button, with its standard text.
    QList<CCmnMessageBoxButton> m_Buttons;
    // Indexes into m_Buttons; -1 for none. These, not the buttons' default flags,
    // say which button Return and Escape press.
    qsizetype m_DefaultButton = -1;
    qsizetype m_EscapeButton = -1;
};

// What the user did with a box.
struct CCmnMessageBoxAnswer
{
    // Index of the clicked button in the request; -1 when the box closed without a
    // click.
    qsizetype m_Button = -1;
    // Whether the check box was ticked when the box closed.
    bool m_DontAskAgain = false;
};

using TCmnMessageBoxPresenter = std::function<CCmnMessageBoxAnswer(const CCmnMessageBoxRequest &)>;

// Shows the request through the presenter in force, with the wait cursor suspended
// while the box waits. An answer that names no button of the request counts as a
// close without a click.
CCmnMessageBoxAnswer CmnExecMessageBox(const CCmnMessageBoxRequest &request);

// Replaces the presenter and returns the one it replaces; an empty presenter
// restores the real message boxes (CCmnPreparedMessageBox::Present).
TCmnMessageBoxPresenter CmnSetMessageBoxPresenter(TCmnMessageBoxPresenter presenter);
