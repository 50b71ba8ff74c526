#include "cmndialogbuttonbox.h"

CCmnDialogButtonBox::CCmnDialogButtonBox(QDialogButtonBox::StandardButtons buttons,
                                         Qt::Orientation orientation, QWidget *parent)
    : QDialogButtonBox(buttons, orientation, parent)
{
}
