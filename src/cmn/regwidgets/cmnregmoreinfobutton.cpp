#include "cmnregmoreinfobutton.h"

#include "cmndialogbuttonbox.h"
#include "cmnmessageboxes.h"
#include "cmnmessageboxoptions.h"
#include "cmnpushbutton.h"
#include "cmntext.h"

CCmnPushButton *CmnRegAddMoreInfoButton(CCmnDialogButtonBox *buttonBox, const QString &buttonText)
{
    const QString title = buttonText.isEmpty() ? QStringLiteral("More Information") : buttonText;
    auto *button = new CCmnPushButton(CmnMnemonicSafe(title));
    buttonBox->addButton(button, QDialogButtonBox::ResetRole);
    return button;
}

void CmnRegShowMoreInfo(QWidget *parent, const QString &title, const QString &helpText)
{
    CCmnMessageBoxOptions options;
    options.m_Flags = CCmnMessageBoxOptions::ApplicationModal;
    ShowRememberedMessage(QMessageBox::Information, parent, title, helpText, &options);
}
