#pragma once

#include "biolegacydataimport_entschema.h"

// The process-wide schemas of the nine record kinds. Kinds outside 1 to 8 give the
// contact schema.
CBioLegacyDataImport_EntSchema &LegacySchemaOfKind(int kind);

// Rebuild one kind's schema from the current configuration flags. The contact and animal
// builders follow the product ("APP_HV" or "APP_DM"); with neither they leave the
// schema empty apart from its record kind byte.
void BuildLegacyContactSchema();
void BuildLegacyAnimalSchema();
void BuildLegacyMatingSchema();
void BuildLegacyJabRecSchema();
void BuildLegacyTrialMatingSchema();
void BuildLegacyVetRecSchema();
void BuildLegacyApptSchema();
void BuildLegacyAcctSchema();
void BuildLegacyShowingSchema();
