#pragma once

#include "bioimportcols.h"
#include "tcmnautomaticorcustom.h"

// The column choice of one import: the set the deduction proposes each time the
// columns are looked at, and the set the user edits or the per-file memory brings.
class CBioAutomaticOrCustomImportCols : public TCmnAutomaticOrCustom<CBioImportCols>
{
};
