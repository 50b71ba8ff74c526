#include "testmessageboxscope.h"

#include <QTest>

CTestMessageBoxScope::CTestMessageBoxScope()
    : m_Previous(CmnSetMessageBoxPresenter(
        [this](const CCmnMessageBoxRequest &request) { return Present(request); }))
{
}

CTestMessageBoxScope::~CTestMessageBoxScope()
{
    CmnSetMessageBoxPresenter(m_Previous);
}

void CTestMessageBoxScope::Answer(qint32 standardButton, bool dontAskAgain)
{
    m_Script << CScriptedAnswer{CScriptedAnswer::ByStandardButton, standardButton, QString(),
                                dontAskAgain};
}

void CTestMessageBoxScope::AnswerWithText(const QString &buttonText, bool dontAskAgain)
{
    m_Script << CScriptedAnswer{CScriptedAnswer::ByText, 0, buttonText, dontAskAgain};
}

void CTestMessageBoxScope::AnswerByClosing(bool dontAskAgain)
{
    m_Script << CScriptedAnswer{CScriptedAnswer::ByClosing, 0, QString(), dontAskAgain};
}

CCmnMessageBoxAnswer CTestMessageBoxScope::Present(const CCmnMessageBoxRequest &request)
{
    m_Requests << request;
    CCmnMessageBoxAnswer answer;
    if (m_Script.isEmpty()) {
        answer.m_Button = request.m_DefaultButton;
        return answer;
    }

    const CScriptedAnswer scripted = m_Script.takeFirst();
    answer.m_DontAskAgain = scripted.m_DontAskAgain;
    if (scripted.m_Kind == CScriptedAnswer::ByClosing)
        return answer;
    for (qsizetype i = 0; i < request.m_Buttons.size(); ++i) {
        const CCmnMessageBoxButton &button = request.m_Buttons.at(i);
        const bool matches = scripted.m_Kind == CScriptedAnswer::ByText
            ? button.m_Text == scripted.m_Text
            : button.m_StandardButton == scripted.m_StandardButton;
        if (matches) {
            answer.m_Button = i;
            return answer;
        }
    }
    const QString wanted = scripted.m_Kind == CScriptedAnswer::ByText
        ? QStringLiteral("\"%1\"").arg(scripted.m_Text)
        : QStringLiteral("standard button %1").arg(scripted.m_StandardButton);
    QTest::qFail(qPrintable(QStringLiteral("The message box \"%1\" has no button %2")
                                .arg(request.m_Text, wanted)),
                 __FILE__, __LINE__);
    return answer;
}

QStringList CTestMessageBoxScope::Texts() const
{
    QStringList texts;
    for (const CCmnMessageBoxRequest &request : m_Requests)
        texts << request.m_Text;
    return texts;
}
