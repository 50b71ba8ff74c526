#pragma once

#include <QByteArray>
#include <QtGlobal>

// The process-wide configuration flags of the legacy file being loaded: which product
// wrote it, its species and the features its records carry. The loader clears and
// refills them for every file; schemas and record-version lists follow them.
// A name that was never set reads as clear.

bool BioLegacyConfigFlagIsSet(const char *name);
void BioLegacyConfigFlagSet(const char *name, int value);
void BioLegacyConfigFlagsClear();

// Increases with every change, so that lists derived from the flags know when to
// rebuild themselves.
quint64 BioLegacyConfigFlagsChangeCount();

// A condition over the flags: terms joined by "&" must all hold; a term is either
// "!NAME" (clear) or "A|B|C" (at least one set). An empty condition holds.
bool BioLegacyConfigConditionHolds(const QByteArray &condition);
