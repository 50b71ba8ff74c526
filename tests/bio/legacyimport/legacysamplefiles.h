#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>

#include "biolegacycandidatecatalogue.h"

class CBioLegacyDataImport_HvDoc;
class CBioLegacyImportParams;
struct CTestLegacyRecord;

// Whole legacy files for the loader tests and the fuzz seeds, built with the schemas of
// their species: a contact "Smith & Jones <UK>" and animals 3 "Bella" (sire 40),
// 40 "Max", 41 "Ghost's son" (sire 999, which no record has) and, in Halvane files,
// 42 "Rex"; animal names are dictionary-coded in both products.
QByteArray LegacySampleFile(const QByteArray &species, int registers, int animalVersion = -1);

// Builds the contact and animal schemas of a species the way a load does.
void PrepareLegacySchemas(const QByteArray &species);

// An animal record of the current schemas: the name as text, or as a token number
// where the name is dictionary-coded.
QByteArray LegacySampleAnimalRecord(int version, const QByteArray &name, qint32 sire, int nameToken = -1);

// A contact record of the current schemas holding the texts by field id.
QByteArray LegacyContactRecord(const QMap<int, QByteArray> &texts);

// An animal record of the current schemas at their newest version holding the record's
// values; its kind byte, version and flag byte are set here. Texts are stored plainly,
// so the file must give the animal register no dictionaries.
QByteArray LegacyAnimalRecord(CTestLegacyRecord record);

// A whole file of the species with those contacts (texts by field id) and animals by
// record id, and the animal register's user-field pairs. Dictionary-coded animal texts
// are coded here.
QByteArray LegacyTestFile(const QByteArray &species, int registers, const QMap<int, QMap<int, QByteArray>> &contacts,
                          QMap<int, CTestLegacyRecord> animals,
                          const QList<QPair<QByteArray, QByteArray>> &pairs = {});

// Loads the file into the document and, when it loads, runs the field discovery with
// the group masks; the load's text.
QString LoadAndDiscover(CBioLegacyDataImport_HvDoc &document, CBioLegacyImportParams &params, const QByteArray &bytes,
                        const TBioLegacyGroupMasks &masks = {});
