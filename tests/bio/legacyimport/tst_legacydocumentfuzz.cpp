#include "fuzzmutations.h"
#include "legacyfuzzharness.h"
#include "legacysamplefiles.h"

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
    OrvFuzzMutations(seed, 0xF11E, 400, 0, [](const QByteArray &mutated) { LegacyFuzzDocument(mutated); });
}

QTEST_GUILESS_MAIN(TestLegacyDocumentFuzz)
#include "tst_legacydocumentfuzz.moc"
