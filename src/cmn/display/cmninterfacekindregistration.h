#pragma once

#include <QString>

// One form kind the host offers: the selector's label, the name of the
// interface that serves it, and that interface's index once created (-1
// before, and for good when the factory made nothing for the name).
class CCmnInterfaceKindRegistration
{
public:
    QString m_Label;
    QString m_InterfaceName;
    QString m_Kind;
    int m_InterfaceIndex = -1;
};
