#pragma once

#include "biolegacydataimport_ent.h"

#include <memory>

// The entity classes of the nine record kinds; they differ only in their kind.
template<int kKind>
class TBioLegacyKindEnt : public CBioLegacyDataImport_Ent
{
public:
    TBioLegacyKindEnt()
        : CBioLegacyDataImport_Ent(kKind)
    {
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
