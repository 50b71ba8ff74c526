#include "cmnsystemlocale.h"

const QLocale &CmnSystemLocale()
{
    static const QLocale locale = QLocale::system();
    return locale;
}
