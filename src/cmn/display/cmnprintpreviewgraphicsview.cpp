#include "cmnprintpreviewgraphicsview.h"

CCmnPrintPreviewGraphicsView::CCmnPrintPreviewGraphicsView()
    : CCmnGraphicsView(nullptr)
{
}

void CCmnPrintPreviewGraphicsView::resizeEvent(QResizeEvent *event)
{
    CCmnGraphicsView::resizeEvent(event);
    emit resized();
}

void CCmnPrintPreviewGraphicsView::showEvent(QShowEvent *event)
{
    CCmnGraphicsView::showEvent(event);
    emit resized();
}
