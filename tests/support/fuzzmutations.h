#pragma once

#include <QByteArray>

#include <functional>

// Runs `run` over every cut of the seed (each length short of the whole) and every
// change of one byte from `firstMutable` on to 0x00, 0xFF, 0x7F and 0x80: the ends of
// counts, lengths and signed bytes.
void OrvFuzzCutsAndByteChanges(const QByteArray &seed, int firstMutable,
                               const std::function<void(const QByteArray &)> &run);

// Runs `run` over `rounds` random mutations of the seed (bytes replaced, inserted or
// removed, never before `firstMutable`), the same ones for the same random seed: the
// fixed part of a reader's fuzz replay, beside its cuts and single-byte changes.
void OrvFuzzMutations(const QByteArray &seed, quint32 randomSeed, int rounds, int firstMutable,
                      const std::function<void(const QByteArray &)> &run);
