#pragma once

#include "biolegacydataimport_ent.h"
#include "biolegacyversionfields.h"

#include <memory>

// The entity classes of the nine record kinds; they differ only in their kind, which
// picks their schema and the field lists of their older record versions.
template<int kKind>
class TBioLegacyKindEnt : public CBioLegacyDataImport_Ent
{
public:
    TBioLegacyKindEnt()
        : CBioLegacyDataImport_Ent(kKind)
    {
    }
    const CBioLegacyDataImport_FieldIdSet &RecordVersionFields(EBioLegacyGroup group, quint8 version) const override
    {
        return LegacyRecordVersionFields(kKind, group, version);
    }
    std::unique_ptr<CBioLegacyDataImport_RegTransientState> CreateTransientState(
        CBioLegacyDataImport_Reg *reg) const override
    {
        if constexpr (kKind == BioLegacyKindAnimal)
            return std::make_unique<CBioLegacyDataImport_AnimalRegTransientState>(reg);
        return CBioLegacyDataImport_Ent::CreateTransientState(reg);
    }
};

using CBioLegacyDataImport_ContactEnt = TBioLegacyKindEnt<BioLegacyKindContact>;
using CBioLegacyDataImport_AnimalEnt = TBioLegacyKindEnt<BioLegacyKindAnimal>;
using CBioLegacyDataImport_MatingEnt = TBioLegacyKindEnt<BioLegacyKindMating>;
using CBioLegacyDataImport_JabRecEnt = TBioLegacyKindEnt<BioLegacyKindJabRec>;
using CBioLegacyDataImport_TrialMatingEnt = TBioLegacyKindEnt<BioLegacyKindTrialMating>;
using CBioLegacyDataImport_VetRecEnt = TBioLegacyKindEnt<BioLegacyKindVetRec>;
using CBioLegacyDataImport_ApptEnt = TBioLegacyKindEnt<BioLegacyKindAppt>;
using CBioLegacyDataImport_AcctEnt = TBioLegacyKindEnt<BioLegacyKindAcct>;
using CBioLegacyDataImport_ShowingEnt = TBioLegacyKindEnt<BioLegacyKindShowing>;

// A new entity of the kind, or none for a kind outside 0 to 8.
std::unique_ptr<CBioLegacyDataImport_Ent> CreateLegacyEntity(int kind);
