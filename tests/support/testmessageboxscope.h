#pragma once

#include "cmnmessageboxpresenter.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers every message box and question of the program in place of the user for
// the scope's lifetime, and records what each one asked; the previous presenter
// comes back at the end of the scope. Scripted answers are used in order. A box
// with no scripted answer left is answered with its default button, as if the user
// pressed Return, and its check box left clear. An answer that names a button the
// box does not offer fails the running test.
class CTestMessageBoxScope
{
public:
    CTestMessageBoxScope();
    ~CTestMessageBoxScope();
    CTestMessageBoxScope(const CTestMessageBoxScope &) = delete;
    CTestMessageBoxScope &operator=(const CTestMessageBoxScope &) = delete;

    // Clicks the first button that answers with the standard button (OK, Yes ...).
    void Answer(qint32 standardButton, bool dontAskAgain = false);
    // Clicks the first button that shows the text (buttons with a text of their own).
    void AnswerWithText(const QString &buttonText, bool dontAskAgain = false);
    // Closes the box without clicking a button.
    void AnswerByClosing(bool dontAskAgain = false);

    // Every box asked during the scope, in order.
    const QList<CCmnMessageBoxRequest> &Requests() const { return m_Requests; }
    // The text of every box asked, in order.
    QStringList Texts() const;
    // Scripted answers not used yet.
    qsizetype PendingAnswers() const { return m_Script.size(); }

private:
    struct CScriptedAnswer
    {
        enum EKind { ByStandardButton, ByText, ByClosing };
        EKind m_Kind;
        qint32 m_StandardButton;
        QString m_Text;
        bool m_DontAskAgain;
    };

    CCmnMessageBoxAnswer Present(const CCmnMessageBoxRequest &request);

    TCmnMessageBoxPresenter m_Previous;
    QList<CScriptedAnswer> m_Script;
    QList<CCmnMessageBoxRequest> m_Requests;
};
