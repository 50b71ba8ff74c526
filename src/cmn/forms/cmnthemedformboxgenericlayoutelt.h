#pragma once

#include "cmnthemedformboxgenericlayout.h"
#include "tcmnthemepayloadelt.h"

// A theme element that holds the properties of a box.
using CCmnThemedFormBoxGenericLayoutElt = TCmnThemePayloadElt<CCmnThemedFormBoxGenericLayout>;
