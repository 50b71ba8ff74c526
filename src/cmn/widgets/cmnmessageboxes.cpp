#include "cmnmessageboxes.h"

#include "cmnmessageboxex.h"
#include "cmnmessageboxpresenter.h"
#include "cmnsystemsettings.h"

namespace {

constexpr qint32 kOk = QMessageBox::Ok;
constexpr qint32 kCancel = QMessageBox::Cancel;
constexpr qint32 kYes = QMessageBox::Yes;
constexpr qint32 kNo = QMessageBox::No;

QString DontDisplayAgainText()
{
    return QStringLiteral("Don't display this message again");
}

QString DontAskNextTimeText()
{
    return QStringLiteral("Don't ask next time");
}

// How one of the functions asks, and what it may remember.
struct CQuestion
{
    QList<CCmnMessageBoxButton> m_Buttons;
    qsizetype m_DefaultButton = 0;
    qsizetype m_EscapeButton = -1;
    // A click on this button answers as a close without a click does.
    qsizetype m_RejectButton = -1;
    qint32 m_ClosedAnswer = kCancel;
    // The answers that are returned at once when remembered, and remembered when
    // the check box is ticked; empty for a question that never remembers.
    QList<qint32> m_RememberedAnswers;
    QString m_DefaultCheckBoxText;
};

CCmnMessageBoxButton StandardButton(qint32 button, QMessageBox::ButtonRole role)
{
    return CCmnMessageBoxButton(QString(), button, role);
}

// The button index of a default choice of the three-way questions: 0 the first,
// 1 the second, anything else the third.
qsizetype ChoiceIndex(qint32 choice)
{
    return choice == 0 || choice == 1 ? choice : 2;
}

qint32 RememberedAnswer(qint32 messageId)
{
    const CCmnSystemSettings *settings = CmnGetSystemSettings();
    return settings ? settings->GetDontAskAgainResult(messageId) : 0;
}

void RememberAnswer(qint32 messageId, qint32 answer)
{
    if (CCmnSystemSettings *settings = CmnGetSystemSettings())
        settings->SetDontAskAgainResult(messageId, answer);
}

qint32 Ask(const CQuestion &question, QMessageBox::Icon icon, QWidget *parent,
           const QString &title, const QString &text, const CCmnMessageBoxOptions *options)
{
    CCmnMessageBoxRequest request;
    request.m_Options = options ? *options : CCmnMessageBoxOptions();
    const qint32 messageId = request.m_Options.m_MessageId;
    const bool remembers = messageId > 0 && !question.m_RememberedAnswers.isEmpty();
    if (remembers) {
        const qint32 remembered = RememberedAnswer(messageId);
        if (question.m_RememberedAnswers.contains(remembered))
            return remembered;
        if (request.m_Options.m_CheckBoxText.isEmpty())
            request.m_Options.m_CheckBoxText = question.m_DefaultCheckBoxText;
    }

    request.m_Icon = icon;
    request.m_Parent = parent;
    request.m_Title = CmnMessageBoxTitle(title);
    request.m_Text = text;
    request.m_Buttons = question.m_Buttons;
    request.m_DefaultButton = question.m_DefaultButton;
    request.m_EscapeButton = question.m_EscapeButton;
    const CCmnMessageBoxAnswer answer = CmnExecMessageBox(request);

    const bool answered = answer.m_Button >= 0 && answer.m_Button != question.m_RejectButton;
    const qint32 result =
        answered ? request.m_Buttons.at(answer.m_Button).m_StandardButton : question.m_ClosedAnswer;
    if (remembers && answered && answer.m_DontAskAgain
        && question.m_RememberedAnswers.contains(result))
        RememberAnswer(messageId, result);
    return result;
}

// The two three-way questions differ only in their buttons.
CQuestion ThreeWayQuestion(const QList<CCmnMessageBoxButton> &buttons, qint32 defaultChoice)
{
    CQuestion question;
    question.m_Buttons = buttons;
    question.m_DefaultButton = ChoiceIndex(defaultChoice);
    question.m_EscapeButton = 2;
    question.m_RememberedAnswers = {kYes, kNo};
    question.m_DefaultCheckBoxText = DontAskNextTimeText();
    return question;
}

} // namespace

void ShowRememberedMessage(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                           const QString &text, const CCmnMessageBoxOptions *options)
{
    CQuestion question;
    question.m_Buttons = {StandardButton(kOk, QMessageBox::AcceptRole)};
    // The escape button would be a Cancel button, which this box does not have.
    question.m_RememberedAnswers = {kOk};
    question.m_DefaultCheckBoxText = DontDisplayAgainText();
    Ask(question, icon, parent, title, text, options);
}

qint32 AskOkCancel(QMessageBox::Icon icon, bool cancelIsDefault, QWidget *parent,
                   const QString &title, const QString &text,
                   const CCmnMessageBoxOptions *options)
{
    CQuestion question;
    question.m_Buttons = {StandardButton(kOk, QMessageBox::AcceptRole),
                          StandardButton(kCancel, QMessageBox::RejectRole)};
    question.m_DefaultButton = cancelIsDefault ? 1 : 0;
    question.m_EscapeButton = 1;
    question.m_RememberedAnswers = {kOk};
    question.m_DefaultCheckBoxText = DontAskNextTimeText();
    return Ask(question, icon, parent, title, text, options);
}

qint32 AskYesNoCancel(QMessageBox::Icon icon, qint32 defaultChoice, QWidget *parent,
                      const QString &title, const QString &text,
                      const CCmnMessageBoxOptions *options)
{
    const CQuestion question = ThreeWayQuestion({StandardButton(kYes, QMessageBox::YesRole),
                                                 StandardButton(kNo, QMessageBox::NoRole),
                                                 StandardButton(kCancel, QMessageBox::RejectRole)},
                                                defaultChoice);
    return Ask(question, icon, parent, title, text, options);
}

qint32 AskTwoChoicesOrCancel(QMessageBox::Icon icon, qint32 defaultChoice, QWidget *parent,
                             const QString &title, const QString &text,
                             const CCmnMessageBoxOptions *options, const QString &firstText,
                             const QString &secondText)
{
    const CQuestion question = ThreeWayQuestion(
        {CCmnMessageBoxButton(firstText, kYes, QMessageBox::YesRole),
         CCmnMessageBoxButton(secondText, kNo, QMessageBox::NoRole),
         CCmnMessageBoxButton(QStringLiteral("Cancel"), kCancel, QMessageBox::RejectRole)},
        defaultChoice);
    return Ask(question, icon, parent, title, text, options);
}

qint32 AskWithButtons(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                      const QString &text, const CCmnMessageBoxOptions *options,
                      const CCmnMessageBoxButton *button1, const CCmnMessageBoxButton *button2,
                      const CCmnMessageBoxButton *button3, const CCmnMessageBoxButton *button4,
                      const CCmnMessageBoxButton *button5)
{
    CQuestion question;
    for (const CCmnMessageBoxButton *button : {button1, button2, button3, button4, button5}) {
        if (button)
            question.m_Buttons << *button;
    }
    const auto firstIndex = [&question](auto matches) -> qsizetype {
        for (qsizetype i = 0; i < question.m_Buttons.size(); ++i) {
            if (matches(question.m_Buttons.at(i)))
                return i;
        }
        return -1;
    };
    const auto answersWith = [](qint32 standardButton) {
        return [standardButton](const CCmnMessageBoxButton &button) {
            return button.m_StandardButton == standardButton;
        };
    };

    const qsizetype flagged =
        firstIndex([](const CCmnMessageBoxButton &button) { return button.m_Default; });
    question.m_DefaultButton = flagged >= 0 || question.m_Buttons.isEmpty() ? flagged : 0;
    question.m_EscapeButton = firstIndex(answersWith(kCancel));
    question.m_RejectButton =
        question.m_EscapeButton >= 0 ? question.m_EscapeButton : firstIndex(answersWith(kNo));
    // Any other button's answer can be remembered and returned later, whatever
    // standard button it stands for; a remembered answer that none of the buttons
    // gives is not returned, since the caller does not expect it.
    for (qsizetype i = 0; i < question.m_Buttons.size(); ++i) {
        const qint32 answer = question.m_Buttons.at(i).m_StandardButton;
        if (i != question.m_RejectButton && answer != 0)
            question.m_RememberedAnswers << answer;
    }
    question.m_DefaultCheckBoxText = DontAskNextTimeText();
    return Ask(question, icon, parent, title, text, options);
}

qint32 AskYesNo(QMessageBox::Icon icon, bool noIsDefault, QWidget *parent, const QString &title,
                const QString &text, const CCmnMessageBoxOptions *options)
{
    CQuestion question;
    question.m_Buttons = {StandardButton(kYes, QMessageBox::YesRole),
                          StandardButton(kNo, QMessageBox::NoRole)};
    question.m_DefaultButton = noIsDefault ? 1 : 0;
    question.m_EscapeButton = 1;
    question.m_ClosedAnswer = kNo;
    return Ask(question, icon, parent, title, text, options);
}
