#pragma once

#include <QString>

class CCmnDialogButtonBox;
class CCmnPushButton;
class QWidget;

// The record windows' button that explains how to customise them: titled with the
// text, or "More Information" without one, in the reset role of the box.
CCmnPushButton *CmnRegAddMoreInfoButton(CCmnDialogButtonBox *buttonBox, const QString &buttonText);
// Shows the help text behind that button, application-modal: no other window of
// the program takes input while it is up, as with the record window itself.
void CmnRegShowMoreInfo(QWidget *parent, const QString &title, const QString &helpText);
