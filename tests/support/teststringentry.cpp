#include "teststringentry.h"

#include "cmnvalidator.h"

// One name dialog answered from the script.
class CTestStringEntry : public CCmnStringEntry
{
public:
    CTestStringEntry(CTestStringEntryScript *script, QWidget *parent)
        : m_Script(script), m_Parent(parent)
    {
    }

    void SetTitle(const QString &title) override { m_Title = title; }
    void SetPrompt(const QString &prompt) override { m_Prompt = prompt; }
    void SetValue(const QString &value) override { m_Value = value; }
    QString Value() const override { return m_Value; }
    void AddValidator(const CCmnValidator *validator) override { m_Validators << validator; }

    bool Exec() override
    {
        CTestStringEntryScript::CShown shown;
        shown.m_Parent = m_Parent;
        shown.m_Title = m_Title;
        shown.m_Prompt = m_Prompt;
        shown.m_Value = m_Value;
        shown.m_Validators = m_Validators.size();
        bool accepted = false;
        while (!m_Script->m_Script.isEmpty()) {
            const CTestStringEntryScript::CAnswer answer = m_Script->m_Script.takeFirst();
            if (answer.m_Cancel)
                break;
            const QString text = answer.m_Text.trimmed();
            QString note;
            const QString message = CmnRunValidators(m_Validators, text, &note);
            if (message.isEmpty()) {
                m_Value = text;
                accepted = true;
                break;
            }
            shown.m_Refusals << message;
            shown.m_Notes << note;
        }
        shown.m_Accepted = accepted;
        m_Script->m_Shown << shown;
        return accepted;
    }

private:
    CTestStringEntryScript *m_Script;
    QWidget *m_Parent;
    QString m_Title;
    QString m_Prompt;
    QString m_Value;
    QList<const CCmnValidator *> m_Validators;
};

void CTestStringEntryScript::Type(const QString &text)
{
    m_Script << CAnswer{false, text};
}

void CTestStringEntryScript::Cancel()
{
    m_Script << CAnswer{true, QString()};
}

TCmnStringEntryFactory CTestStringEntryScript::Factory()
{
    return [this](QWidget *parent) -> std::unique_ptr<CCmnStringEntry> {
        return std::make_unique<CTestStringEntry>(this, parent);
    };
}
