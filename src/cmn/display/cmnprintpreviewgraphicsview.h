#pragma once

#include "cmngraphicsview.h"

// The view of pages that must be fitted again whenever the view's size may
// have changed: it reports every resize and every show, after the view has
// taken the new size, so a receiver reading the viewport gets the new one.
class CCmnPrintPreviewGraphicsView : public CCmnGraphicsView
{
    Q_OBJECT
public:
    // The layout it is put into parents it.
    CCmnPrintPreviewGraphicsView();

Q_SIGNALS:
    void resized();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
