#include "cmnbitset.h"
#include "cmndatastream.h"
#include "cmnregvaluekind.h"
#include "regtesting.h"

#include <QDataStream>
#include <QTest>

#include "streamtesting.h"

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray Written(const CCmnReg &reg)
{
    return CmnTestStreamBytes([&](QDataStream &out) { reg.Write(out); });
}

// Reads a register block; the stream must end where the block ends.
bool ReadInto(CCmnReg &reg, const QByteArray &bytes)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    return reg.Read(in) && in.status() == QDataStream::Ok && in.atEnd();
}

// A bit set block of `count` and the words given (as hex).
QByteArray BitSetBlock(quint32 count, qint32 wordCount, const QByteArray &words)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << quint8(4) << quint8(0) << qint64(count) << wordCount;
    return bytes + words;
}

// A register block holding ids 1 and 2, each with no values, around the allocator
// part given.
QByteArray RegisterBlock(const QByteArray &bitSet, const QByteArray &records)
{
    return Hex("0900" "0700" "ffffffff") + bitSet + records + Hex("00000000");
}

const QByteArray kTwoIdsWords = Hex("00000003" "00000000");
const QByteArray kTwoEmptyRecords = Hex("00000001" "0800" "00000000" "00000002" "0800" "00000000");

} // namespace

class TestCmnRegStream : public QObject
{
    Q_OBJECT
private slots:
    void writesTheEmptyRegister();
    void writesIdsAndValuesExactly();
    void roundTripsIdsHintValuesAndIndexes();
    void refusesDamagedBlocks_data();
    void refusesDamagedBlocks();
    void refusesEveryCut();
    void bitSetCountLimit_data();
    void bitSetCountLimit();
};

void TestCmnRegStream::writesTheEmptyRegister()
{
    CTestReg reg;
    const QByteArray empty = Hex("0900" "0700" "ffffffff" "0400" "0000000000000000" "00000000" "00000000");
    QCOMPARE(Written(reg).toHex(), empty.toHex());
    QVERIFY(ReadInto(reg, empty));
    QCOMPARE(reg.GetRecordCount(), 0);
}

void TestCmnRegStream::writesIdsAndValuesExactly()
{
    CTestReg reg;
    for (int i = 0; i < 21; ++i)
        reg.Add(QStringLiteral("Rec"));
    CCmnDate day;
    day.SetGregorianYmd(5, 4, 2001);
    reg.GetRecord(1)->SetValue(5, CmnRegValueText, QStringLiteral("Bay"));
    reg.GetRecord(2)->SetValue(6, CmnRegValueDate, QVariant::fromValue(day));
    QByteArray dayWord;
    QDataStream dayOut(&dayWord, QIODevice::WriteOnly);
    CmnPrepareDataStream(dayOut);
    day.Write(dayOut);
    QCOMPARE(dayWord.size(), 5);

    const QByteArray bytes = Written(reg);
    QVERIFY(bytes.startsWith(Hex("0900" "0700" "ffffffff" "0400" "0000000000000015" "00000200" "001fffff")));
    QCOMPARE(bytes.mid(26, 511 * 4), QByteArray(511 * 4, '\0'));
    QByteArray records = bytes.mid(26 + 511 * 4);
    QVERIFY(records.startsWith(Hex("00000001" "0800" "00000001" "00000005" "00" "00" "0000000a" "00"
                                   "00000006004200610079")));
    QVERIFY(records.contains(Hex("00000002" "0800" "00000001" "00000006" "00" "08" "0000007f" "00" "00000009")
                             + "CCmnDate" + QByteArray(1, '\0') + dayWord));
    QVERIFY(records.endsWith(Hex("00000015" "0800" "00000000" "00000000")));
}

void TestCmnRegStream::roundTripsIdsHintValuesAndIndexes()
{
    CTestReg reg;
    for (const char *name : {"Rex", "Ace", "Bo", "Cy", "Di"})
        reg.Add(QString::fromLatin1(name));
    QVERIFY(reg.DeleteRecord(5, true));
    QVERIFY(reg.DeleteRecord(2, true));
    reg.GetRecord(3)->SetValue(1, CmnRegValueFraction, 0.125f);
    reg.GetRecord(3)->SetValue(2, CmnRegValueInteger64, qlonglong(1) << 40);
    QList<CCmnRegStoredValue> twice = reg.GetRecord(4)->GetValues();
    twice.append({7, {CmnRegValueText, QStringLiteral("first")}});
    twice.append({7, {CmnRegValueText, QStringLiteral("second")}});
    reg.GetRecord(4)->SetValues(twice);

    const QByteArray bytes = Written(reg);
    CTestReg read;
    QVERIFY(ReadInto(read, bytes));
    QCOMPARE(read.GetRecordIds(), (QVector<int>{1, 3, 4}));
    QCOMPARE(read.GetIdAllocator().GetHint(), 1);
    QCOMPARE(read.GetIdAllocator().GetUsed().Highest(), 3);
    QCOMPARE(read.GetRecord(3)->GetValue(1, CmnRegValueFraction), QVariant(0.125f));
    QCOMPARE(read.GetRecord(3)->GetValue(2, CmnRegValueInteger), QVariant(qlonglong(1) << 40));
    QCOMPARE(read.GetRecord(4)->GetValues().size(), 2);
    QCOMPARE(read.GetRecord(4)->GetValue(7, CmnRegValueText), QVariant(QStringLiteral("first")));
    // The test records keep their names outside the values block, so the lists
    // are rebuilt from what the test register reads: here the same records.
    QCOMPARE(read.m_All.Entries().size(), 3);
    QCOMPARE(Written(read), bytes);
    QCOMPARE(read.Add(QStringLiteral("Ed")), 2);
}

void TestCmnRegStream::refusesDamagedBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("statusKept");   // refused by tag, with the stream untouched
    const QByteArray twoIds = BitSetBlock(2, 2, kTwoIdsWords);
    QTest::newRow("good") << RegisterBlock(twoIds, kTwoEmptyRecords) << false;
    QTest::newRow("another block") << Hex("0a00") + RegisterBlock(twoIds, kTwoEmptyRecords).mid(2) << true;
    QTest::newRow("count 5, 4 bits set")
        << RegisterBlock(BitSetBlock(5, 2, Hex("0000000f" "00000000")), QByteArray()) << false;
    QTest::newRow("odd word count") << RegisterBlock(BitSetBlock(2, 1, Hex("00000003")), kTwoEmptyRecords) << false;
    QTest::newRow("too few words") << RegisterBlock(BitSetBlock(33, 0, QByteArray()), QByteArray()) << false;
    QTest::newRow("count above 100,000,000")
        << RegisterBlock(BitSetBlock(100000001, 3125002, QByteArray()), QByteArray()) << false;
    QTest::newRow("word count beyond the bytes") << RegisterBlock(BitSetBlock(0, 0x02000000, QByteArray()), {})
                                                 << false;
    QTest::newRow("record id without its bit")
        << RegisterBlock(twoIds, kTwoEmptyRecords + Hex("00000003" "0800" "00000000")) << false;
    QTest::newRow("negative record id")
        << RegisterBlock(twoIds, Hex("ffffffff" "0800" "00000000") + kTwoEmptyRecords) << false;
    QTest::newRow("record id twice") << RegisterBlock(twoIds, kTwoEmptyRecords + kTwoEmptyRecords.left(10)) << false;
    QTest::newRow("a used id without a record") << RegisterBlock(twoIds, kTwoEmptyRecords.left(10)) << false;
    QTest::newRow("value count beyond the bytes")
        << RegisterBlock(twoIds, Hex("00000001" "0800" "10000000") + kTwoEmptyRecords.mid(10)) << false;
    QTest::newRow("negative value count")
        << RegisterBlock(twoIds, Hex("00000001" "0800" "ffffffff") + kTwoEmptyRecords.mid(10)) << false;
    QTest::newRow("record block of another tag")
        << RegisterBlock(twoIds, Hex("00000001" "0900" "00000000") + kTwoEmptyRecords.mid(10)) << true;
    QTest::newRow("bad value format")
        << RegisterBlock(twoIds, Hex("00000001" "0800" "00000001" "00000005" "0100" "00000002" "00" "00000001")
                                     + kTwoEmptyRecords.mid(10))
        << false;
}

void TestCmnRegStream::refusesDamagedBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, statusKept);
    CTestReg reg;
    reg.Add(QStringLiteral("Kept until the read"));
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    const bool good = QByteArray(QTest::currentDataTag()) == "good";
    QCOMPARE(reg.Read(in), good);
    QCOMPARE(in.status() == QDataStream::Ok, good || statusKept);
    QCOMPARE(reg.GetRecordCount(), good ? 2 : 0);
    QCOMPARE(reg.m_All.Entries().size(), good ? 2 : 0);
}

void TestCmnRegStream::refusesEveryCut()
{
    CTestReg reg;
    for (int i = 0; i < 3; ++i)
        reg.Add(QStringLiteral("Rec"));
    reg.GetRecord(2)->SetValue(4, CmnRegValueText, QStringLiteral("Bay"));
    const QByteArray good = Written(reg);
    for (qsizetype length = 0; length < good.size(); length += (length < 40 || length > good.size() - 80) ? 1 : 97) {
        CTestReg read;
        QVERIFY2(!ReadInto(read, good.left(length)), qPrintable(QString::number(length)));
        QCOMPARE(read.GetRecordCount(), 0);
    }
}

void TestCmnRegStream::bitSetCountLimit_data()
{
    QTest::addColumn<quint32>("count");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("100,000,000") << quint32(100000000) << true;
    QTest::newRow("100,000,001") << quint32(100000001) << false;
}

void TestCmnRegStream::bitSetCountLimit()
{
    QFETCH(quint32, count);
    QFETCH(bool, accepted);
    // 100,000,000 bits fill 3,125,000 words exactly; a refused count is refused
    // before its words are looked at.
    const qint32 wordCount = accepted ? 3125000 : 3125002;
    QDataStream in(BitSetBlock(count, wordCount, QByteArray(wordCount * 4, '\xff')));
    CmnPrepareDataStream(in);
    CCmnBitSet bits;
    in >> bits;
    QCOMPARE(in.status() == QDataStream::Ok, accepted);
    QCOMPARE(bits.Count(), accepted ? int(count) : 0);
}

QTEST_GUILESS_MAIN(TestCmnRegStream)
#include "tst_cmnregstream.moc"
