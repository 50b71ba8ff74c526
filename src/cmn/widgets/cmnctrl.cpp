#include "cmnctrl.h"

#include "cmnboxlayout.h"

#include <QLayout>
#include <QWidget>

CCmnCtrl::CCmnCtrl(QObject *parent)
    : QObject(parent)
    , m_Owner(parent)
{
}

CCmnCtrl::~CCmnCtrl()
{
    if (!m_Layout || m_Layout->parent())
        return;
    // Widgets in a layout that no window holds have no parent either.
    const QList<QWidget *> widgets = CmnLayoutWidgets(m_Layout);
    delete m_Layout.data();
    for (QWidget *widget : widgets) {
        if (!widget->parent())
            delete widget;
    }
}

void CCmnCtrl::SetLayout(QLayout *layout)
{
    m_Layout = layout;
    m_Widgets = CmnLayoutWidgets(layout);
    m_FirstWidget = m_Widgets.isEmpty() ? nullptr : m_Widgets.first();
}

void CCmnCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *, const QString &)
{
}
