#include "cmnregmoreinfobutton.h"

#include "cmndialogbuttonbox.h"
#include "cmnpushbutton.h"
#include "cmntext.h"

CCmnPushButton *CmnRegAddMoreInfoButton(CCmnDialogButtonBox *buttonBox, const QString &buttonText)
{
    const QString title = buttonText.isEmpty() ? QStringLiteral("More Information") : buttonText;
    auto *button = new CCmnPushButton(CmnMnemonicSafe(title));
    buttonBox->addButton(button, QDialogButtonBox::ResetRole);
    return button;
}
