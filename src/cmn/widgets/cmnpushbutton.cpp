#include "cmnpushbutton.h"

#include <QAction>

CCmnPushButton::CCmnPushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}

CCmnPushButton::CCmnPushButton(QAction *action, QWidget *parent)
    : QPushButton(parent)
{
    SetAction(action, QString());
}

CCmnPushButton::CCmnPushButton(QWidget *parent)
    : QPushButton(parent)
{
}

void CCmnPushButton::SetAction(QAction *action, const QString &ownText)
{
    if (action == m_Action)
        return;

    if (m_Action)
        disconnect(m_Action, &QAction::changed, this, &CCmnPushButton::Slot_changed_Action);
    // The click connection follows whether an action is bound; it is made unique
    // and removed by signature so that it stays right even when the old action
    // was deleted behind the button's back.
    if (action)
        connect(this, &QAbstractButton::clicked, this, &CCmnPushButton::Slot_clicked,
                Qt::UniqueConnection);
    else
        disconnect(this, &QAbstractButton::clicked, this, &CCmnPushButton::Slot_clicked);

    m_Action = action;
    m_OwnText = ownText;
    if (action) {
        connect(action, &QAction::changed, this, &CCmnPushButton::Slot_changed_Action);
        UpdateFromAction();
    }
}

void CCmnPushButton::UpdateFromAction()
{
    if (!m_Action)
        return;

    setEnabled(m_Action->isEnabled());

    QString shown = m_OwnText;
    if (shown.isEmpty()) {
        shown = m_Action->text();
        if (shown.endsWith(QLatin1String("...")))
            shown.chop(3);
    }
    if (text() != shown)
        setText(shown);

    const QString tip = m_Action->toolTip();
    if (toolTip() != tip)
        setToolTip(tip);
}

void CCmnPushButton::Slot_changed_Action()
{
    UpdateFromAction();
}

void CCmnPushButton::Slot_clicked(bool)
{
    if (m_Action && isEnabled() && m_Action->isEnabled())
        m_Action->trigger();
}
