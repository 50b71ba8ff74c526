#pragma once

#include <QByteArray>

#include <functional>

// The byte values that end counts, lengths and signed bytes: 0x00, 0xFF, 0x7F, 0x80.
extern const QByteArray kOrvFuzzBinaryBytes;

// Runs `run` over every cut of the seed (each length short of the whole) and every
// change of one byte from `firstMutable` on to each of the values (a text reader
// passes its separators).
void OrvFuzzCutsAndByteChanges(const QByteArray &seed, int firstMutable,
                               const std::function<void(const QByteArray &)> &run,
                               const QByteArray &values = kOrvFuzzBinaryBytes);

// Runs `run` over `rounds` random mutations of the seed (bytes replaced, inserted or
// removed, never before `firstMutable`), the same ones for the same random seed: the
// fixed part of a reader's fuzz replay, beside its cuts and single-byte changes.
void OrvFuzzMutations(const QByteArray &seed, quint32 randomSeed, int rounds, int firstMutable,
                      const std::function<void(const QByteArray &)> &run);
