#include "legacysamplefiles.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacyimportparams.h"
#include "biolegacyentityfactory.h"
#include "biolegacyschemas.h"
#include "biolegacyspeciesflags.h"
#include "legacydocumentwriter.h"
#include "legacyrecordwriter.h"

#include <QBuffer>

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

} // namespace

QByteArray LegacyContactRecord(const QMap<int, QByteArray> &texts)
{
    const bool halvane = BioLegacyConfigFlagIsSet("APP_HV");
    CTestLegacyRecord record;
    record.kindByte = 130;
    record.version = halvane ? 9 : 1;
    record.integerFlag = 1;
    record.texts = texts;
    return EncodeTestLegacyRecord(record, GroupLists(0, record.version));
}

QByteArray LegacyAnimalRecord(CTestLegacyRecord record)
{
    const CBioLegacyDataImport_EntSchema &schema = LegacySchemaOfKind(1);
    record.kindByte = 129;
    record.version = schema.NewestVersion();
    record.integerFlag = 1;
    return EncodeTestLegacyRecord(record, GroupLists(1, record.version));
}

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
    regs[0].records = {{1, LegacyContactRecord({{halvane ? 96 : 65, "Smith & Jones <UK>"}})}};
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


QByteArray LegacyTestFile(const QByteArray &species, int registers, const QMap<int, QMap<int, QByteArray>> &contacts,
                          QMap<int, CTestLegacyRecord> animals, const QList<QPair<QByteArray, QByteArray>> &pairs)
{
    PrepareLegacySchemas(species);
    QList<CTestLegacyRegister> regs(registers);
    for (auto contact = contacts.cbegin(); contact != contacts.cend(); ++contact)
        regs[0].records.insert(contact.key(), LegacyContactRecord(contact.value()));
    regs[1].animal = true;
    regs[1].pairs = pairs;
    // Dictionary-coded texts become one token each, in the order first met.
    const CBioLegacyDataImport_FieldIdSet &coded = LegacySchemaOfKind(1).DictionaryFields();
    QMap<int, QList<QByteArray>> dictionaries;
    for (auto animal = animals.begin(); animal != animals.end(); ++animal) {
        CTestLegacyRecord &record = animal.value();
        for (auto text = record.texts.begin(); text != record.texts.end();) {
            if (!coded.Contains(text.key())) {
                ++text;
                continue;
            }
            QList<QByteArray> &tokens = dictionaries[text.key()];
            qsizetype token = tokens.indexOf(text.value());
            if (token < 0) {
                token = tokens.size();
                tokens.append(text.value());
            }
            record.tokens.insert(text.key(), {quint32(token)});
            text = record.texts.erase(text);
        }
        regs[1].records.insert(animal.key(), LegacyAnimalRecord(record));
    }
    regs[1].dictionaryIds = dictionaries.keys();
    regs[1].dictionaries = dictionaries.values();
    return WriteTestLegacyFile(species, BioLegacyConfigFlagIsSet("APP_HV"), regs);
}

QString LoadAndDiscover(CBioLegacyDataImport_HvDoc &document, CBioLegacyImportParams &params, const QByteArray &bytes,
                        const TBioLegacyGroupMasks &masks)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QString error = document.Load(&buffer);
    if (error.isEmpty())
        params.DiscoverFields(document, masks[0], masks[1], masks[2], masks[3], masks[4]);
    return error;
}
