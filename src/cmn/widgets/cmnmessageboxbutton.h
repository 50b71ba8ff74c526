#pragma once

#include <QMessageBox>
#include <QString>

// One button of a question with caller-defined buttons (AskWithButtons), and of a
// message-box request: the button's text, the standard button a click on it
// answers, its role in the box's layout, and whether it is the default button.
struct CCmnMessageBoxButton
{
    CCmnMessageBoxButton() = default;
    CCmnMessageBoxButton(const QString &text, qint32 standardButton,
                         QMessageBox::ButtonRole role, bool isDefault = false)
        : m_Text(text)
        , m_StandardButton(standardButton)
        , m_Role(role)
        , m_Default(isDefault)
    {
    }

    // Empty: the box's own text for the standard button.
    QString m_Text;
    // A QMessageBox::StandardButton value; 0 for none.
    qint32 m_StandardButton = 0;
    QMessageBox::ButtonRole m_Role = QMessageBox::InvalidRole;
    bool m_Default = false;
};
