#pragma once

#include "biolegacyimportfield.h"
#include "cmnsystemlocale.h"

#include <QList>
#include <array>

// A candidate of the catalogue with the list it goes to.
struct CBioLegacyCandidate
{
    EBioLegacyImportKind m_Kind = BioLegacyImportText;
    CBioLegacyImportField m_Field;
};

// The default-usage masks of the standard field groups 0 to 4 that candidates build on.
using TBioLegacyGroupMasks = std::array<CCmnRegFieldContextMask, 5>;

// The animal fields beyond the built-in ones that Halvane (or else Dunmarra) can store,
// in catalogue order. Of the Halvane species variants (tattoo or microchip, ear, band
// or brand mark) the ones the current configuration flags pick are given. "Colour"
// follows the spelling of the locale.
QList<CBioLegacyCandidate> BioLegacyCandidateCatalogue(bool halvane, const TBioLegacyGroupMasks &masks,
                                                       const QLocale &locale = CmnSystemLocale());
