#pragma once

#include "cmntextencoding.h"
#include "tcmnautomaticorcustom.h"

// The text encoding of a file being imported or exported: deduced from its first
// bytes (or the default, on export) or chosen by the user.
class CCmnAutomaticOrCustomTextEncoding : public TCmnAutomaticOrCustom<CCmnTextEncoding>
{
};
