#include "biolegacydataimport_archive.h"
#include "biolegacydataimport_bitset.h"
#include "biolegacydataimport_boolarray.h"
#include "biolegacydataimport_itemvector.h"
#include "biolegacydataimport_tokenstore.h"
#include "legacyarchivetesting.h"
#include "legacyfilewriter.h"

#include <QTest>

using Writer = CTestLegacyWriter;

class TestBioLegacyDataImportArchive : public QObject
{
    Q_OBJECT
private slots:
    void checksumTableFollowsItsRule();
    void checksumOfKnownTexts_data();
    void checksumOfKnownTexts();
    void blockTrailers_data();
    void blockTrailers();
    void flippedByteFailsOnlyItsBlock();
    void numbersAreLittleEndianAcrossRefills_data();
    void numbersAreLittleEndianAcrossRefills();
    void strings_data();
    void strings();
    void hugeStringLengthFailsWithoutAllocating();
    void optionalValues_data();
    void optionalValues();
    void timeOfDay_data();
    void timeOfDay();
    void stringLists_data();
    void stringLists();
    void itemVectorReadsItsChunks();
    void inconsistentItemVectorStaysEmpty_data();
    void inconsistentItemVectorStaysEmpty();
    void typedVectorsCheckTheirItemSize();
    void tokenLookup_data();
    void tokenLookup();
    void damagedTokenHeapFailsLookup();
    void boolArray();
    void hugeBoolCountFailsFast();
    void bitSet();
    void blocksOfBytes_data();
    void blocksOfBytes();
    void everyCutOfAGoodStreamFails();
};

void TestBioLegacyDataImportArchive::checksumTableFollowsItsRule()
{
    QCOMPARE(LegacyCrc16Table()[0], quint16(0));
    QCOMPARE(LegacyCrc16Table()[1], quint16(0x1189));
    QCOMPARE(LegacyCrc16Table()[8], quint16(0x8C48));
    QCOMPARE(LegacyCrc16Table()[15], quint16(0xF8F7));
    QCOMPARE(LegacyCrc16Table()[16], quint16(0x1891));
    // The table is linear under XOR.
    for (int a = 0; a < 256; a += 7) {
        for (int b = 0; b < 256; b += 13)
            QCOMPARE(LegacyCrc16Table()[a ^ b], quint16(LegacyCrc16Table()[a] ^ LegacyCrc16Table()[b]));
    }
}

void TestBioLegacyDataImportArchive::checksumOfKnownTexts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint16>("checksum");
    QTest::newRow("digits") << QByteArray("123456789") << quint16(0x57FF);
    QTest::newRow("abc") << QByteArray("abc") << quint16(0xA837);
    QTest::newRow("nothing") << QByteArray() << quint16(0);
}

void TestBioLegacyDataImportArchive::checksumOfKnownTexts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(quint16, checksum);
    quint16 running = 0;
    for (const char byte : bytes)
        running = LegacyCrc16Step(running, quint8(byte));
    QCOMPARE(running, checksum);
    QCOMPARE(Writer::ChecksumOf(bytes), checksum);
}

// Golden bytes by hand: the word 0x1234 is stored 34 12 but folded 12 then 34 (0x99BF);
// folded in file order it would be 0x934A.
void TestBioLegacyDataImportArchive::blockTrailers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("word folded high byte first") << QByteArray::fromHex("3412bf99") << true;
    QTest::newRow("word folded in file order") << QByteArray::fromHex("34124a93") << false;
    QTest::newRow("dword and byte") << QByteArray::fromHex("0403020105d21f") << true;
}

void TestBioLegacyDataImportArchive::blockTrailers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    CLegacyTestArchive archive(bytes);
    QVERIFY(archive->BeginBlock());
    if (bytes.size() == 4) {
        quint16 word = 0;
        QVERIFY(archive->ReadWord(word));
        QCOMPARE(word, quint16(0x1234));
    } else {
        quint32 dword = 0;
        quint8 byte = 0;
        QVERIFY(archive->ReadDWord(dword));
        QVERIFY(archive->ReadByte(byte));
        QCOMPARE(dword, 0x01020304u);
    }
    QCOMPARE(archive->EndBlock(), valid);

    // An empty block's trailer is 0; a nested block's trailer counts in the outer block.
    CLegacyTestArchive empty(QByteArray::fromHex("0000"));
    QVERIFY(empty->BeginBlock());
    QVERIFY(empty->EndBlock());
    CLegacyTestArchive nonZero(QByteArray::fromHex("0100"));
    QVERIFY(nonZero->BeginBlock());
    QVERIFY(!nonZero->EndBlock());

    Writer nested;
    nested.BeginBlock().U8(7).BeginBlock().U16(0xBEEF).EndBlock().U8(9).EndBlock();
    CLegacyTestArchive outer(nested.Bytes());
    quint8 byte = 0;
    quint16 word = 0;
    QVERIFY(outer->BeginBlock() && outer->ReadByte(byte) && outer->BeginBlock() && outer->ReadWord(word));
    QVERIFY(outer->EndBlock());
    QVERIFY(outer->ReadByte(byte) && outer->EndBlock());
    QVERIFY(outer.AtEnd());
}

void TestBioLegacyDataImportArchive::flippedByteFailsOnlyItsBlock()
{
    Writer writer;
    writer.BeginBlock().U32(0x11223344).String("first").EndBlock();
    const int firstEnd = writer.Size();
    writer.BeginBlock().U32(0x55667788).EndBlock();
    for (int i = 0; i < firstEnd - 2; ++i) {
        QByteArray bytes = writer.Bytes();
        bytes[i] = char(bytes.at(i) ^ 0x01);
        CLegacyTestArchive archive(bytes);
        quint32 value = 0;
        QByteArray text;
        QVERIFY(archive->BeginBlock() && archive->ReadDWord(value));
        QVERIFY(archive->ReadString(text) || i == 4);
        if (i == 4)
            continue;   // the length byte: the block is read out of step
        QVERIFY2(!archive->EndBlock(), qPrintable(QString::number(i)));
        QVERIFY(archive->BeginBlock() && archive->ReadDWord(value) && archive->EndBlock());
        QCOMPARE(value, 0x55667788u);
    }
}

void TestBioLegacyDataImportArchive::numbersAreLittleEndianAcrossRefills_data()
{
    QTest::addColumn<qint64>("capacity");
    QTest::newRow("one byte") << qint64(1);
    QTest::newRow("three bytes") << qint64(3);
    QTest::newRow("default") << CBioLegacyDataImport_Archive::kDefaultCapacity;
}

void TestBioLegacyDataImportArchive::numbersAreLittleEndianAcrossRefills()
{
    QFETCH(qint64, capacity);
    CLegacyTestArchive archive(QByteArray::fromHex("01341278563412ffffffff0102030405"), capacity);
    quint8 byte = 0;
    quint16 word = 0;
    quint32 dword = 0;
    qint32 negative = 0;
    QVERIFY(archive->ReadByte(byte) && archive->ReadWord(word) && archive->ReadDWord(dword)
            && archive->ReadSignedDWord(negative));
    QCOMPARE(byte, quint8(1));
    QCOMPARE(word, quint16(0x1234));
    QCOMPARE(dword, 0x12345678u);
    QCOMPARE(negative, -1);
    char run[5] = {};
    QCOMPARE(archive->ReadBytes(run, 5), qint64(5));
    QCOMPARE(QByteArray(run, 5), QByteArray::fromHex("0102030405"));
    QVERIFY(!archive->ReadByte(byte));
    QVERIFY(archive->AtEndOfData());
}

void TestBioLegacyDataImportArchive::strings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("errorFlag");

    const QByteArray x254(254, 'x');
    const QByteArray x255(255, 'y');
    QTest::newRow("empty") << QByteArray::fromHex("00") << true << QByteArray() << false;
    QTest::newRow("one-byte length") << QByteArray::fromHex("03616263") << true << QByteArray("abc") << false;
    QTest::newRow("254 bytes, one-byte length") << QByteArray::fromHex("fe") + x254 << true << x254 << false;
    QTest::newRow("255 bytes, word length") << QByteArray::fromHex("ffff00") + x255 << true << x255 << false;
    QTest::newRow("dword length") << QByteArray::fromHex("ffffff03000000") + "abc" << true << QByteArray("abc")
                                  << false;
    QTest::newRow("word FFFE refused") << QByteArray::fromHex("fffeff") + "abc" << false << QByteArray() << true;
    QTest::newRow("up to the first zero") << QByteArray::fromHex("0461006263") << true << QByteArray("a") << false;
    QTest::newRow("short data") << QByteArray::fromHex("056162") << false << QByteArray() << false;
    QTest::newRow("1000001 refused") << QByteArray::fromHex("ffffff41420f00") << false << QByteArray() << false;
    QTest::newRow("1000000 beyond the data")
        << QByteArray::fromHex("ffffff40420f00") + "abc" << false << QByteArray() << false;
}

void TestBioLegacyDataImportArchive::strings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QByteArray, value);
    QFETCH(bool, errorFlag);
    CLegacyTestArchive archive(bytes);
    QByteArray text;
    QCOMPARE(archive->ReadString(text), ok);
    if (ok)
        QCOMPARE(text, value);
    QCOMPARE(archive->HasError(), errorFlag);

    // The writer picks the same prefixes.
    if (ok && !value.contains('\0') && bytes.size() == value.size() + (value.size() < 255 ? 1 : 3))
        QCOMPARE(Writer().String(value).Bytes(), bytes);
}

// A length the data cannot hold fails before any buffer is sized for it.
void TestBioLegacyDataImportArchive::hugeStringLengthFailsWithoutAllocating()
{
    CLegacyTestArchive archive(QByteArray::fromHex("ffffff40420f00"));
    QByteArray text("untouched");
    QVERIFY(!archive->ReadString(text));
    QCOMPARE(text, QByteArray("untouched"));
}

void TestBioLegacyDataImportArchive::optionalValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("present");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("year");

    QTest::newRow("dword absent") << QByteArray::fromHex("0000") << true << false << 0u << -1;
    QTest::newRow("dword present") << QByteArray::fromHex("000178563412") << true << true << 0x12345678u << -1;
    QTest::newRow("dword lead not zero") << QByteArray::fromHex("0100") << false << false << 0u << -1;
    QTest::newRow("dword presence 2") << QByteArray::fromHex("0002") << false << false << 0u << -1;
    QTest::newRow("date absent") << QByteArray::fromHex("0000") << true << false << 0u << 0;
    QTest::newRow("date 15 March 2000") << QByteArray::fromHex("0001d007030f") << true << true << 0u << 2000;
    QTest::newRow("date year 0 empties it") << QByteArray::fromHex("00010000030f") << true << false << 0u << 0;
    QTest::newRow("date presence 2") << QByteArray::fromHex("0002") << false << false << 0u << 0;
    QTest::newRow("date cut") << QByteArray::fromHex("0001d007") << false << false << 0u << 0;
}

void TestBioLegacyDataImportArchive::optionalValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(bool, present);
    QFETCH(quint32, value);
    QFETCH(int, year);
    CLegacyTestArchive archive(bytes);
    if (year < 0) {
        quint32 read = 0;
        bool readPresent = false;
        QCOMPARE(archive->ReadOptionalDWord(read, readPresent), ok);
        if (ok) {
            QCOMPARE(readPresent, present);
            QCOMPARE(read, value);
        }
        return;
    }
    CBioLegacyDate date;
    QCOMPARE(archive->ReadOptionalDate(date), ok);
    if (!ok)
        return;
    QCOMPARE(date.year, year);
    QCOMPARE(date.IsEmpty(), !present);
    if (present) {
        QCOMPARE(date.month, 3);
        QCOMPARE(date.day, 15);
        QCOMPARE(Writer().OptionalDate(2000, 3, 15).Bytes(), bytes);
    } else {
        QCOMPARE(date.month, 0);
        QCOMPARE(date.day, 0);
    }
}

void TestBioLegacyDataImportArchive::timeOfDay_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("minutes");
    QTest::newRow("0 is no time") << 0u << true << -1;
    QTest::newRow("1 is midnight") << 1u << true << 0;
    QTest::newRow("1440 is 23:59") << 1440u << true << 1439;
    QTest::newRow("1441 refused") << 1441u << false << 0;
}

void TestBioLegacyDataImportArchive::timeOfDay()
{
    QFETCH(quint32, stored);
    QFETCH(bool, ok);
    QFETCH(int, minutes);
    CLegacyTestArchive archive(Writer().U16(stored).Bytes());
    CBioLegacyTimeOfDay time;
    QCOMPARE(archive->ReadTimeOfDay(time), ok);
    if (ok) {
        QCOMPARE(time.Minutes(), minutes);
        QCOMPARE(time.IsNull(), minutes < 0);
    }

    QString message;
    QVERIFY(!CBioLegacyTimeOfDay().Set(24, 0, &message));
    QCOMPARE(message, QStringLiteral("Invalid hour"));
    QVERIFY(!CBioLegacyTimeOfDay().Set(23, 60, &message));
    QCOMPARE(message, QStringLiteral("Invalid minute"));
}

void TestBioLegacyDataImportArchive::stringLists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<bool>("ok");

    QTest::newRow("vector") << Writer().U16(2).String("a").String("bc").Bytes() << "vector" << false << true;
    QTest::newRow("vector with dword count") << Writer().U16(0xFFFF).U32(1).String("a").Bytes() << "vector"
                                             << false << true;
    QTest::newRow("vector count beyond the data") << Writer().U16(0xFFFF).U32(0x7FFFFFFF).String("a").Bytes()
                                                  << "vector" << false << false;
    QTest::newRow("pairs") << Writer().StringPairList({{"k", "v"}}).Bytes() << "pairs" << false << true;
    QTest::newRow("pairs above 1000000") << Writer().U16(0xFFFF).U32(1000001).Bytes() << "pairs" << false << false;
    QTest::newRow("named lists, plain") << Writer().StringPairList({{"k", "v"}}).Bytes() << "named" << false << true;
    QTest::newRow("named lists, extended")
        << Writer().StringPairList({}).U16(1).U16(1).String("s").U32(5).StringPairList({{"a", "b"}}).Bytes()
        << "named" << true << true;
    QTest::newRow("named lists, extended without second list")
        << Writer().StringPairList({}).U16(0).U16(0).Bytes() << "named" << true << true;
    QTest::newRow("named lists, extended, cut") << Writer().StringPairList({}).U16(1).U16(0).Bytes() << "named"
                                                << true << false;
}

void TestBioLegacyDataImportArchive::stringLists()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, list);
    QFETCH(bool, extended);
    QFETCH(bool, ok);
    CLegacyTestArchive archive(bytes);
    archive->SetExtendedLists(extended);
    if (list == QLatin1String("vector")) {
        QList<QByteArray> strings;
        QCOMPARE(archive->ReadStringVector(strings), ok);
        if (ok)
            QCOMPARE(strings.constFirst(), QByteArray("a"));
    } else if (list == QLatin1String("pairs")) {
        QList<CBioLegacyStringPair> pairs;
        QCOMPARE(archive->ReadStringPairList(pairs), ok);
        if (ok)
            QCOMPARE(pairs, QList<CBioLegacyStringPair>({{"k", "v"}}));
    } else {
        QCOMPARE(archive->ReadNamedLists(), ok);
    }
    if (ok)
        QVERIFY(archive.AtEnd());
}

void TestBioLegacyDataImportArchive::itemVectorReadsItsChunks()
{
    // Ten 2-byte items, four to an 8-byte chunk: 2 full chunks, 2 items in a third.
    QByteArray data;
    for (int i = 0; i < 10; ++i)
        data.append(char(i)).append(char(0x10));
    for (const bool compact : {false, true}) {
        CLegacyTestArchive archive(Writer().ItemVector(2, 10, data, 8, compact).Bytes());
        CBioLegacyDataImport_SignedWordVector vector;
        QVERIFY(vector.Read(*archive));
        QCOMPARE(vector.Count(), 10u);
        QCOMPARE(vector.ItemsPerChunk(), 4u);
        QCOMPARE(vector.FullChunks(), 2u);
        QCOMPARE(vector.ItemsInLastChunk(), 2u);
        QCOMPARE(vector.Chunks(), 3u);
        for (quint32 k = 0; k < 10; ++k)
            QCOMPARE(vector.Word(k), quint16(0x1000 + k));
        QCOMPARE(vector.Item(10), nullptr);
        QVERIFY(archive.AtEnd());
    }

    // Golden bytes of an empty vector: every number 0, and so the trailer.
    CLegacyTestArchive empty(QByteArray::fromHex("01fd0000") + QByteArray(32, '\0'));
    CBioLegacyDataImport_ItemVector vector;
    QVERIFY(vector.Read(*empty));
    QCOMPARE(vector.Count(), 0u);
}

void TestBioLegacyDataImportArchive::inconsistentItemVectorStaysEmpty_data()
{
    QTest::addColumn<QList<quint32>>("numbers");
    QTest::addColumn<int>("dataBytes");
    // items per chunk, item size, count, chunk size, full chunks, last-chunk items, chunks
    QTest::newRow("good") << QList<quint32> {4, 2, 10, 8, 2, 2, 3} << 20;
    QTest::newRow("full chunks wrong") << QList<quint32> {4, 2, 10, 8, 3, 2, 3} << 20;
    QTest::newRow("last-chunk items wrong") << QList<quint32> {4, 2, 10, 8, 2, 3, 3} << 22;
    QTest::newRow("chunks wrong") << QList<quint32> {4, 2, 10, 8, 2, 2, 2} << 20;
    QTest::newRow("items per chunk wrong") << QList<quint32> {5, 2, 10, 8, 2, 2, 3} << 20;
    QTest::newRow("item size 0") << QList<quint32> {4, 0, 10, 8, 2, 2, 3} << 20;
    QTest::newRow("empty but chunks") << QList<quint32> {4, 2, 0, 8, 0, 0, 1} << 0;
    QTest::newRow("data short") << QList<quint32> {4, 2, 10, 8, 2, 2, 3} << 19;
    QTest::newRow("count beyond the data") << QList<quint32> {1024, 4, 0x40000000, 4096, 0x100000, 0, 0x100000}
                                           << 16;
}

void TestBioLegacyDataImportArchive::inconsistentItemVectorStaysEmpty()
{
    QFETCH(QList<quint32>, numbers);
    QFETCH(int, dataBytes);
    CLegacyTestArchive archive(Writer().ItemVectorNumbers(numbers, QByteArray(dataBytes, '\x5A')).Bytes());
    CBioLegacyDataImport_ItemVector vector;
    const bool good = QByteArray(QTest::currentDataTag()) == "good";
    QCOMPARE(vector.Read(*archive), good);
    QCOMPARE(vector.Count(), good ? 10u : 0u);
}

void TestBioLegacyDataImportArchive::typedVectorsCheckTheirItemSize()
{
    const QByteArray fourByteItems = Writer().DWordVector({7, -2}).Bytes();
    CBioLegacyDataImport_SignedWordVector words;
    QVERIFY(!words.Read(*CLegacyTestArchive(fourByteItems)));
    QCOMPARE(words.Count(), 0u);
    CBioLegacyDataImport_SignedDWordVector dwords;
    QVERIFY(dwords.Read(*CLegacyTestArchive(fourByteItems)));
    QCOMPARE(dwords.DWord(1), -2);
    CBioLegacyDataImport_SignedItemVector any;
    QVERIFY(any.Read(*CLegacyTestArchive(fourByteItems)));
    QCOMPARE(any.ItemSize(), 4u);

    CLegacyTestArchive tagged(Writer().Tag16(0xFD09, 0).DWordVector({1}).Bytes());
    QVERIFY(tagged->ReadTaggedDWordVector());
    CLegacyTestArchive wrongTag(Writer().Tag16(0xFD08, 0).DWordVector({1}).Bytes());
    QVERIFY(!wrongTag->ReadTaggedDWordVector());
}

void TestBioLegacyDataImportArchive::tokenLookup_data()
{
    QTest::addColumn<quint32>("heapChunkSize");
    QTest::newRow("one heap chunk") << 4096u;
    QTest::newRow("tokens spread over chunks") << 8u;
}

void TestBioLegacyDataImportArchive::tokenLookup()
{
    QFETCH(quint32, heapChunkSize);
    const QList<QByteArray> tokens = {"Rex", "", "Smith & Jones", "a"};
    CLegacyTestArchive archive(Writer().TokenStore(tokens, heapChunkSize < 16 ? 16 : heapChunkSize).Bytes());
    CBioLegacyDataImport_TokenStore store;
    QVERIFY(store.Read(*archive));
    QCOMPARE(store.TokenCount(), 4u);
    for (quint32 i = 0; i < 4; ++i) {
        QByteArray text("?");
        QVERIFY(store.Lookup(i, text));
        QCOMPARE(text, tokens.at(i));
    }
    QByteArray text;
    QVERIFY(!store.Lookup(4, text));
    QVERIFY(!store.Lookup(0xFFFFFFFFu, text));
}

// Offsets and lengths come from the file: a lookup never reads past the heap chunk.
void TestBioLegacyDataImportArchive::damagedTokenHeapFailsLookup()
{
    const QByteArray heap = QByteArray::fromHex("03526578") + QByteArray::fromHex("09414243");
    Writer writer;
    writer.Tag16(0xFD02, 0).U16(3).WordVector({0, 1, 5}).WordVector({0, 0, 0}).ItemVector(4, 2, heap);
    CLegacyTestArchive archive(writer.Bytes());
    CBioLegacyDataImport_TokenStore store;
    QVERIFY(store.Read(*archive));
    QByteArray text;
    QVERIFY(store.Lookup(0, text));
    QCOMPARE(text, QByteArray("Rex"));
    QVERIFY(!store.Lookup(1, text));   // length 9 runs past the heap
    QVERIFY(!store.Lookup(2, text));   // offset 5 is past the heap's two items

    CLegacyTestArchive mismatched(Writer().Tag16(0xFD02, 0).U16(1).WordVector({0}).WordVector({}).ItemVector(4, 0, {})
                                      .Bytes());
    QVERIFY(!store.Read(*mismatched));
    CLegacyTestArchive badVersion(Writer().Tag16(0xFD02, 2).Bytes());
    QVERIFY(!store.Read(*badVersion));
}

void TestBioLegacyDataImportArchive::boolArray()
{
    const QList<bool> values = {true, false, true, true, false, false, false, false, true, true};
    CLegacyTestArchive archive(Writer().BOOLArray(values).Bytes());
    CBioLegacyDataImport_BOOLArray array;
    QVERIFY(array.Read(*archive));
    QCOMPARE(array.Count(), 10u);
    QCOMPARE(array.TrueCount(), 5u);
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(array.Value(quint32(i)), values.at(i));
    array.Resize(3);
    QCOMPARE(array.TrueCount(), 2u);
    array.Resize(12);
    QCOMPARE(array.TrueCount(), 2u);
    QCOMPARE(array.Value(8), false);

    // Bits past the count in the stored last byte are ignored.
    CLegacyTestArchive padded(QByteArray::fromHex("0103000000ff03000000"));
    QVERIFY(array.Read(*padded));
    QCOMPARE(array.TrueCount(), 3u);
}

void TestBioLegacyDataImportArchive::hugeBoolCountFailsFast()
{
    CLegacyTestArchive archive(QByteArray::fromHex("0100000080") + QByteArray(64, '\xFF'));
    CBioLegacyDataImport_BOOLArray array;
    QVERIFY(!array.Read(*archive));
    QCOMPARE(array.Count(), 0u);
}

void TestBioLegacyDataImportArchive::bitSet()
{
    Writer writer;
    writer.U8(1).BeginBlock().U32(40).U32(128).U32(0x80000001u).U32(0xFFFFFFFFu).EndBlock();
    CLegacyTestArchive archive(writer.Bytes());
    CBioLegacyDataImport_BitSet set;
    QVERIFY(set.Read(*archive));
    QCOMPARE(set.BitCount(), 40u);
    QCOMPARE(set.LastWordMask(), 0xFFu);
    QCOMPARE(set.Words(), QList<quint32>({0x80000001u, 0xFFu}));
    QVERIFY(set.Test(31) && set.Test(39) && !set.Test(40));

    CLegacyTestArchive huge(Writer().U8(1).BeginBlock().U32(0xFFFFFFFFu).U32(0).EndBlock().Bytes());
    QVERIFY(!set.Read(*huge));
    QCOMPARE(set.BitCount(), 0u);
}

void TestBioLegacyDataImportArchive::blocksOfBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("dataBlock");
    QTest::addColumn<bool>("ok");
    QTest::newRow("byte block") << Writer().U8(1).U32(3).Raw("abc").Bytes() << false << true;
    QTest::newRow("byte block without its 1") << Writer().U8(2).U32(3).Raw("abc").Bytes() << false << false;
    QTest::newRow("byte block length beyond the data") << Writer().U8(1).U32(0xFFFFFFF0u).Raw("abc").Bytes()
                                                       << false << false;
    QTest::newRow("data block") << Writer().DataBlock("abc").Bytes() << true << true;
    QTest::newRow("data block, wrong tag") << Writer().Tag16(0xFD05, 0).Bytes() << true << false;
    QTest::newRow("data block, wrong checksum")
        << Writer().Tag16(0xFD04, 0).BeginBlock().U32(3).Raw("abc").EndBlockWithWrongTrailer().Bytes() << true
        << false;
    QTest::newRow("data block length beyond the data")
        << Writer().Tag16(0xFD04, 0).BeginBlock().U32(0x7FFFFFFF).Raw("abc").EndBlock().Bytes() << true << false;
}

void TestBioLegacyDataImportArchive::blocksOfBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, dataBlock);
    QFETCH(bool, ok);
    CLegacyTestArchive archive(bytes);
    QByteArray buffer;
    QCOMPARE(dataBlock ? archive->ReadDataBlock(buffer) : archive->ReadByteBlock(buffer), ok);
    if (ok) {
        QCOMPARE(buffer, QByteArray("abc"));
        QVERIFY(archive.AtEnd());
    }
}

// A stream holding every kind of value: any cut of it fails somewhere, and never crashes.
void TestBioLegacyDataImportArchive::everyCutOfAGoodStreamFails()
{
    Writer writer;
    writer.BeginBlock().String("Rex").OptionalDWord(true, 9).OptionalDate(2001, 2, 3).U16(61).EndBlock();
    writer.TokenStore({"Smith", "Jones"}).BOOLArray({true, false, true}).DataBlock("data");
    writer.U8(1).BeginBlock().U32(33).U32(0).U32(1).U32(1).EndBlock();
    const QByteArray good = writer.Bytes();

    auto readAll = [](const QByteArray &bytes) {
        CLegacyTestArchive archive(bytes, 5);
        QByteArray text;
        quint32 value = 0;
        bool present = false;
        CBioLegacyDate date;
        CBioLegacyTimeOfDay time;
        CBioLegacyDataImport_TokenStore store;
        CBioLegacyDataImport_BOOLArray bools;
        CBioLegacyDataImport_BitSet bits;
        return archive->BeginBlock() && archive->ReadString(text) && archive->ReadOptionalDWord(value, present)
            && archive->ReadOptionalDate(date) && archive->ReadTimeOfDay(time) && archive->EndBlock()
            && store.Read(*archive) && bools.Read(*archive) && archive->ReadDataBlock(text) && bits.Read(*archive);
    };
    QVERIFY(readAll(good));
    for (int length = 0; length < good.size(); ++length)
        QVERIFY2(!readAll(good.left(length)), qPrintable(QString::number(length)));
}

QTEST_GUILESS_MAIN(TestBioLegacyDataImportArchive)
#include "tst_biolegacydataimport_archive.moc"
