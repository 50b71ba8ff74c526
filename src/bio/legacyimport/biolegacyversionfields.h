#pragma once

#include "biolegacydataimport_entschema.h"

// The fields that a record of an older version holds in one storage group: the schema's
// list for the current flags without the fields introduced after that version, in the
// same order. Contact and animal records of files other than Halvane's answer the empty
// list. The answers follow the configuration flags and are rebuilt when they change.
const CBioLegacyDataImport_FieldIdSet &LegacyRecordVersionFields(int kind, EBioLegacyGroup group, int version);
