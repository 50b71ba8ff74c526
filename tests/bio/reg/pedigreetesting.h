#pragma once

#include "biopedigree.h"

#include <QList>
#include <QMetaType>

// One animal of a small test pedigree: its id and its parents' ids (0 unknown).
struct CAnimal
{
    int id;
    int sire;
    int dam;
};

Q_DECLARE_METATYPE(QList<CAnimal>)

inline CBioPedigree PedigreeOf(const QList<CAnimal> &animals)
{
    CBioPedigree pedigree;
    for (const CAnimal &animal : animals) {
        pedigree.ResetIndividual(animal.id);
        pedigree.SetParents(animal.id, animal.sire, animal.dam);
    }
    return pedigree;
}
