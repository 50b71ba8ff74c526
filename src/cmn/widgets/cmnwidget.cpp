#include "cmnwidget.h"

#include <QLayout>

CCmnWidget::CCmnWidget(QLayout *layout, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    if (layout)
        setLayout(layout);
}
