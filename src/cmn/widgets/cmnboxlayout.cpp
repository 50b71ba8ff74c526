#include "cmnboxlayout.h"

#include "cmnwidget.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QList<CCmnLayoutItem> NonEmptyItems(std::initializer_list<const CCmnLayoutItem *> items)
{
    QList<CCmnLayoutItem> result;
    for (const CCmnLayoutItem *item : items) {
        if (!item->IsEmpty())
            result.append(*item);
    }
    return result;
}

} // namespace

QBoxLayout *CmnNewBoxLayout(qint32 flags)
{
    if (flags & CmnBoxLayoutVertical)
        return new QVBoxLayout;
    return new QHBoxLayout;
}

void CmnFinishBoxLayout(qint32 flags, QBoxLayout *layout)
{
    if (!layout)
        return;
    if (flags & CmnBoxLayoutStretch)
        layout->addStretch(1);
    if (flags & CmnBoxLayoutNoMargins)
        layout->setContentsMargins(0, 0, 0, 0);
    if (flags & CmnBoxLayoutFiller) {
        auto *filler = new CCmnWidget;
        filler->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
        layout->addWidget(filler);
    }
}

QBoxLayout *CmnBoxLayout(qint32 flags, const CCmnLayoutItem &item1, const CCmnLayoutItem &item2,
                         const CCmnLayoutItem &item3, const CCmnLayoutItem &item4, const CCmnLayoutItem &item5,
                         const CCmnLayoutItem &item6, const CCmnLayoutItem &item7, const CCmnLayoutItem &item8)
{
    return CmnBoxLayoutFromList(
        flags, NonEmptyItems({&item1, &item2, &item3, &item4, &item5, &item6, &item7, &item8}));
}

QBoxLayout *CmnBoxLayoutFromList(qint32 flags, const QList<CCmnLayoutItem> &items)
{
    QBoxLayout *layout = CmnNewBoxLayout(flags);
    CmnAddItemsToBoxLayout(layout, items);
    CmnFinishBoxLayout(flags, layout);
    return layout;
}

QBoxLayout *CmnSimpleBoxLayoutFromList(qint32 flags, const QList<CCmnLayoutItem> &items)
{
    QBoxLayout *layout = CmnNewBoxLayout(flags);
    CmnAddSimpleItemsToBoxLayout(layout, items);
    CmnFinishBoxLayout(flags, layout);
    return layout;
}

QBoxLayout *CmnBoxLayoutFromWidgets(qint32 flags, const QList<QWidget *> &widgets)
{
    QBoxLayout *layout = CmnNewBoxLayout(flags);
    CmnAddWidgetsToBoxLayout(layout, widgets);
    CmnFinishBoxLayout(flags, layout);
    return layout;
}

void CmnAddToBoxLayout(QBoxLayout *layout, const CCmnLayoutItem &item1, const CCmnLayoutItem &item2,
                       const CCmnLayoutItem &item3, const CCmnLayoutItem &item4, const CCmnLayoutItem &item5,
                       const CCmnLayoutItem &item6, const CCmnLayoutItem &item7, const CCmnLayoutItem &item8)
{
    CmnAddItemsToBoxLayout(layout,
                           NonEmptyItems({&item1, &item2, &item3, &item4, &item5, &item6, &item7, &item8}));
}

void CmnAddItemsToBoxLayout(QBoxLayout *layout, const QList<CCmnLayoutItem> &items)
{
    if (!layout)
        return;
    const CCmnLayoutItem *pending = nullptr;
    for (const CCmnLayoutItem &item : items) {
        if (item.m_Modifier) {
            pending = &item;
            continue;
        }
        const int stretch = pending ? pending->m_Stretch : 0;
        const Qt::Alignment alignment = pending ? pending->m_Alignment : Qt::Alignment();
        pending = nullptr;
        if (item.m_Widget)
            layout->addWidget(item.m_Widget, stretch, alignment);
        else if (item.m_Layout)
            layout->addLayout(item.m_Layout, stretch);
    }
}

void CmnAddSimpleItemsToBoxLayout(QBoxLayout *layout, const QList<CCmnLayoutItem> &items)
{
    if (!layout)
        return;
    for (const CCmnLayoutItem &item : items) {
        if (item.m_Modifier)
            continue;
        if (item.m_Widget)
            layout->addWidget(item.m_Widget);
        else if (item.m_Layout)
            layout->addLayout(item.m_Layout);
    }
}

void CmnAddWidgetsToBoxLayout(QBoxLayout *layout, const QList<QWidget *> &widgets)
{
    if (!layout)
        return;
    for (QWidget *widget : widgets) {
        if (widget)
            layout->addWidget(widget);
    }
}

QList<QWidget *> CmnLayoutWidgets(const QLayout *layout)
{
    QList<QWidget *> widgets;
    CmnCollectLayoutWidgets(layout, widgets);
    return widgets;
}

void CmnDeleteUnplacedLayout(QLayout *layout)
{
    if (!layout || layout->parent())
        return;
    const QList<QWidget *> widgets = CmnLayoutWidgets(layout);
    delete layout;
    for (QWidget *widget : widgets) {
        if (!widget->parent())
            delete widget;
    }
}

void CmnCollectLayoutWidgets(const QLayout *layout, QList<QWidget *> &widgets)
{
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QWidget *widget = item->widget())
            widgets.append(widget);
        else if (const QLayout *nested = item->layout())
            CmnCollectLayoutWidgets(nested, widgets);
    }
}
