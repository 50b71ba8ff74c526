#include "cmndockwidget.h"

CCmnDockWidget::CCmnDockWidget(QWidget *parent)
    : QDockWidget(parent)
{
}
