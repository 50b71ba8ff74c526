#pragma once

#include <QList>

class QAction;
class QObject;
class QWidget;

// Keyboard accelerators for the controls of a window and for menus, given when the
// window or menu bar has been built. Texts that already carry an "&" keep it.

// One group of the window's labels that have a buddy, its checkable group boxes and
// its buttons other than tool buttons (those of its button box included).
void AssignDialogAccelerators(QObject *window);

// Every menu below the widget, each submenu when it is met, then the widget's own
// actions; each action list is one group.
void AssignMenuAccelerators(QWidget *widget);

// One action list as one group; separators and actions without text are left out,
// but the submenu of any action is handled first.
void AssignActionAccelerators(const QList<QAction *> &actions);
