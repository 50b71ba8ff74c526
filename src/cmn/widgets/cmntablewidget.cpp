#include "cmntablewidget.h"

CCmnTableWidget::CCmnTableWidget(QWidget *parent)
    : QTableWidget(parent)
{
}
