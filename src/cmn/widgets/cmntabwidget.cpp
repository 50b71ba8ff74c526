#include "cmntabwidget.h"

CCmnTabWidget::CCmnTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
}
