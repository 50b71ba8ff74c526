#pragma once

#include "cmnthemedformboxgenericdata.h"
#include "tcmnthemepayloadelt.h"

// A theme element that holds the picture and text of a box.
using CCmnThemedFormBoxGenericDataElt = TCmnThemePayloadElt<CCmnThemedFormBoxGenericData>;
