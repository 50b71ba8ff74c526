#include "cmninterfacemenu.h"

bool CmnInterfaceKindsMatch(const QSet<QString> &kinds, const QString &kind)
{
    const QString every = QStringLiteral("*");
    return kind == every || kinds.contains(every) || kinds.contains(kind);
}
