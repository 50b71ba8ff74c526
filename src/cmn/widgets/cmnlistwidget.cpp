#include "cmnlistwidget.h"

CCmnListWidget::CCmnListWidget(QWidget *parent)
    : QListWidget(parent)
{
}
