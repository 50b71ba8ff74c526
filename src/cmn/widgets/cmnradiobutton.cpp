#include "cmnradiobutton.h"

CCmnRadioButton::CCmnRadioButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
}

void CCmnRadioButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_EMIT SignalDoubleClicked(event);
    QRadioButton::mouseDoubleClickEvent(event);
}
