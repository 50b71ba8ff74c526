#pragma once

#include <QByteArray>

// Runs one legacy reader, chosen by the first byte, over the rest of the input until it
// fails or the data ends. Shared by the libFuzzer target and the test that replays seeds
// and their mutations; any crash, hang or runaway allocation is the finding.
// Answers how many reads succeeded.
int LegacyFuzzArchiveReaders(const QByteArray &input);

// The selector byte of each reader, for building seeds.
enum ELegacyFuzzReader {
    LegacyFuzzString,
    LegacyFuzzOptionals,
    LegacyFuzzStringLists,
    LegacyFuzzBlocks,
    LegacyFuzzItemVector,
    LegacyFuzzTokenStore,
    LegacyFuzzBitArrays,
    LegacyFuzzFieldIdSet,
    LegacyFuzzCompareData,
    LegacyFuzzMatchData,
    LegacyFuzzRegMap,
    LegacyFuzzReaderCount
};

// Loads the input as a legacy data file and, when it loads, decodes every record of every
// register through the record-id walk, trimming the caches as the import does, then runs
// the field discovery and the conversion into an animal register with every field chosen.
// Answers the number of records decoded.
int LegacyFuzzDocument(const QByteArray &input);
