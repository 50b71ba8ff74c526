#pragma once

#include <QByteArray>

// Runs one reader of the breeding forms' stored settings and cell elements, chosen by
// the first byte, over the rest of the input until it fails or the data ends. Shared by
// the libFuzzer target and the test that replays seeds and their mutations; any crash,
// hang or runaway allocation is the finding. Answers how many reads succeeded.
int BioFuzzFormPayloads(const QByteArray &input);

// The selector byte of each reader, for building seeds.
enum EBioFormPayloadFuzzReader {
    BioFuzzCellData,
    BioFuzzCellLayout,
    BioFuzzAncestrySettings,
    // A whole theme, whose stored cell elements are then read through the built-in
    // theme and asked for every property of every chart size and generation.
    BioFuzzTheme,
    BioFuzzCoverSheetSettings,
    BioFuzzReaderCount
};
