#include "cmnstringentrydialog.h"

#include "cmngetstringdialog.h"

#include <QDialog>

CCmnStringEntryDialog::CCmnStringEntryDialog(QWidget *parent, TCmnGetStringDialogRunner runner)
    : CCmnStringEntryDialog(new CCmnGetStringDialog(parent), std::move(runner))
{
}

CCmnStringEntryDialog::CCmnStringEntryDialog(CCmnGetStringDialog *dialog, TCmnGetStringDialogRunner runner)
    : m_Dialog(dialog)
    , m_Runner(std::move(runner))
{
}

CCmnStringEntryDialog::~CCmnStringEntryDialog()
{
    delete m_Dialog;
}

void CCmnStringEntryDialog::SetTitle(const QString &title)
{
    if (m_Dialog)
        m_Dialog->setWindowTitle(title);
}

void CCmnStringEntryDialog::SetPrompt(const QString &prompt)
{
    if (m_Dialog)
        m_Dialog->m_Prompt = prompt;
}

void CCmnStringEntryDialog::SetValue(const QString &value)
{
    if (m_Dialog)
        m_Dialog->m_Value = value;
}

QString CCmnStringEntryDialog::Value() const
{
    return m_Dialog ? m_Dialog->m_Value : QString();
}

void CCmnStringEntryDialog::AddValidator(const CCmnValidator *validator)
{
    if (m_Dialog)
        m_Dialog->m_Validators << validator;
}

bool CCmnStringEntryDialog::Exec()
{
    if (!m_Dialog)
        return false;
    const int result = m_Runner ? m_Runner(*m_Dialog) : m_Dialog->Exec();
    // The parent may have gone, and the dialog with it, while the dialog ran.
    return m_Dialog && result == QDialog::Accepted;
}

TCmnStringEntryFactory CmnStringEntryDialogFactory(TCmnGetStringDialogRunner runner)
{
    return [runner = std::move(runner)](QWidget *parent) -> std::unique_ptr<CCmnStringEntry> {
        return std::make_unique<CCmnStringEntryDialog>(parent, runner);
    };
}
