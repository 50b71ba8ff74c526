#pragma once

#include <QList>

class QAction;
class QMenu;

// One entry of a menu filled from a list: an action, else a separator, else a
// submenu. An entry with none of them adds nothing.
class CCmnMenuEntry
{
public:
    QAction *m_Action = nullptr;
    QMenu *m_Submenu = nullptr;
    bool m_Separator = false;
};

// Adds the entries to the menu in order; nothing for a null menu. With the
// leading separator asked for, one goes first, but only between something the
// menu already holds and a non-empty list, so no menu begins with a separator.
void CmnAddMenuEntries(QMenu *menu, const QList<CCmnMenuEntry> &entries, bool leadingSeparator);
