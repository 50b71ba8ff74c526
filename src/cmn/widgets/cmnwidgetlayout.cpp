#include "cmnwidgetlayout.h"

#include "cmntext.h"
#include "cmnwidget.h"

#include <QVBoxLayout>

void CmnSetEdgeMargin(QLayout *layout, Qt::Alignment side)
{
    if (!layout)
        return;
    constexpr int edge = 5;
    switch (side.toInt()) {
    case Qt::AlignLeft:
        layout->setContentsMargins(0, 0, edge, 0);
        break;
    case Qt::AlignRight:
        layout->setContentsMargins(edge, 0, 0, 0);
        break;
    case Qt::AlignTop:
        layout->setContentsMargins(0, 0, 0, edge);
        break;
    case Qt::AlignBottom:
        layout->setContentsMargins(0, edge, 0, 0);
        break;
    default:
        break;
    }
}

CCmnWidget *CmnWidgetWithLayout(QLayout *layout, Qt::Alignment side)
{
    CmnSetEdgeMargin(layout, side);
    return new CCmnWidget(layout);
}

CCmnWidget *CmnWidgetAroundWidget(QWidget *widget, Qt::Alignment side)
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(widget);
    return CmnWidgetWithLayout(layout, side);
}

void CmnSetFixedHeightInLines(QWidget *widget, qint32 n)
{
    if (!widget)
        return;
    widget->setFixedHeight(widget->fontMetrics().lineSpacing() * (n + 1));
    QSizePolicy policy = widget->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Fixed);
    widget->setSizePolicy(policy);
}

void CmnSetMinimumHeightInLines(QWidget *widget, qint32 n)
{
    if (widget)
        widget->setMinimumHeight(widget->fontMetrics().lineSpacing() * (n + 1));
}

void CmnSetMinimumWidthInChars(QWidget *widget, qint32 n)
{
    if (widget)
        widget->setMinimumWidth(CmnWidthForChars(widget->fontMetrics(), n));
}
