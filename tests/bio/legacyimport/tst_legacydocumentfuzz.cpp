#include "legacyfuzzharness.h"
#include "legacysamplefiles.h"

#include <QRandomGenerator>
#include <QTest>

// Replays the whole-file fuzz harness over the sample files of each product, every
// single-byte change of the smallest and a fixed run of random mutations of each.
class TestLegacyDocumentFuzz : public QObject
{
    Q_OBJECT
private slots:
    void samplesAndMutationsNeverCrash_data();
    void samplesAndMutationsNeverCrash();
};

void TestLegacyDocumentFuzz::samplesAndMutationsNeverCrash_data()
{
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<int>("records");
    QTest::newRow("dog") << LegacySampleFile("dog", 9) << 5;
    QTest::newRow("horse") << LegacySampleFile("horse", 8, 6) << 5;
    QTest::newRow("cat, version 0") << LegacySampleFile("cat", 9, 0) << 5;
    QTest::newRow("dmdog") << LegacySampleFile("dmdog", 2) << 4;
}

void TestLegacyDocumentFuzz::samplesAndMutationsNeverCrash()
{
    QFETCH(QByteArray, seed);
    QFETCH(int, records);
    QCOMPARE(LegacyFuzzDocument(seed), records);
    if (QByteArray(QTest::currentDataTag()) == "dmdog") {
        for (int i = 0; i < seed.size(); ++i) {
            for (const char value : {char(0x00), char(0xFF), char(0x80)}) {
                QByteArray changed = seed;
                changed[i] = value;
                LegacyFuzzDocument(changed);
            }
        }
    }
    QRandomGenerator random(0xF11E);
    for (int round = 0; round < 400; ++round) {
        QByteArray mutated = seed;
        for (int e = 0, edits = 1 + int(random.bounded(3)); e < edits; ++e) {
            const int at = int(random.bounded(quint32(mutated.size())));
            if (random.bounded(2) == 0)
                mutated[at] = char(random.bounded(256));
            else
                mutated.remove(at, 1 + int(random.bounded(4)));
        }
        LegacyFuzzDocument(mutated);
    }
}

QTEST_GUILESS_MAIN(TestLegacyDocumentFuzz)
#include "tst_legacydocumentfuzz.moc"
