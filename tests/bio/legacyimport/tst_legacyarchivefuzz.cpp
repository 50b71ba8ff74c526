#include "fuzzmutations.h"
#include "legacyfilewriter.h"
#include "legacyfuzzharness.h"

#include <QTest>

using Writer = CTestLegacyWriter;

namespace {

QByteArray Seed(ELegacyFuzzReader reader, const Writer &writer)
{
    return char(reader) + writer.Bytes();
}

} // namespace

// Replays the fuzz harness over seeds from the test writer, every cut of them, every
// single-byte change and a fixed run of random mutations: none may crash or hang.
class TestLegacyArchiveFuzz : public QObject
{
    Q_OBJECT
private slots:
    void seedsAndMutationsNeverCrash_data();
    void seedsAndMutationsNeverCrash();
};

void TestLegacyArchiveFuzz::seedsAndMutationsNeverCrash_data()
{
    QTest::addColumn<QByteArray>("seed");
    QTest::newRow("strings") << Seed(LegacyFuzzString, Writer().String("Rex").String(QByteArray(300, 'x')));
    QTest::newRow("optionals") << Seed(LegacyFuzzOptionals, Writer().OptionalDWord(true, 7).OptionalDate(2000, 3, 15)
                                                                .U16(61));
    QTest::newRow("string lists") << Seed(LegacyFuzzStringLists, Writer().U16(1).String("a").StringPairList({{"k", "v"}})
                                                                     .StringPairList({}));
    QTest::newRow("blocks") << Seed(LegacyFuzzBlocks, Writer().U8(1).U32(2).Raw("ab").DataBlock("cd").BeginBlock()
                                                          .U16(9).EndBlock().Tag16(0xFD09, 0).DWordVector({1, 2}));
    QTest::newRow("item vector") << Seed(LegacyFuzzItemVector, Writer().ItemVector(2, 10, QByteArray(20, 'v'), 8));
    QTest::newRow("token store") << Seed(LegacyFuzzTokenStore, Writer().TokenStore({"Smith", "Jones", ""}, 16));
    QTest::newRow("bit arrays") << Seed(LegacyFuzzBitArrays, Writer().BOOLArray({true, false, true}).U8(1).BeginBlock()
                                                                 .U32(33).U32(0).U32(5).U32(1).EndBlock());
    QTest::newRow("field-id set") << Seed(LegacyFuzzFieldIdSet, Writer().FieldIdSet({10, 154, 200}, true));
    QTest::newRow("compare data") << Seed(LegacyFuzzCompareData, Writer().Tag16(0xFD11, 0).U8(0x87).U8(0).U16(1)
                                                                     .U8(0x90).U8(0).U8(3).U8(0x83).U8(0).U16(0)
                                                                     .U8(0).U8(0x85).U8(0).U8(0x90).U8(0).U8(1)
                                                                     .U8(0x83).U8(0).U16(0).U8(0).U8(0x84).U8(0)
                                                                     .U32(4));
    QTest::newRow("match data") << Seed(LegacyFuzzMatchData, Writer().Tag16(0xFD12, 0).U8(0x8C).U8(0).U16(1).U8(0x8F)
                                                                 .U8(0).U8(1).U8(0x88).U8(1).U16(0).U8(0).U8(0x89)
                                                                 .U8(1).U32(0).String("Rex").U32(1).U8(0x8F).U8(0)
                                                                 .U8(0));
    QTest::newRow("map") << Seed(LegacyFuzzRegMap, Writer().Tag8(0x8E, 0).BeginBlock().U32(2).U32(0).U32(1).U32(63)
                                                       .U32(1).U32(0x80000000u).EndBlock());
}

void TestLegacyArchiveFuzz::seedsAndMutationsNeverCrash()
{
    QFETCH(QByteArray, seed);
    QVERIFY(LegacyFuzzArchiveReaders(seed) >= 1);
    for (const char capacityBits : {char(0x00), char(0x80), char(0xB0), char(0xA0)}) {
        QByteArray small = seed;
        small[0] = char(seed.at(0) | capacityBits);
        QVERIFY(LegacyFuzzArchiveReaders(small) >= 1);
    }
    const auto run = [](const QByteArray &input) { LegacyFuzzArchiveReaders(input); };
    OrvFuzzCutsAndByteChanges(seed, 1, run);
    OrvFuzzMutations(seed, 0x5EED, 3000, 1, run);
}

QTEST_GUILESS_MAIN(TestLegacyArchiveFuzz)
#include "tst_legacyarchivefuzz.moc"
