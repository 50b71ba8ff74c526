#include "biolegacytimeofday.h"

bool CBioLegacyTimeOfDay::Set(int hour, int minute, QString *message)
{
    if (hour >= 0 && hour <= 23 && minute >= 0 && minute < 60) {
        m_Minutes = hour * 60 + minute;
        return true;
    }
    if (message)
        *message = (hour < 0 || hour > 23) ? QStringLiteral("Invalid hour") : QStringLiteral("Invalid minute");
    return false;
}
