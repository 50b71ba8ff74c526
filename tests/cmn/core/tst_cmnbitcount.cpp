#include "cmnbitcount.h"

#include <QTest>

class TestCmnBitCount : public QObject
{
    Q_OBJECT
private slots:
    void countsSetBits_data();
    void countsSetBits();
    void agreesWithBitByBitCount();
};

void TestCmnBitCount::countsSetBits_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<int>("expected");

    QTest::newRow("none") << quint32(0) << 0;
    QTest::newRow("all 32") << quint32(0xFFFFFFFFu) << 32;
    QTest::newRow("highest and lowest") << quint32(0x80000001u) << 2;
    QTest::newRow("one in each byte") << quint32(0x01020408u) << 4;
    QTest::newRow("top byte only") << quint32(0xFF000000u) << 8;
    QTest::newRow("alternating") << quint32(0xAAAAAAAAu) << 16;
}

void TestCmnBitCount::countsSetBits()
{
    QFETCH(quint32, word);
    QFETCH(int, expected);
    QCOMPARE(CmnBitCount32(word), expected);
}

// Every byte value in every byte position, so that a wrong table entry or a lost
// byte shows up.
void TestCmnBitCount::agreesWithBitByBitCount()
{
    for (int shift = 0; shift < 32; shift += 8) {
        for (quint32 value = 0; value < 256; ++value) {
            const quint32 word = value << shift;
            int expected = 0;
            for (quint32 rest = word; rest != 0; rest >>= 1)
                expected += int(rest & 1u);
            QCOMPARE(CmnBitCount32(word), expected);
        }
    }
}

QTEST_GUILESS_MAIN(TestCmnBitCount)
#include "tst_cmnbitcount.moc"
