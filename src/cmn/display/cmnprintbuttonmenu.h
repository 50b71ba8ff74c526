#pragma once

#include <QAction>
#include <QObject>

class CCmnPushButton;
class QWidget;

// The push button that offers "Print..." and "Print Preview..." from one menu.
// The button, the two actions and the menu belong to the parent widget; each
// operation leaves out a part that was not made.
class CCmnPrintButtonMenu
{
public:
    template <typename Receiver>
    CCmnPushButton *Create(QWidget *parent, Receiver *receiver, void (Receiver::*printSlot)(),
                           void (Receiver::*previewSlot)())
    {
        CreateParts(parent);
        QObject::connect(m_PrintAction, &QAction::triggered, receiver, printSlot);
        QObject::connect(m_PreviewAction, &QAction::triggered, receiver, previewSlot);
        return m_Button;
    }

    // The parts alone, for a caller that connects the actions itself.
    CCmnPushButton *Create(QWidget *parent)
    {
        CreateParts(parent);
        return m_Button;
    }

    void SetText(const QString &text);
    void SetEnabled(bool enabled);
    void SetPrintStatusTip(const QString &text);
    void SetPreviewStatusTip(const QString &text);

    CCmnPushButton *m_Button = nullptr;
    QAction *m_PrintAction = nullptr;
    QAction *m_PreviewAction = nullptr;

private:
    void CreateParts(QWidget *parent);
};
