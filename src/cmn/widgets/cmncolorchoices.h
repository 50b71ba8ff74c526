#pragma once

#include "tcmnitemchoices.h"

#include <QColor>

// The process-wide colour palettes of the colour buttons. Each is filled on first
// use and lives until the process ends; the colours met during the run are kept
// in them as custom colours, shared by every button on the palette.

// The 17 basic named colours, "Aqua" to "Yellow".
TCmnItemChoices<QColor> *CmnGetBasicColors();
// 98 pale tints named by their codes, then the 17 basic colours.
TCmnItemChoices<QColor> *CmnGetPaleAndBasicColors();
