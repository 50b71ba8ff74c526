#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

// Runs `run` over `rounds` random mutations of the seed (bytes replaced, inserted or
// removed, never before `firstMutable`), the same ones for the same random seed, so
// that a replay test goes over part of the ground a fuzzer would.
void OrvFuzzMutations(const QByteArray &seed, quint32 randomSeed, int rounds, int firstMutable,
                      const std::function<void(const QByteArray &)> &run);
