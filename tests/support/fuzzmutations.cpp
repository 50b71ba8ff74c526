#include "fuzzmutations.h"

#include <QRandomGenerator>

const QByteArray kOrvFuzzBinaryBytes("\x00\xFF\x7F\x80", 4);

void OrvFuzzCutsAndByteChanges(const QByteArray &seed, int firstMutable,
                               const std::function<void(const QByteArray &)> &run, const QByteArray &values)
{
    for (qsizetype length = 0; length < seed.size(); ++length)
        run(seed.left(length));
    for (qsizetype i = firstMutable; i < seed.size(); ++i) {
        for (const char value : values) {
            QByteArray changed = seed;
            changed[i] = value;
            run(changed);
        }
    }
}

void OrvFuzzMutations(const QByteArray &seed, quint32 randomSeed, int rounds, int firstMutable,
                      const std::function<void(const QByteArray &)> &run)
{
    QRandomGenerator random(randomSeed);
    for (int round = 0; round < rounds; ++round) {
        QByteArray mutated = seed;
        for (int edit = 0, edits = 1 + int(random.bounded(4)); edit < edits; ++edit) {
            if (mutated.size() <= firstMutable)
                break;
            const int at = firstMutable + int(random.bounded(quint32(mutated.size() - firstMutable)));
            switch (random.bounded(3)) {
            case 0:
                mutated[at] = char(random.bounded(256));
                break;
            case 1:
                mutated.insert(at, char(random.bounded(256)));
                break;
            default:
                mutated.remove(at, 1 + int(random.bounded(4)));
                break;
            }
        }
        run(mutated);
    }
}
