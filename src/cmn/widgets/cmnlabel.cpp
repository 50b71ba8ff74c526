#include "cmnlabel.h"

CCmnLabel::CCmnLabel(const QString &text, QWidget *parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags)
{
}

CCmnLabel::CCmnLabel(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
}
