#include "bioinbreedingcoefficients.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

struct OrderEntry
{
    int position;
    int sire;
};

// The arrays of one calculation; all but the order are indexed by parent number.
struct Work
{
    std::vector<OrderEntry> order;
    std::vector<int> parentNumber;          // by position; 0 for nobody's parent
    std::vector<CBioParents> parentPedigree;
    std::vector<int> mateBound;
    std::vector<double> mendelian;           // D
    std::vector<double> relationship;        // L, 0 between uses

    bool Allocate(int n)
    {
        try {
            const size_t size = size_t(n) + 1;
            order.resize(size);
            parentNumber.assign(size, 0);
            parentPedigree.assign(size, CBioParents());
            mateBound.assign(size, 0);
            mendelian.assign(size, 0.0);
            relationship.assign(size, 0.0);
        } catch (const std::bad_alloc &) {
            return false;
        }
        return true;
    }
};

} // namespace

bool ComputeInbreedingCoefficients(const CBioParents *pedigree, int n, double *coefficients)
{
    coefficients[0] = -1.0;
    if (n < 1)
        return true;
    Work work;
    if (!work.Allocate(n))
        return false;
    std::vector<int> &number = work.parentNumber;
    std::vector<double> &L = work.relationship;

    // Number the parents in order of first appearance. Parents come before their
    // offspring, so a parent's own parents are numbered by the time it is.
    int next = 1;
    const auto numberParent = [&](int parent) {
        if (parent == 0 || number[parent] != 0)
            return;
        number[parent] = next;
        work.mateBound[next] = next;
        work.parentPedigree[next] = CBioParents{number[pedigree[parent].sire], number[pedigree[parent].dam]};
        ++next;
    };
    for (int j = 1; j <= n; ++j) {
        const CBioParents parents = pedigree[j];
        if (parents.sire < 0 || parents.sire >= j || parents.dam < 0 || parents.dam >= j)
            return false;
        work.order[j] = OrderEntry{j, parents.sire};
        numberParent(parents.sire);
        numberParent(parents.dam);
        if (parents.sire != 0) {
            int &bound = work.mateBound[number[parents.sire]];
            bound = std::max(bound, number[parents.dam]);
        }
    }

    std::stable_sort(work.order.begin() + 1, work.order.end(),
                     [](const OrderEntry &a, const OrderEntry &b) { return a.sire < b.sire; });

    int missingMendelian = 1;
    int u = 1;
    while (u <= n) {
        const int sire = work.order[u].sire;
        if (sire == 0) {
            coefficients[work.order[u].position] = 0.0;
            ++u;
            continue;
        }
        const int sireNumber = number[sire];
        L[sireNumber] = 1.0;
        // Every animal up to the sire's position has its coefficient by now: their
        // sires all lie below this one.
        for (; missingMendelian <= sire; ++missingMendelian) {
            const int k = number[missingMendelian];
            if (k != 0) {
                const CBioParents parents = pedigree[missingMendelian];
                work.mendelian[k] = 0.5 - 0.25 * (coefficients[parents.sire] + coefficients[parents.dam]);
            }
        }
        for (int k = sireNumber; k >= 1; --k) {
            if (L[k] == 0.0)
                continue;
            const CBioParents parents = work.parentPedigree[k];
            if (parents.sire != 0)
                L[parents.sire] += 0.5 * L[k];
            if (parents.dam != 0)
                L[parents.dam] += 0.5 * L[k];
            L[k] *= work.mendelian[k];
        }
        const int bound = work.mateBound[sireNumber];
        for (int k = 1; k <= bound; ++k) {
            const CBioParents parents = work.parentPedigree[k];
            L[k] += 0.5 * (L[parents.sire] + L[parents.dam]);
        }
        for (; u <= n && work.order[u].sire == sire; ++u) {
            const int j = work.order[u].position;
            coefficients[j] = 0.5 * L[number[pedigree[j].dam]];
        }
        std::fill(L.begin() + 1, L.begin() + bound + 1, 0.0);
    }
    return true;
}
