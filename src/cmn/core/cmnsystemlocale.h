#pragma once

#include <QLocale>
#include <QString>

// The system locale, read from the platform once and kept for the process:
// a change of the system locale while the program runs is not seen.
const QLocale &CmnSystemLocale();

// The North-American word in Canada, the United States and its minor outlying
// islands, else the British one ("Border Color" or "Border Colour"). The locale
// is the cached system locale unless a caller (a test) passes another.
QString CmnLocaleSpelling(const QString &northAmerican, const QString &british,
                          const QLocale &locale = CmnSystemLocale());

// "Color" or "Colour" by the locale.
QString CmnColourWord(const QLocale &locale = CmnSystemLocale());
// "Center" or "Centre" by the locale.
QString CmnCentreWord(const QLocale &locale = CmnSystemLocale());
