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

// The arrays of one calculation; all but the order and the parent numbers are
// indexed by parent number.
struct Work
{
    std::vector<OrderEntry> order;
    std::vector<int> parentNumber;          // by position; 0 for nobody's parent
    std::vector<CBioParents> parentPedigree;
    std::vector<double> mendelian;           // D
    std::vector<double> relationship;        // L, 0 between uses
    std::vector<int> seen;                   // stamps of the lineage walks
    int stamp = 0;
    std::vector<int> backward;
    std::vector<int> forward;

    bool Allocate(int n)
    {
        try {
            const size_t size = size_t(n) + 1;
            order.resize(size);
            parentNumber.assign(size, 0);
            parentPedigree.assign(size, CBioParents());
            mendelian.assign(size, 0.0);
            relationship.assign(size, 0.0);
            seen.assign(size, 0);
            backward.reserve(size);
            forward.reserve(size);
        } catch (const std::bad_alloc &) {
            return false;
        }
        return true;
    }

    // Replaces the parent numbers in `list` by them and all their ancestors, in
    // ascending order.
    void Lineage(std::vector<int> &list)
    {
        ++stamp;
        size_t kept = 0;
        for (int k : list) {
            if (k != 0 && seen[k] != stamp) {
                seen[k] = stamp;
                list[kept++] = k;
            }
        }
        list.resize(kept);
        int highest = 0;
        for (size_t i = 0; i < list.size(); ++i) {
            highest = std::max(highest, list[i]);
            const CBioParents parents = parentPedigree[list[i]];
            for (const int parent : {parents.sire, parents.dam}) {
                if (parent != 0 && seen[parent] != stamp) {
                    seen[parent] = stamp;
                    list.push_back(parent);
                }
            }
        }
        // A lineage that fills much of its range is put in order faster by reading
        // the stamps back than by sorting.
        if (list.size() * 16 < size_t(highest)) {
            std::sort(list.begin(), list.end());
            return;
        }
        list.clear();
        for (int k = 1; k <= highest; ++k) {
            if (seen[k] == stamp)
                list.push_back(k);
        }
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
        number[parent] = next++;
        work.parentPedigree[number[parent]] = CBioParents{number[pedigree[parent].sire], number[pedigree[parent].dam]};
    };
    for (int j = 1; j <= n; ++j) {
        const CBioParents parents = pedigree[j];
        if (parents.sire < 0 || parents.sire >= j || parents.dam < 0 || parents.dam >= j)
            return false;
        work.order[j] = OrderEntry{j, parents.sire};
        numberParent(parents.sire);
        numberParent(parents.dam);
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
        int end = u;
        while (end <= n && work.order[end].sire == sire)
            ++end;
        // Every animal up to the sire's position has its coefficient by now: their
        // sires all lie below this one.
        for (; missingMendelian <= sire; ++missingMendelian) {
            const int k = number[missingMendelian];
            if (k != 0) {
                const CBioParents parents = pedigree[missingMendelian];
                work.mendelian[k] = 0.5 - 0.25 * (coefficients[parents.sire] + coefficients[parents.dam]);
            }
        }
        // The passes visit only the entries that can differ from 0: the sire's
        // ancestors going back, and going forward the ancestors of its mates, which
        // are all the relationships its offspring need. Every other entry would stay
        // exactly 0, so the results are those of passes over all parents.
        L[number[sire]] = 1.0;
        work.backward.assign(1, number[sire]);
        work.Lineage(work.backward);
        for (auto k = work.backward.rbegin(); k != work.backward.rend(); ++k) {
            if (L[*k] == 0.0)
                continue;
            const CBioParents parents = work.parentPedigree[*k];
            if (parents.sire != 0)
                L[parents.sire] += 0.5 * L[*k];
            if (parents.dam != 0)
                L[parents.dam] += 0.5 * L[*k];
            L[*k] *= work.mendelian[*k];
        }
        work.forward.clear();
        for (int i = u; i < end; ++i)
            work.forward.push_back(number[pedigree[work.order[i].position].dam]);
        work.Lineage(work.forward);
        for (const int k : work.forward) {
            const CBioParents parents = work.parentPedigree[k];
            L[k] += 0.5 * (L[parents.sire] + L[parents.dam]);
        }
        for (; u < end; ++u) {
            const int j = work.order[u].position;
            coefficients[j] = 0.5 * L[number[pedigree[j].dam]];
        }
        for (const int k : work.backward)
            L[k] = 0.0;
        for (const int k : work.forward)
            L[k] = 0.0;
    }
    return true;
}
