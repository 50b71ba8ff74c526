#pragma once

#include "cmnmessageboxbutton.h"
#include "cmnmessageboxoptions.h"

#include <QMessageBox>

class QWidget;

// The message and question functions through which every message and simple
// question reaches the user. Results are QMessageBox::StandardButton values (OK
// 1024, Yes 16384, No 65536, Cancel 4194304); the answers remembered under a
// message id are the same values, stored in the system settings.
//
// With a message id above 0 in the options, a check box under the text ("Don't
// display this message again" for a message, "Don't ask next time" for a question,
// unless the caller gives a text of its own) lets the user's answer be remembered;
// every later call with that id returns the remembered answer without showing
// anything. An empty title shows the product name. The options may be null; the
// functions never change the caller's record.

// A message with an OK button.
void ShowRememberedMessage(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                           const QString &text, const CCmnMessageBoxOptions *options = nullptr);

// OK or Cancel; Cancel when the box closes without a click. Only OK is remembered.
qint32 AskOkCancel(QMessageBox::Icon icon, bool cancelIsDefault, QWidget *parent,
                   const QString &title, const QString &text,
                   const CCmnMessageBoxOptions *options = nullptr);

// Yes, No or Cancel; the default choice is 0 for Yes, 1 for No, anything else for
// Cancel. Yes and No are remembered.
qint32 AskYesNoCancel(QMessageBox::Icon icon, qint32 defaultChoice, QWidget *parent,
                      const QString &title, const QString &text,
                      const CCmnMessageBoxOptions *options = nullptr);

// Two buttons with the caller's texts and a "Cancel" button: Yes for the first, No
// for the second, Cancel for "Cancel" or a close without a click. The default
// choice is 0 for the first, 1 for the second, anything else for "Cancel".
qint32 AskTwoChoicesOrCancel(QMessageBox::Icon icon, qint32 defaultChoice, QWidget *parent,
                             const QString &title, const QString &text,
                             const CCmnMessageBoxOptions *options, const QString &firstText,
                             const QString &secondText);

// Up to five caller-defined buttons, in argument order; null ones are skipped. The
// result is the clicked button's standard button; Cancel for a close without a
// click or a click on the reject button (the first whose standard button is
// Cancel, else the first whose standard button is No). A remembered answer is
// returned only while one of the other buttons still answers it.
qint32 AskWithButtons(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                      const QString &text, const CCmnMessageBoxOptions *options,
                      const CCmnMessageBoxButton *button1,
                      const CCmnMessageBoxButton *button2 = nullptr,
                      const CCmnMessageBoxButton *button3 = nullptr,
                      const CCmnMessageBoxButton *button4 = nullptr,
                      const CCmnMessageBoxButton *button5 = nullptr);

// Yes or No; No when the box closes without a click. Never remembered.
qint32 AskYesNo(QMessageBox::Icon icon, bool noIsDefault, QWidget *parent, const QString &title,
                const QString &text, const CCmnMessageBoxOptions *options = nullptr);
