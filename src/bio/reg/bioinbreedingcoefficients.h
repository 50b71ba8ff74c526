#pragma once

#include "biopedigree.h"

// Coefficients of inbreeding of every individual of a pedigree whose parents
// always come before their offspring (positions 1..n, 0 unknown), exactly, from
// the decomposition A = L D L' of the additive relationship matrix: for each sire
// one backward and one forward pass over the animals that are parents give its
// relationships with all of them, and so the coefficients of all its offspring.
// `pedigree` and `coefficients` hold n + 1 entries; coefficients[0] becomes -1.
// False when the work arrays could not be allocated or a parent does not come
// before its offspring.
[[nodiscard]] bool ComputeInbreedingCoefficients(const CBioParents *pedigree, int n, double *coefficients);
