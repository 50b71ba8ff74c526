#include "cmnsidepanelitem.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

QVBoxLayout *CmnSidePanelLayout(const QList<CCmnSidePanelItem> &items)
{
    static constexpr qint32 kSectionOrder[] = {CCmnSidePanelItem::ToolRows, CCmnSidePanelItem::CompositeControls,
                                               CCmnSidePanelItem::LabelledControls, CCmnSidePanelItem::Section2,
                                               CCmnSidePanelItem::PushButtons, CCmnSidePanelItem::CheckBoxes};
    auto *panel = new QVBoxLayout;
    bool first = true;
    for (const bool lower : {false, true}) {
        for (const qint32 section : kSectionOrder) {
            QList<CCmnSidePanelItem> group;
            for (const CCmnSidePanelItem &item : items) {
                if (item.m_Section == section && item.m_LowerHalf == lower)
                    group << item;
            }
            if (group.isEmpty())
                continue;
            std::stable_sort(group.begin(), group.end(),
                             [](const CCmnSidePanelItem &a, const CCmnSidePanelItem &b) { return a.m_Order < b.m_Order; });
            if (!first)
                panel->addWidget(new QLabel(QStringLiteral(" ")));
            first = false;

            const bool labelled = std::any_of(group.cbegin(), group.cend(), [](const CCmnSidePanelItem &item) {
                return item.m_LabelWidget || !item.m_LabelText.isEmpty();
            });
            if (!labelled) {
                for (const CCmnSidePanelItem &item : std::as_const(group)) {
                    if (item.m_Widget)
                        panel->addWidget(item.m_Widget);
                    else if (item.m_Layout)
                        panel->addLayout(item.m_Layout);
                }
                continue;
            }
            auto *grid = new QGridLayout;
            grid->setContentsMargins(0, 0, 0, 0);
            for (int row = 0; row < group.size(); ++row) {
                const CCmnSidePanelItem &item = group.at(row);
                QLabel *label = item.m_LabelWidget;
                if (!label && !item.m_LabelText.isEmpty())
                    label = new QLabel(item.m_LabelText);
                if (label)
                    grid->addWidget(label, row, 0, Qt::AlignLeft);
                if (item.m_Widget)
                    grid->addWidget(item.m_Widget, row, 1);
                else if (item.m_Layout)
                    grid->addLayout(item.m_Layout, row, 1, Qt::AlignLeft);
            }
            panel->addLayout(grid);
        }
    }
    panel->addWidget(new QLabel(QStringLiteral(" ")), 1);
    panel->setSpacing(0);
    panel->setContentsMargins(5, 0, 5, 0);
    return panel;
}
