#pragma once

#include <QLocale>

// The system locale, read from the platform once and kept for the process:
// a change of the system locale while the program runs is not seen.
const QLocale &CmnSystemLocale();
