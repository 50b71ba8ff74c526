#pragma once

#include "biobuiltinfields.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldssettings.h"
#include "testpedigreefiles.h"

#include <QSharedPointer>

#include <functional>
#include <utility>

// An animal stored the way the add commands store one: added, then replaced with
// its parents so that the parent index holds them.
inline int AddAnimal(CBioReg &reg, const QString &name, int sex, int sire = 0, int dam = 0)
{
    const int id = reg.AddNamedRecord(name, true);
    auto copy = QSharedPointer<CBioRegRecord>::create(*reg.GetBioRecord(id));
    copy->m_Sex = sex;
    copy->m_Sire = sire;
    copy->m_Dam = dam;
    reg.ReplaceRecord(id, copy, true);
    return id;
}

// The first `count` animals of a reference pedigree file, added to an empty
// register under their numbers in the file, with their sexes and parents; the
// indexes are left for the caller to rebuild. False when a number came out different.
inline bool AddPedigreeAnimals(CBioReg &reg, const CTestPedigreeFile &file, int count)
{
    for (int n = 1; n <= count; ++n) {
        if (reg.AddNamedRecord(file.ids.at(n - 1), false) != n)
            return false;
        CBioRegRecord *record = reg.GetBioRecord(n);
        record->m_Sex = file.sexes.at(n);
        record->m_Sire = file.sires.at(n);
        record->m_Dam = file.dams.at(n);
    }
    return true;
}

// Stores a changed copy of the animal, as an edit does.
inline void ReplaceWith(CBioReg &reg, int id, const std::function<void(CBioRegRecord &)> &change)
{
    auto copy = QSharedPointer<CBioRegRecord>::create(*reg.GetBioRecord(id));
    change(*copy);
    reg.ReplaceRecord(id, copy, true);
}

// Fields settings with the built-in special and system fields, in no box's context.
inline CCmnRegFieldsSettings BioTestDefaultFieldsSettings()
{
    CCmnRegFieldsSettings settings;
    const CCmnRegFieldContextMask none;
    BioAppendDefaultSpecialFields(settings, none, none, none, none, none);
    BioAppendDefaultSystemFields(settings, none, none, none, none, none);
    return settings;
}

// The built-in words under Custom, with some words of the user's own (singular).
inline void BioTestUseWords(const QList<std::pair<int, QString>> &words)
{
    CBioTerminologySettings terminology;
    terminology.ApplySpeciesDefaults(BioSpeciesOther);
    terminology.ApplySpeciesDefaults(BioSpeciesCustom);
    for (const auto &[term, word] : words)
        terminology.SetWord(term, false, word, false);
    BioSetTerminology(terminology);
}
