#pragma once

#include "cmnmenuentry.h"

#include <QList>
#include <QSet>
#include <QString>

// Entries that a form interface adds to one of the application's named menus
// ("View", "Record") while one of its kinds is active ("*" stands for every kind).
class CCmnInterfaceMenu
{
public:
    QSet<QString> m_Kinds;
    QString m_MenuName;
    QList<CCmnMenuEntry> m_Entries;
};

// Whether something offered for the kinds shows while the kind is active.
bool CmnInterfaceKindsMatch(const QSet<QString> &kinds, const QString &kind);
