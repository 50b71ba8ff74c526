#pragma once

#include <QByteArray>
#include <QList>

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
