#include "cmnstackedwidget.h"

CCmnStackedWidget::CCmnStackedWidget(QWidget *parent)
    : QStackedWidget(parent)
{
}
