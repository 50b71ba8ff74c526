#include "cmnslider.h"

CCmnSlider::CCmnSlider(QWidget *parent)
    : QSlider(parent)
{
}
