#pragma once

#include "cmngeometrykeeper.h"
#include "cmnslotblocker.h"

#include <QDialog>
#include <QDialogButtonBox>

class CCmnDialogButtonBox;

// The framework's dialog: a QDialog with the slot-blocking counter that places
// itself with a geometry keeper and saves what the keeper remembers when it is
// destroyed, whether it was accepted or not. A click on a link inside a What's This
// text opens the linked help page.
class CCmnDialog : public QDialog, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // Callers pass CmnDefaultDialogFlags.
    explicit CCmnDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~CCmnDialog() override;

    // Takes the keeper and places the dialog with it at once; call it once, after
    // construction and before the dialog is run.
    void SetGeometryKeeper(const CCmnGeometryKeeper &keeper);
    const CCmnGeometryKeeper &GeometryKeeper() const { return m_GeometryKeeper; }

protected:
    bool event(QEvent *event) override;

    // A button box whose accepted() and rejected() reach accept() and reject();
    // with help, it has a Help button too.
    CCmnDialogButtonBox *NewButtonBox(QDialogButtonBox::StandardButtons buttons, bool withHelp,
                                      Qt::Orientation orientation);
    // Gives the title bar its What's This button.
    void AddWhatsThisButton();

private:
    CCmnGeometryKeeper m_GeometryKeeper;
};
