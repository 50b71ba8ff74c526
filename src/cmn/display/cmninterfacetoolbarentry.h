#pragma once

#include <QSet>
#include <QString>

class QWidget;

// A widget that a form interface puts into the host's top bar, shown only
// while one of its kinds is active ("*" stands for every kind).
class CCmnInterfaceToolBarEntry
{
public:
    QSet<QString> m_Kinds;
    // Made by the interface; the host's top bar takes it over.
    QWidget *m_Widget = nullptr;
    bool m_RightAligned = false;
};
