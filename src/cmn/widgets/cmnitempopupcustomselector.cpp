#include "cmnitempopupcustomselector.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool IsArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool IsActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CCmnItemPopupCustomSelector::CCmnItemPopupCustomSelector(QWidget *parent)
    : CCmnFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
}

void CCmnItemPopupCustomSelector::focusInEvent(QFocusEvent *event)
{
    setFrameShadow(QFrame::Raised);
    CCmnFrame::focusInEvent(event);
}

void CCmnItemPopupCustomSelector::focusOutEvent(QFocusEvent *event)
{
    setFrameShadow(QFrame::Plain);
    CCmnFrame::focusOutEvent(event);
}

void CCmnItemPopupCustomSelector::mousePressEvent(QMouseEvent *event)
{
    setFrameShadow(QFrame::Sunken);
    event->accept();
}

void CCmnItemPopupCustomSelector::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        setFocus(Qt::MouseFocusReason);
    event->accept();
}

void CCmnItemPopupCustomSelector::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    Release();
}

void CCmnItemPopupCustomSelector::keyPressEvent(QKeyEvent *event)
{
    if (IsArrowKey(event->key()) && parentWidget()) {
        QCoreApplication::sendEvent(parentWidget(), event);
    } else if (IsActivationKey(event->key())) {
        setFrameShadow(QFrame::Sunken);
        event->accept();
    } else {
        CCmnFrame::keyPressEvent(event);
    }
}

void CCmnItemPopupCustomSelector::keyReleaseEvent(QKeyEvent *event)
{
    if (IsArrowKey(event->key()) && parentWidget()) {
        QCoreApplication::sendEvent(parentWidget(), event);
    } else if (IsActivationKey(event->key()) && !event->isAutoRepeat()) {
        event->accept();
        Release();
    } else {
        CCmnFrame::keyReleaseEvent(event);
    }
}

void CCmnItemPopupCustomSelector::Release()
{
    setFrameShadow(QFrame::Raised);
    repaint();
    Q_EMIT clicked();
}

void CCmnItemPopupCustomSelector::paintEvent(QPaintEvent *event)
{
    CCmnFrame::paintEvent(event);

    QPainter painter(this);
    painter.fillRect(contentsRect(), palette().button());

    const QPoint centre = rect().center();
    const int d = frameShadow() == QFrame::Sunken ? 1 : 0;
    painter.setPen(QPen(palette().buttonText(), 1));
    painter.setBrush(Qt::NoBrush);
    for (const int dx : {-4, 0, 4})
        painter.drawRect(QRect(centre.x() + dx + d, centre.y() + d, 1, 1));

    if (hasFocus()) {
        QPen pen(Qt::black);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
}
