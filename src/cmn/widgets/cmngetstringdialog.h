#pragma once

#include "cmndialogex.h"

#include <QList>
#include <QString>

class CCmnLabel;
class CCmnLineEdit;
class CCmnValidator;

// A dialog that asks for one line of text under a prompt. On OK the text is
// trimmed and checked by the validators in order; the first message is shown at
// the line edit and keeps the dialog open. The value changes only when the dialog
// is accepted. A read-only dialog shows the value and accepts it unchecked.
//
// A derived dialog may create the prompt label and the line edit itself (placed in
// a layout of its own) before the dialog is prepared; otherwise they are made then,
// one under the other in the main layout.
class CCmnGetStringDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    explicit CCmnGetStringDialog(QWidget *parent = nullptr);
    ~CCmnGetStringDialog() override;

    // Greys the prompt and the text and stops editing, or undoes that.
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return m_ReadOnly; }

    // Prepares the dialog (the editors, then the show order of the base) and runs it;
    // a second run keeps the editors and takes up a changed prompt.
    int Exec();

    bool DataExchange(CCmnDataExchange *context) override;

    // Null before the dialog is prepared, unless a derived dialog made them.
    CCmnLineEdit *LineEdit() const { return m_LineEdit; }
    CCmnLabel *PromptLabel() const { return m_PromptLabel; }

    // In: the text to start from; out: the accepted text.
    QString m_Value;
    // Plain text, shown as it stands.
    QString m_Prompt;
    // Not owned; each must outlive the dialog's runs.
    QList<const CCmnValidator *> m_Validators;

protected:
    void AddControls(QBoxLayout *layout) override;

    CCmnLineEdit *m_LineEdit = nullptr;
    CCmnLabel *m_PromptLabel = nullptr;

private:
    void CreateEditors();

    bool m_ReadOnly = false;
};
