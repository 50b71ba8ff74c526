#pragma once

#include <QRect>
#include <QSize>

// The area of the default screen that windows may use: the desktop minus task
// bars and docks. Dialog geometry is kept inside it. Empty when there is no
// screen (no GUI application yet).
QRect CmnAvailableScreenRect();
QSize CmnAvailableScreenSize();
