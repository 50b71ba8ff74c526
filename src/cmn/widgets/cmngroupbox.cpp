#include "cmngroupbox.h"

#include "cmnboxlayout.h"

#include <QBoxLayout>

CCmnGroupBox::CCmnGroupBox(QWidget *parent)
    : QGroupBox(parent)
{
}

CCmnGroupBox *CmnNewGroupBox(const CCmnLayoutItem &item, const QString &title, QWidget *parent)
{
    if (!item.m_Widget && !item.m_Layout)
        return nullptr;
    auto *box = new CCmnGroupBox(parent);
    box->setTitle(title);
    if (item.m_Widget)
        box->setLayout(CmnBoxLayout(CmnBoxLayoutVertical | CmnBoxLayoutNoMargins, item.m_Widget));
    else
        box->setLayout(item.m_Layout);
    return box;
}
