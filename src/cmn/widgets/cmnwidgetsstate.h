#pragma once

#include <QList>
#include <QtGlobal>

class QAction;
class QWidget;

// A state to give a group of controls at once: form views and controllers keep
// lists of these and apply them whenever a form's state changes.
class CCmnWidgetsState
{
public:
    // Widgets: enabled, then visible, then (check boxes only) the check state.
    // Actions: enabled and the check state; their visibility is left alone.
    // Null pointers are skipped.
    void Apply() const;
    static CCmnWidgetsState OfWidgets(QList<QWidget *> widgets, bool visible, bool enabled, qint32 checked = -1);
    static CCmnWidgetsState OfActions(QList<QAction *> actions, bool enabled, qint32 checked = -1);

    QList<QWidget *> m_Widgets;
    QList<QAction *> m_Actions;
    bool m_Visible = true;
    bool m_Enabled = true;
    // 0 unchecked, above 0 checked, below 0 leaves the check state alone.
    qint32 m_Checked = -1;
};
