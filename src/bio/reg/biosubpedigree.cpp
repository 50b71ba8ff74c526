#include "biosubpedigree.h"

#include "bioinbreedingcoefficients.h"

#include <new>
#include <vector>

int CBioSubPedigree::PositionOf(int id) const
{
    return id >= 0 && id < idToPosition.size() ? idToPosition.at(id) : 0;
}

std::optional<double> CBioSubPedigree::InbreedingOf(int position) const
{
    const int n = pedigree.Highest();
    if (position < 1 || position > n)
        return std::nullopt;
    std::vector<double> coefficients;
    try {
        coefficients.resize(size_t(n) + 1);
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
    if (!ComputeInbreedingCoefficients(pedigree.Entries().constData(), n, coefficients.data()))
        return std::nullopt;
    return coefficients[position];
}
