#include "legacysamplefiles.h"

#include "biolegacyconfigflags.h"
#include "biolegacyentityfactory.h"
#include "biolegacyschemas.h"
#include "biolegacyspeciesflags.h"
#include "legacydocumentwriter.h"
#include "legacyrecordwriter.h"

namespace {

QList<QList<int>> GroupLists(int kind, int version)
{
    const CBioLegacyDataImport_EntSchema &schema = LegacySchemaOfKind(kind);
    const auto entity = CreateLegacyEntity(kind);
    QList<QList<int>> groups;
    for (int group = 0; group < BioLegacyGroupCount; ++group) {
        const EBioLegacyGroup which = EBioLegacyGroup(group);
        groups.append(version < schema.NewestVersion() ? entity->RecordVersionFields(which, quint8(version)).Ids()
                                                       : schema.Group(which).Ids());
    }
    return groups;
}

QByteArray ContactRecord(const QByteArray &surname)
{
    const bool halvane = BioLegacyConfigFlagIsSet("APP_HV");
    CTestLegacyRecord record;
    record.kindByte = 130;
    record.version = halvane ? 9 : 1;
    record.integerFlag = 1;
    record.texts = {{halvane ? 96 : 65, surname}};
    return EncodeTestLegacyRecord(record, GroupLists(0, record.version));
}

} // namespace

void PrepareLegacySchemas(const QByteArray &species)
{
    BioLegacySetSpeciesFlags(species);
    BuildLegacyContactSchema();
    BuildLegacyAnimalSchema();
}

QByteArray LegacySampleAnimalRecord(int version, const QByteArray &name, qint32 sire, int nameToken)
{
    const CBioLegacyDataImport_EntSchema &schema = LegacySchemaOfKind(1);
    CTestLegacyRecord record;
    record.kindByte = 129;
    record.version = quint8(version);
    if (version > schema.ThresholdVersion())
        record.integerFlag = LegacySchemaOfKind(1).NewestVersion() == 1 || version >= 6 ? 1 : 0;
    const int nameId = BioLegacyConfigFlagIsSet("APP_HV") ? 15 : 34;
    const int sireId = BioLegacyConfigFlagIsSet("APP_HV") ? 27 : 45;
    if (nameToken >= 0)
        record.tokens = {{nameId, {quint32(nameToken)}}};
    else
        record.texts = {{nameId, name}};
    if (sire > 0)
        record.references = {{sireId, sire}};
    return EncodeTestLegacyRecord(record, GroupLists(1, version));
}

QByteArray LegacySampleFile(const QByteArray &species, int registers, int animalVersion)
{
    PrepareLegacySchemas(species);
    const bool halvane = BioLegacyConfigFlagIsSet("APP_HV");
    const int version = animalVersion >= 0 ? animalVersion : LegacySchemaOfKind(1).NewestVersion();
    QList<CTestLegacyRegister> regs(registers);
    regs[0].records = {{1, ContactRecord("Smith & Jones <UK>")}};
    regs[1].animal = true;
    regs[1].records = {{3, LegacySampleAnimalRecord(version, "Bella", 40, 0)},
                       {40, LegacySampleAnimalRecord(version, "Max", 0, 1)},
                       {41, LegacySampleAnimalRecord(version, "Ghost's son", 999, 2)}};
    regs[1].dictionaryIds = {halvane ? 15 : 34};
    regs[1].dictionaries = {{"Bella", "Max", "Ghost's son", "Rex"}};
    if (halvane) {
        regs[1].records.insert(42, LegacySampleAnimalRecord(version, QByteArray(), 0, 3));
        regs[1].pairs = {{"UserText1", "Colour Notes"}};
    }
    return WriteTestLegacyFile(species, halvane, regs);
}

