#pragma once

#include "tcmnitemchoices.h"

#include <QString>

// The process-wide palette of the pixmap buttons: the built-in decoration images
// under ":/cmn/pixmaps/", each named by its label. It is filled on first use and
// forbids custom values, so its buttons never remember other paths.
TCmnItemChoices<QString> *CmnGetPixmapChoices();
