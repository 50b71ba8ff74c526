#include "biolegacyentityfactory.h"

std::unique_ptr<CBioLegacyDataImport_Ent> CreateLegacyEntity(int kind)
{
    switch (kind) {
    case BioLegacyKindContact:
        return std::make_unique<CBioLegacyDataImport_ContactEnt>();
    case BioLegacyKindAnimal:
        return std::make_unique<CBioLegacyDataImport_AnimalEnt>();
    case BioLegacyKindMating:
        return std::make_unique<CBioLegacyDataImport_MatingEnt>();
    case BioLegacyKindJabRec:
        return std::make_unique<CBioLegacyDataImport_JabRecEnt>();
    case BioLegacyKindTrialMating:
        return std::make_unique<CBioLegacyDataImport_TrialMatingEnt>();
    case BioLegacyKindVetRec:
        return std::make_unique<CBioLegacyDataImport_VetRecEnt>();
    case BioLegacyKindAppt:
        return std::make_unique<CBioLegacyDataImport_ApptEnt>();
    case BioLegacyKindAcct:
        return std::make_unique<CBioLegacyDataImport_AcctEnt>();
    case BioLegacyKindShowing:
        return std::make_unique<CBioLegacyDataImport_ShowingEnt>();
    default:
        return nullptr;
    }
}
