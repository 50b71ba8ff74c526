#pragma once

#include "cmnstringentry.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers the name dialogs of the named-items flows in place of the user. Dialogs
// made by Factory() take the scripted answers in order: a typed text is trimmed and
// checked by the dialog's validators as the real dialog does; a refused one is
// recorded with its message and note and the dialog stays open for the next answer.
// A dialog with no answer left is cancelled. The script must outlive its dialogs.
class CTestStringEntryScript
{
public:
    // Every run of a dialog, as the user saw it.
    struct CShown
    {
        QWidget *m_Parent = nullptr;
        QString m_Title;
        QString m_Prompt;
        QString m_Value;   // the text the line edit started with
        qsizetype m_Validators = 0;
        QStringList m_Refusals;   // each refused text's message, in order
        QStringList m_Notes;      // the note of each refusal
        bool m_Accepted = false;
    };

    // The user types the text (after clearing the line) and presses OK.
    void Type(const QString &text);
    // The user presses Cancel.
    void Cancel();

    TCmnStringEntryFactory Factory();

    const QList<CShown> &Shown() const { return m_Shown; }
    qsizetype PendingAnswers() const { return m_Script.size(); }

private:
    friend class CTestStringEntry;

    struct CAnswer
    {
        bool m_Cancel;
        QString m_Text;
    };

    QList<CAnswer> m_Script;
    QList<CShown> m_Shown;
};
