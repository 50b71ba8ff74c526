#include "cmnsystemlocale.h"

const QLocale &CmnSystemLocale()
{
    static const QLocale locale = QLocale::system();
    return locale;
}

QString CmnLocaleSpelling(const QString &northAmerican, const QString &british, const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::Canada:
    case QLocale::UnitedStates:
    case QLocale::UnitedStatesMinorOutlyingIslands:
        return northAmerican;
    default:
        return british;
    }
}

QString CmnColourWord(const QLocale &locale)
{
    return CmnLocaleSpelling(QStringLiteral("Color"), QStringLiteral("Colour"), locale);
}

QString CmnCentreWord(const QLocale &locale)
{
    return CmnLocaleSpelling(QStringLiteral("Center"), QStringLiteral("Centre"), locale);
}
