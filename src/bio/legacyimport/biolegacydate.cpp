#include "biolegacydate.h"

CCmnDate CBioLegacyDate::ToCmnDate() const
{
    CCmnDate date;
    if (year == 0 || month < 1 || month > 12 || day < 1)
        return date;
    if (!date.SetGregorianYmd(day, month, year))
        return CCmnDate();
    return date;
}
