#pragma once

#include "cmnslotblocker.h"

#include <QPointer>
#include <QPushButton>

class QAction;

// A QPushButton with the slot-blocking counter that can stand for an action: it
// follows the action's enabled state, text and tool tip, and a click triggers it.
class CCmnPushButton : public QPushButton, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnPushButton(const QString &text, QWidget *parent = nullptr);
    // Bound to the action with no text of its own.
    explicit CCmnPushButton(QAction *action, QWidget *parent = nullptr);
    explicit CCmnPushButton(QWidget *parent = nullptr);

    // Binds the button to the action (null unbinds it). An own text, when not
    // empty, is shown instead of the action's text. The action is not owned.
    void SetAction(QAction *action, const QString &ownText = QString());
    QAction *Action() const { return m_Action; }
    QString OwnText() const { return m_OwnText; }

    void UpdateFromAction();

public Q_SLOTS:
    void Slot_changed_Action();
    void Slot_clicked(bool checked);

private:
    // Guarded, so that an action deleted while still bound leaves the button
    // inert instead of dangling.
    QPointer<QAction> m_Action;
    QString m_OwnText;
};
