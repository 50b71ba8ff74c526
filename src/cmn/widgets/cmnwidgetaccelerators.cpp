#include "cmnwidgetaccelerators.h"

#include "cmnacceleratorassigner.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

void AssignActions(const QList<QAction *> &actions, QList<const QWidget *> &open);

// The menus being handled further up the call chain. A menu can hold the action of a
// menu that holds its own (or itself), and following such a loop would never end.
void AssignMenus(QWidget *widget, QList<const QWidget *> &open)
{
    if (open.contains(widget))
        return;
    open.append(widget);
    const QList<QMenu *> menus = widget->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        AssignActions(menu->actions(), open);
    AssignActions(widget->actions(), open);
    open.removeLast();
}

void AssignActions(const QList<QAction *> &actions, QList<const QWidget *> &open)
{
    QList<QAction *> group;
    QStringList texts;
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        if (!action->text().isEmpty()) {
            group.append(action);
            texts.append(action->text());
        }
        if (QMenu *submenu = action->menu())
            AssignMenus(submenu, open);
    }
    if (group.isEmpty())
        return;
    const QStringList assigned = AssignTextAccelerators(texts);
    for (qsizetype i = 0; i < group.size(); ++i) {
        if (assigned.at(i) != texts.at(i))
            group.at(i)->setText(assigned.at(i));
    }
}

} // namespace

void AssignDialogAccelerators(QObject *window)
{
    if (!window)
        return;
    QList<QWidget *> widgets;
    QStringList texts;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->buddy() && !label->text().isEmpty()) {
            widgets.append(label);
            texts.append(label->text());
        }
    }
    const QList<QGroupBox *> groupBoxes = window->findChildren<QGroupBox *>();
    for (QGroupBox *groupBox : groupBoxes) {
        if (groupBox->isCheckable() && !groupBox->title().isEmpty()) {
            widgets.append(groupBox);
            texts.append(groupBox->title());
        }
    }
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (!qobject_cast<QToolButton *>(button) && !button->text().isEmpty()) {
            widgets.append(button);
            texts.append(button->text());
        }
    }
    if (widgets.isEmpty())
        return;

    const QStringList assigned = AssignTextAccelerators(texts);
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        if (assigned.at(i) == texts.at(i))
            continue;
        QWidget *widget = widgets.at(i);
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(assigned.at(i));
        else if (auto *groupBox = qobject_cast<QGroupBox *>(widget))
            groupBox->setTitle(assigned.at(i));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(assigned.at(i));
    }
}

void AssignMenuAccelerators(QWidget *widget)
{
    if (!widget)
        return;
    QList<const QWidget *> open;
    AssignMenus(widget, open);
}

void AssignActionAccelerators(const QList<QAction *> &actions)
{
    QList<const QWidget *> open;
    AssignActions(actions, open);
}
