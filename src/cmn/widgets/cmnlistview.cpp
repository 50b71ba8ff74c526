#include "cmnlistview.h"

CCmnListView::CCmnListView(QWidget *parent)
    : QListView(parent)
{
}
