#pragma once

#include "biobuiltinfields.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldssettings.h"

#include <QRandomGenerator>
#include <QSharedPointer>

namespace OrvBench {

// N animals in generations of N / generations, males at odd ids; every animal
// after the first generation has a random male and a random female of the
// generation before as parents. The default special fields show in the field
// context given. Filled in bulk, as an import does.
inline QSharedPointer<CBioReg> RandomMatingRegister(int animals, int generations, int context)
{
    CCmnRegFieldsSettings fields;
    const CCmnRegFieldContextMask none;
    CCmnRegFieldContextMask shown;
    shown.SetContext(context, true);
    BioAppendDefaultSpecialFields(fields, none, none, shown, none, none);
    auto reg = QSharedPointer<CBioReg>::create(fields);
    const int perGeneration = animals / generations;
    QRandomGenerator random(2024);
    for (int id = 1; id <= animals; ++id) {
        auto record = QSharedPointer<CBioRegRecord>::create(
            QStringLiteral("Brackenfield Midnight Rambler %1 of the Long Meadow").arg(id), reg.data());
        record->m_Sex = id % 2 ? 1 : 2;
        if (id > perGeneration) {
            const int previous = ((id - 1) / perGeneration - 1) * perGeneration;
            record->m_Sire = previous + 1 + 2 * int(random.bounded(perGeneration / 2));
            record->m_Dam = previous + 2 + 2 * int(random.bounded(perGeneration / 2));
        }
        reg->AddRecord(record, false);
    }
    reg->RebuildIndexLists();
    reg->RebuildParentIndex();
    return reg;
}

} // namespace OrvBench
