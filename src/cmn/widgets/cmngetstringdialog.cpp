#include "cmngetstringdialog.h"

#include "cmndataexchange.h"
#include "cmnenabledlook.h"
#include "cmnexchangeflags.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnvalidator.h"

#include <QBoxLayout>

CCmnGetStringDialog::CCmnGetStringDialog(QWidget *parent)
    : CCmnDialogEx(parent)
{
    SetHelpPage(QStringLiteral("CCmnGetStringDialog.html"));
}

CCmnGetStringDialog::~CCmnGetStringDialog() = default;

void CCmnGetStringDialog::SetReadOnly(bool readOnly)
{
    m_ReadOnly = readOnly;
    if (m_LineEdit) {
        m_LineEdit->setReadOnly(readOnly);
        CmnSetLineEditEnabledLook(m_LineEdit, !readOnly);
    }
    if (m_PromptLabel)
        CmnSetLabelEnabledLook(m_PromptLabel, !readOnly);
}

int CCmnGetStringDialog::Exec()
{
    CreateEditors();
    return CCmnDialogEx::Exec();
}

bool CCmnGetStringDialog::DataExchange(CCmnDataExchange *context)
{
    // A refused text must not reach the caller: a Cancel after it leaves the value
    // as it was given.
    QString value = m_Value;
    // A plain text box: without the file or folder flags the path exchange takes
    // the text as it stands, trimmed.
    const qint32 flags = CmnExchangeTrim | (IsFirstLoad(context) ? CmnExchangeSelectAll : 0);
    if (!context->ExchangePathLineEdit(&value, m_LineEdit, flags))
        return false;
    if (!context->m_Save)
        m_LineEdit->setFocus(Qt::OtherFocusReason);
    if (context->m_Save && !m_ReadOnly) {
        QString note;
        const QString message = CmnRunValidators(m_Validators, value, &note);
        if (!message.isEmpty())
            return context->ShowInvalidLineEdit(message, QString(), QString(), note, m_LineEdit);
    }
    if (!CCmnDialogEx::DataExchange(context))
        return false;
    m_Value = value;
    return true;
}

void CCmnGetStringDialog::AddControls(QBoxLayout *layout)
{
    CreateEditors();
    CCmnDialogEx::AddControls(layout);
}

void CCmnGetStringDialog::CreateEditors()
{
    if (!m_PromptLabel) {
        m_PromptLabel = new CCmnLabel;
        MainLayout()->addWidget(m_PromptLabel);
    }
    // Prompts quote names the user typed ("Rename 'Tom<Jerry':").
    m_PromptLabel->setTextFormat(Qt::PlainText);
    if (!m_LineEdit) {
        m_LineEdit = new CCmnLineEdit;
        MainLayout()->addWidget(m_LineEdit);
        SetWidgetHelpName(this, m_LineEdit, QStringLiteral("Value"));
        if (!m_ReadOnly)
            SetInitialFocusWidget(m_LineEdit);
    }
    SetReadOnly(m_ReadOnly);
    m_PromptLabel->setText(m_Prompt);
}
