#include "cmnmenuentry.h"

#include <QMenu>

void CmnAddMenuEntries(QMenu *menu, const QList<CCmnMenuEntry> &entries, bool leadingSeparator)
{
    if (!menu)
        return;
    if (leadingSeparator && !menu->actions().isEmpty() && !entries.isEmpty())
        menu->addSeparator();
    for (const CCmnMenuEntry &entry : entries) {
        if (entry.m_Action)
            menu->addAction(entry.m_Action);
        else if (entry.m_Separator)
            menu->addSeparator();
        else if (entry.m_Submenu)
            menu->addMenu(entry.m_Submenu);
    }
}
