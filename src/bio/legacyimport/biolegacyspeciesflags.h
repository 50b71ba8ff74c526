#pragma once

#include <QByteArray>

enum class EBioLegacyProduct { Unknown, Halvane, Dunmarra };

// The product that writes files of a species code (compared exactly, case included).
EBioLegacyProduct BioLegacyProductOfSpecies(const QByteArray &speciesCode);

// Clears the configuration flags and sets those of the species code; answers the
// product, Unknown (with the flags left clear) for a code of neither product.
EBioLegacyProduct BioLegacySetSpeciesFlags(const QByteArray &speciesCode);
