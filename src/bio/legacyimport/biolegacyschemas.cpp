#include "biolegacyschemas.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_ent.h"
#include "biolegacyschematables.h"

#include <array>

namespace {

void AddHeldRows(CBioLegacyDataImport_EntSchema &schema, const char *text, const CBioLegacySchemaTable &table,
                 int group)
{
    const bool booleans = group == BioLegacyGroupBooleans;
    for (const CBioLegacyFieldRow &row : LegacyParseFieldRows(text, table, booleans)) {
        if (!row.HeldBy(table.newestVersion) || !BioLegacyConfigConditionHolds(row.condition))
            continue;
        if (group < 0)
            schema.AddUnstoredField(row.id, row.typeWord);
        else
            schema.AddGroupField(EBioLegacyGroup(group), row.id, row.typeWord);
    }
}

void BuildFromTable(int kind, const CBioLegacySchemaTable *table, quint8 kindByte)
{
    CBioLegacyDataImport_EntSchema &schema = LegacySchemaOfKind(kind);
    if (schema.IsBuilt())
        schema.Reset();
    if (table) {
        for (const CBioLegacyFieldRow &row : LegacyParseFieldRows(table->dictionary, *table, false)) {
            if (BioLegacyConfigConditionHolds(row.condition))
                schema.DictionaryFields().Add(row.id);
        }
        schema.SetVersions(table->newestVersion, table->thresholdVersion);
        for (int group = 0; group < BioLegacyGroupCount; ++group)
            AddHeldRows(schema, table->groups[group], *table, group);
        AddHeldRows(schema, table->unstored, *table, -1);
    }
    schema.SetRecordKindByte(kindByte);
    schema.Finish();
}

// Contacts and animals exist in both products; a file of neither gets empty schemas.
void BuildProductSchema(int kind, quint8 kindByte)
{
    const CBioLegacySchemaTable *table = nullptr;
    if (BioLegacyConfigFlagIsSet("APP_HV"))
        table = LegacySchemaTable(kind, false);
    else if (BioLegacyConfigFlagIsSet("APP_DM"))
        table = LegacySchemaTable(kind, true);
    BuildFromTable(kind, table, kindByte);
}

void BuildHalvaneSchema(int kind)
{
    const CBioLegacySchemaTable *table = LegacySchemaTable(kind, false);
    BuildFromTable(kind, table, table->recordKindByte);
}

} // namespace

CBioLegacyDataImport_EntSchema &LegacySchemaOfKind(int kind)
{
    static std::array<CBioLegacyDataImport_EntSchema, BioLegacyKindCount> schemas;
    if (kind < 1 || kind >= BioLegacyKindCount)
        kind = BioLegacyKindContact;
    return schemas[size_t(kind)];
}

void BuildLegacyContactSchema()
{
    BuildProductSchema(BioLegacyKindContact, 130);
}

void BuildLegacyAnimalSchema()
{
    BuildProductSchema(BioLegacyKindAnimal, 129);
}

void BuildLegacyMatingSchema()
{
    BuildHalvaneSchema(BioLegacyKindMating);
}

void BuildLegacyJabRecSchema()
{
    BuildHalvaneSchema(BioLegacyKindJabRec);
}

void BuildLegacyTrialMatingSchema()
{
    BuildHalvaneSchema(BioLegacyKindTrialMating);
}

void BuildLegacyVetRecSchema()
{
    BuildHalvaneSchema(BioLegacyKindVetRec);
}

void BuildLegacyApptSchema()
{
    BuildHalvaneSchema(BioLegacyKindAppt);
}

void BuildLegacyAcctSchema()
{
    BuildHalvaneSchema(BioLegacyKindAcct);
}

void BuildLegacyShowingSchema()
{
    BuildHalvaneSchema(BioLegacyKindShowing);
}
