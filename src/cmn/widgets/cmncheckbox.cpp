#include "cmncheckbox.h"

CCmnCheckBox::CCmnCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
}
