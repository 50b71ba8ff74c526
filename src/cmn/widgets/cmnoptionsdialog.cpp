#include "cmnoptionsdialog.h"

#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnmessageboxes.h"
#include "cmnpushbutton.h"
#include "cmnshellvalues.h"

CCmnOptionsDialog::CCmnOptionsDialog(QWidget *parent)
    : CCmnTabDialog(parent, CmnDefaultDialogFlags)
    , m_ResetButtonText(QStringLiteral("Reset All"))
    , m_ResetQuestion(QStringLiteral(
          "<p>This will reset all preferences to their default settings.</p><p>Are you sure about that?</p>"))
{
    setWindowTitle(CCmnAppDescriptor::PreferencesName());
}

void CCmnOptionsDialog::Slot_clicked_ResetButton()
{
    if (AskYesNo(QMessageBox::Question, true, this, CmnGetAppDescriptor().m_ProductDisplayName, m_ResetQuestion)
        != QMessageBox::Yes)
        return;
    ResetAll();
    m_ResetDone = true;
    // Reset values are defaults, so there is nothing to save or check.
    QDialog::accept();
}

void CCmnOptionsDialog::AddControlsAfterButtonBox(QBoxLayout *)
{
    if (!m_ShowResetButton)
        return;
    auto *resetButton = new CCmnPushButton(m_ResetButtonText, ButtonBox());
    ButtonBox()->addButton(resetButton, QDialogButtonBox::ActionRole);
    connect(resetButton, &QPushButton::clicked, this, &CCmnOptionsDialog::Slot_clicked_ResetButton);
}
