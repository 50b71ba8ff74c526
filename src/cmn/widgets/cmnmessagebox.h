#pragma once

#include "cmnslotblocker.h"

#include <QMessageBox>

// A QMessageBox with the framework's slot-blocking counter and an optional check
// box under the message, through which the user asks not to be asked again.
class CCmnMessageBox : public QMessageBox, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // An empty check-box text gives no check box.
    CCmnMessageBox(Icon icon, const QString &title, const QString &text,
                   StandardButtons buttons = NoButton, QWidget *parent = nullptr,
                   Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint,
                   const QString &checkBoxText = QString());

    // Whether the check box is ticked; false for a box without one.
    [[nodiscard]] bool IsDontAskAgainChecked() const;

    // The text the box shows for a standard button; empty for NoButton.
    [[nodiscard]] QString standardButtonText(StandardButton button) const;
};
