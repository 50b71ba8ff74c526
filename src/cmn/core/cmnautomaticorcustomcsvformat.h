#pragma once

#include "cmncsvformat.h"
#include "tcmnautomaticorcustom.h"

// The delimited-text format of a file being imported or exported: deduced from its
// first lines (or preset from the file name, on export) or chosen by the user.
class CCmnAutomaticOrCustomCsvFormat : public TCmnAutomaticOrCustom<CCmnCsvFormat>
{
};
