#pragma once

#include "cmnregfieldcontextmask.h"

#include <QString>
#include <QStringList>

class CCmnRegFieldContexts;

// The terminology's words in the labels of the breeding forms' box kinds.
struct CBioBoxKindWords
{
    QString m_Sire;
    QString m_Dam;
    // The generation word of each ancestor generation, 0 (parents) to 5, plural.
    QStringList m_Generations;
};

// Fills an empty catalogue with the box kinds of the breeding forms that can show
// fields by default: the groups "Pedigree", "Cover Sheet" and "Trial Mating" (key 0)
// and "Ancestors" (key 1), and one item per kind with its context bit, place in the
// grid, label and help name.
void BioFillBoxKindCatalogue(CCmnRegFieldContexts &catalogue, const CBioBoxKindWords &words);

// The process-wide catalogue of the breeding forms, built at the first call with
// the terminology's words of that moment; later calls return it unchanged, and it
// lives until the process ends. Every register points at it.
CCmnRegFieldContexts *BoxKindCatalogue();

// The standard default usage of a new field by group: 0 the pedigree and cover-sheet
// titles, 1 the cover-sheet reverse and pedigree details, 2 the trial-mating title,
// 3 the trial-mating parents' details, 4 the ancestors of the first three
// generations; none for any other group.
CCmnRegFieldContextMask BioDefaultFieldContextMask(int group);
