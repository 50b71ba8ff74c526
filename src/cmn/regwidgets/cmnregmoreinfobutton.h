#pragma once

#include <QString>

class CCmnDialogButtonBox;
class CCmnPushButton;

// The record windows' button that explains how to customise them: titled with the
// text, or "More Information" without one, in the reset role of the box.
CCmnPushButton *CmnRegAddMoreInfoButton(CCmnDialogButtonBox *buttonBox, const QString &buttonText);
