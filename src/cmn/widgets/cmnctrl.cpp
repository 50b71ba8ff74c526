#include "cmnctrl.h"

#include "cmnboxlayout.h"

CCmnCtrl::CCmnCtrl(QObject *parent)
    : QObject(parent)
    , m_Owner(parent)
{
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
