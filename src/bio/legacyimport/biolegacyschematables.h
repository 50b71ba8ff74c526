#pragma once

#include "biolegacydataimport_entschema.h"

#include <QByteArray>
#include <QList>

// One registration of a field in a schema table: the flag condition under which a file
// has it, and the record versions that carry it at this place.
struct CBioLegacyFieldRow
{
    int id = 0;
    QByteArray condition;
    int fromVersion = 0;
    int untilVersion = 255;
    qint32 typeWord = 0;

    bool HeldBy(int version) const
    {
        return version >= fromVersion && version <= untilVersion;
    }
};

// The layout of one kind of record for one product, as text rows per group. A token is
// an id or a range "a-b", optionally followed by "[condition]" (see the flag
// conditions), "@v" or "@v-u" (the record versions that hold it; the newest version
// when left out), "=f", "=t" or "=n" (the default of a missing boolean) and "#hex" (the
// type word).
struct CBioLegacySchemaTable
{
    quint8 recordKindByte;
    quint8 newestVersion;
    quint8 thresholdVersion;
    bool booleansDefaultFalse;
    const char *groups[BioLegacyGroupCount];
    const char *unstored;
    const char *dictionary;
};

// The table of a kind for Halvane or Dunmarra files; none when the product has no such
// records.
const CBioLegacySchemaTable *LegacySchemaTable(int kind, bool dunmarra);

// The rows of one group of a table, in registration order.
QList<CBioLegacyFieldRow> LegacyParseFieldRows(const char *text, const CBioLegacySchemaTable &table,
                                               bool booleans);
