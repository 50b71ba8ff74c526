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
    CmnDeleteUnplacedLayout(m_Layout.data());
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
