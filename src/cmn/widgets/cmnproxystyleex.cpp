#include "cmnproxystyleex.h"

CCmnProxyStyleEx::CCmnProxyStyleEx(QStyle *baseStyle)
    : QProxyStyle(baseStyle)
{
}
