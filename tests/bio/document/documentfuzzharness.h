#pragma once

#include <QByteArray>

// The readers of the document file and of its settings blocks, each run over bytes
// from outside. Shared by the libFuzzer targets and the test that replays seeds
// and their mutations; any crash, hang or runaway allocation is the finding.

// The inflated document stream, deflated and read as a file. Answers 1 when the
// document loaded, 0 when it was refused with a message, -1 when a refusal came
// without one.
int DocumentFuzzFile(const QByteArray &inner);

// The first byte picks a settings block reader, which reads the rest. A block that
// reads must write back bytes that read to an equal value: else -1.
int DocumentFuzzSettingsBlock(const QByteArray &input);

// The bytes as a settings table (count, then key and block per entry) read into
// fresh settings, which must then write a table that reads back equal: else -1.
int DocumentFuzzSettingsTable(const QByteArray &input);

// The selector bytes of the block readers, for building seeds.
enum EDocumentFuzzBlock {
    DocumentFuzzGeneral,
    DocumentFuzzFields,
    DocumentFuzzPageSetup,
    DocumentFuzzThemes,
    DocumentFuzzCoverSheet,
    DocumentFuzzPedigree,
    DocumentFuzzTrialMating,
    DocumentFuzzBlockCount
};
