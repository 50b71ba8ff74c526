#pragma once

#include <QByteArray>

// Harnesses over what a delimited-text import reads from files it cannot trust, shared
// by the libFuzzer targets and the test that replays seeds and their mutations; a
// crash, hang or runaway allocation is the finding. Each answers a small count, or -1
// when a result breaks what the import relies on.

// The input as the one-line text form of a column set: read, written and read again;
// a second writing must give the same text as the first.
int ImportFuzzColumnSet(const QByteArray &input);

// The input as the parameter file beside a text file: its encoding and format
// choices and its column set applied, and a sample decoded and parsed with them.
// Answers the number of parameters.
int ImportFuzzParameterFile(const QByteArray &input);

// The input as the first bytes of a text file, as the import's pages take it: the
// first byte picks the encoding (the deduced one or a customised one), the rest, cut
// to the sample size, is decoded into lines, its format deduced and its rows parsed,
// and its columns deduced. Answers the number of columns.
int ImportFuzzSample(const QByteArray &input);

// The input as a whole delimited text file imported into a new register with a
// fixed column set: the first byte picks the encoding, whether IDs are numbers or
// texts and whether the first line is a header. Answers the number of animals, or
// -1 when a parent link names no animal.
int ImportFuzzDelimitedText(const QByteArray &input);

// The import reads at most this many bytes of a file before its wizard runs.
constexpr qsizetype kImportFuzzSampleBytes = 10000;
