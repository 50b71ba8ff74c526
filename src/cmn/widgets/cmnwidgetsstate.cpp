#include "cmnwidgetsstate.h"

#include <QAction>
#include <QCheckBox>

void CCmnWidgetsState::Apply() const
{
    for (QWidget *widget : m_Widgets) {
        if (!widget)
            continue;
        widget->setEnabled(m_Enabled);
        widget->setVisible(m_Visible);
        if (m_Checked >= 0) {
            if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
                checkBox->setChecked(m_Checked != 0);
        }
    }
    for (QAction *action : m_Actions) {
        if (!action)
            continue;
        action->setEnabled(m_Enabled);
        if (m_Checked >= 0)
            action->setChecked(m_Checked != 0);
    }
}

CCmnWidgetsState CCmnWidgetsState::OfWidgets(QList<QWidget *> widgets, bool visible, bool enabled, qint32 checked)
{
    CCmnWidgetsState state;
    state.m_Widgets = std::move(widgets);
    state.m_Visible = visible;
    state.m_Enabled = enabled;
    state.m_Checked = checked;
    return state;
}

CCmnWidgetsState CCmnWidgetsState::OfActions(QList<QAction *> actions, bool enabled, qint32 checked)
{
    CCmnWidgetsState state;
    state.m_Actions = std::move(actions);
    state.m_Enabled = enabled;
    state.m_Checked = checked;
    return state;
}
