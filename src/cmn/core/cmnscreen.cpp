#include "cmnscreen.h"

#include <QGuiApplication>
#include <QScreen>

QRect CmnAvailableScreenRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize CmnAvailableScreenSize()
{
    return CmnAvailableScreenRect().size();
}
