#pragma once

#include "cmnframe.h"

// The "More" cell of an item popup: a small raised panel with three dots that the
// user clicks, or presses Space or Return on, to choose a value freely. Arrow keys
// are handed to the popup so that grid navigation carries on through it.
class CCmnItemPopupCustomSelector : public CCmnFrame
{
    Q_OBJECT
public:
    explicit CCmnItemPopupCustomSelector(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Release();
};
