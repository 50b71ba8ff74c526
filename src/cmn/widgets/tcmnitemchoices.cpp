#include "tcmnitemchoices.h"

QString CmnCustomItemName(int index)
{
    return QStringLiteral("Custom %1").arg(index + 1);
}
