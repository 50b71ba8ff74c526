#pragma once

#include <Qt>
#include <QtGlobal>

class QLayout;
class QWidget;

// One item of the one-call box-layout builders: a widget, a layout, or a modifier
// that adds nothing itself and gives its stretch and alignment to the next item.
// An item with none of the three is empty; the builders skip it, so trailing
// empty items just mean that the list has ended.
class CCmnLayoutItem
{
public:
    CCmnLayoutItem() = default;
    // Implicit on purpose: callers pass their widgets straight to the builders.
    CCmnLayoutItem(QWidget *widget) : m_Widget(widget) {}

    static CCmnLayoutItem Layout(QLayout *layout)
    {
        CCmnLayoutItem item;
        item.m_Layout = layout;
        return item;
    }
    static CCmnLayoutItem Modifier(qint32 stretch, Qt::Alignment alignment = {})
    {
        CCmnLayoutItem item;
        item.m_Modifier = true;
        item.m_Stretch = stretch;
        item.m_Alignment = alignment;
        return item;
    }

    bool IsEmpty() const { return !m_Widget && !m_Layout && !m_Modifier; }

    QWidget *m_Widget = nullptr;
    QLayout *m_Layout = nullptr;     // added only when there is no widget
    bool m_Modifier = false;
    qint32 m_Stretch = 0;            // read only from a modifier
    Qt::Alignment m_Alignment = {};  // read only from a modifier
};
