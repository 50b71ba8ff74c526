#include "biolegacyconfigflags.h"
#include "biolegacyentityfactory.h"
#include "biolegacypackedtext.h"
#include "biolegacyrecorddecoder.h"
#include "biolegacyschemas.h"
#include "biolegacyspeciesflags.h"
#include "biolegacytokenstores.h"
#include "legacyarchivetesting.h"
#include "legacyfilewriter.h"
#include "legacyrecordwriter.h"

#include <QTest>

namespace {

const uchar *Bytes(const QByteArray &bytes)
{
    return reinterpret_cast<const uchar *>(bytes.constData());
}

void BuildSchemasFor(const QByteArray &species)
{
    BioLegacySetSpeciesFlags(species);
    BuildLegacyContactSchema();
    BuildLegacyAnimalSchema();
    BuildLegacyMatingSchema();
    if (BioLegacyConfigFlagIsSet("HAS_SHOWINGS"))
        BuildLegacyShowingSchema();
}

QList<QList<int>> GroupsOf(const CBioLegacyDataImport_Ent &entity, int version)
{
    QList<QList<int>> groups;
    const CBioLegacyDataImport_EntSchema &schema = *entity.Schema();
    for (int group = 0; group < BioLegacyGroupCount; ++group) {
        const EBioLegacyGroup which = EBioLegacyGroup(group);
        groups.append(version < schema.NewestVersion() ? entity.RecordVersionFields(which, quint8(version)).Ids()
                                                       : schema.Group(which).Ids());
    }
    return groups;
}

// A dictionary with tokens for every dictionary-coded field of the schema.
CBioLegacyTokenStores Dictionary(const CBioLegacyDataImport_EntSchema &schema, const QList<QByteArray> &tokens)
{
    CBioLegacyTokenStores stores;
    stores.Init(schema.DictionaryFields());
    const QByteArray bytes = CTestLegacyWriter().TokenStore(tokens).Bytes();
    for (const int id : schema.DictionaryFields().Ids()) {
        CLegacyTestArchive archive(bytes);
        stores.StoreOf(id)->Read(*archive);
    }
    return stores;
}

} // namespace

class TestBioLegacyRecordDecoder : public QObject
{
    Q_OBJECT
private slots:
    void integers_data();
    void integers();
    void dates_data();
    void dates();
    void times_data();
    void times();
    void plainTexts_data();
    void plainTexts();
    void packedTexts_data();
    void packedTexts();
    void catVersionZeroTextList();
    void versionListsFollowTheFlags();
    void showBooleanMovedByVersion_data();
    void showBooleanMovedByVersion();
    void recordReadsBackItsValues_data();
    void recordReadsBackItsValues();
    void damagedRecords_data();
    void damagedRecords();
    void integerGroupNeedsItsFlag();
    void everyCutOfARecordFails();
};

void TestBioLegacyRecordDecoder::integers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("taken");
    QTest::addColumn<bool>("null");
    QTest::addColumn<int>("value");

    QTest::newRow("85 is -5") << QByteArray::fromHex("85") << qint64(1) << false << -5;
    QTest::newRow("1F is 31") << QByteArray::fromHex("1f") << qint64(1) << false << 31;
    QTest::newRow("20 is null") << QByteArray::fromHex("20") << qint64(1) << true << 0;
    QTest::newRow("41 02 is 65") << QByteArray::fromHex("4102") << qint64(2) << false << 65;
    QTest::newRow("C1 02 is -65") << QByteArray::fromHex("c102") << qint64(2) << false << -65;
    QTest::newRow("60 1000000000 is null") << QByteArray::fromHex("6000ca9a3b") << qint64(5) << true << 0;
    QTest::newRow("E0 1000000000 is -1000000000") << QByteArray::fromHex("e000ca9a3b") << qint64(5) << false
                                                 << -1000000000;
    QTest::newRow("60 INT_MIN") << QByteArray::fromHex("6000000080") << qint64(5) << false << INT_MIN;
    QTest::newRow("E0 INT_MIN wraps") << QByteArray::fromHex("e000000080") << qint64(5) << false << INT_MIN;
    QTest::newRow("E0 -1000000000 is null") << QByteArray::fromHex("e0003665c4") << qint64(5) << true << 0;
    QTest::newRow("41 cut") << QByteArray::fromHex("41") << qint64(0) << true << 0;
    QTest::newRow("60 cut") << QByteArray::fromHex("60000000") << qint64(0) << true << 0;
}

void TestBioLegacyRecordDecoder::integers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, taken);
    QFETCH(bool, null);
    QFETCH(int, value);
    CBioLegacyDataImport_IntFieldVal field;
    QCOMPARE(LegacyDecodeInt(field, Bytes(bytes), bytes.size()), taken);
    QCOMPARE(field.IsNull(), null);
    if (!null)
        QCOMPARE(field.value, value);
}

void TestBioLegacyRecordDecoder::dates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("taken");
    QTest::addColumn<int>("year");
    QTest::newRow("15 March 2000") << QByteArray::fromHex("d0070f03") << qint64(4) << 2000;
    QTest::newRow("null") << QByteArray::fromHex("0000ffff") << qint64(2) << 0;
    QTest::newRow("cut") << QByteArray::fromHex("d0070f") << qint64(0) << 0;
}

void TestBioLegacyRecordDecoder::dates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, taken);
    QFETCH(int, year);
    CBioLegacyDataImport_DateFieldVal field;
    QCOMPARE(LegacyDecodeDate(field, Bytes(bytes), bytes.size()), taken);
    QCOMPARE(field.IsNull(), year == 0);
    if (year) {
        QCOMPARE(field.date, (CBioLegacyDate {2000, 3, 15}));
        QCOMPARE(field.date.ToCmnDate().IsEmpty(), false);
    }
}

void TestBioLegacyRecordDecoder::times_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<qint64>("taken");
    QTest::addColumn<int>("minutes");
    QTest::newRow("0 is null") << 0u << qint64(2) << -1;
    QTest::newRow("1 is 00:00") << 1u << qint64(2) << 0;
    QTest::newRow("1440 is 23:59") << 1440u << qint64(2) << 1439;
    QTest::newRow("1441 fails") << 1441u << qint64(0) << -1;
}

void TestBioLegacyRecordDecoder::times()
{
    QFETCH(quint32, stored);
    QFETCH(qint64, taken);
    QFETCH(int, minutes);
    const QByteArray bytes = CTestLegacyWriter().U16(stored).Bytes();
    CBioLegacyDataImport_TimeOfDayFieldVal field;
    QCOMPARE(LegacyDecodeTimeOfDay(field, Bytes(bytes), 2), taken);
    QCOMPARE(field.Time().Minutes(), minutes);
    QCOMPARE(field.IsNull(), minutes < 0);
}

void TestBioLegacyRecordDecoder::plainTexts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("taken");
    QTest::addColumn<bool>("null");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("0 is null") << QByteArray::fromHex("00") << qint64(1) << true << QByteArray();
    QTest::newRow("1 is empty, not null") << QByteArray::fromHex("01") << qint64(1) << false << QByteArray();
    QTest::newRow("83 and three bytes") << QByteArray::fromHex("83526578") << qint64(4) << false << QByteArray("Rex");
    QTest::newRow("80 is empty") << QByteArray::fromHex("80") << qint64(1) << false << QByteArray();
    QTest::newRow("6-bit abc") << QByteArray::fromHex("040420c0") << qint64(4) << false << QByteArray("abc");
    QTest::newRow("6-bit cut") << QByteArray::fromHex("040420") << qint64(0) << true << QByteArray();
    QTest::newRow("FF and a length") << QByteArray::fromHex("ff03000000526578") << qint64(8) << false
                                     << QByteArray("Rex");
    QTest::newRow("FF length beyond the data") << QByteArray::fromHex("ffffffff7f5265") << qint64(0) << true
                                               << QByteArray();
    QTest::newRow("86 cut") << QByteArray::fromHex("865265") << qint64(0) << true << QByteArray();
}

void TestBioLegacyRecordDecoder::plainTexts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, taken);
    QFETCH(bool, null);
    QFETCH(QByteArray, text);
    CBioLegacyTokenStores noDictionary;
    CBioLegacyDataImport_TextFieldVal field;
    field.SetFieldId(15);
    QCOMPARE(LegacyDecodeText(field, noDictionary, Bytes(bytes), bytes.size()), taken);
    QCOMPARE(field.IsNull(), null);
    if (taken > 0)
        QCOMPARE(field.text, text);
}

void TestBioLegacyRecordDecoder::packedTexts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("taken");
    QTest::addColumn<QByteArray>("text");

    // Token i is "t" followed by its number.
    QTest::newRow("22: tokens 5, 9, three blanks") << QByteArray::fromHex("22050309") << qint64(4)
                                                  << QByteArray("t5   t9");
    QTest::newRow("02: tokens 5, 9, one blank") << QByteArray::fromHex("020509") << qint64(3)
                                               << QByteArray("t5 t9");
    QTest::newRow("42: 16-bit symbols") << QByteArray::fromHex("4205000900") << qint64(5) << QByteArray("t5 t9");
    QTest::newRow("62: 16-bit with spacing") << QByteArray::fromHex("620500020900") << qint64(6)
                                            << QByteArray("t5  t9");
    QTest::newRow("82: 12-bit pair") << QByteArray::fromHex("825000" "09") << qint64(4) << QByteArray("t5 t9");
    QTest::newRow("81: odd 12-bit symbol") << QByteArray::fromHex("810007") << qint64(3) << QByteArray("t7");
    QTest::newRow("C2: spacing") << QByteArray::fromHex("c2050009") << qint64(4) << QByteArray("t5t9");
    QTest::newRow("00: no symbols is empty") << QByteArray::fromHex("00") << qint64(1) << QByteArray();
    QTest::newRow("A0: literal") << QByteArray::fromHex("a00300526578") << qint64(6) << QByteArray("Rex");
    QTest::newRow("A0: literal 7FFF refused") << QByteArray::fromHex("a0ff7f52") << qint64(0) << QByteArray();
    QTest::newRow("A0: literal cut") << QByteArray::fromHex("a0030052") << qint64(0) << QByteArray();
    QTest::newRow("payload cut") << QByteArray::fromHex("2205") << qint64(0) << QByteArray();
    QTest::newRow("token not in the store") << QByteArray::fromHex("0163") << qint64(-1) << QByteArray();
}

void TestBioLegacyRecordDecoder::packedTexts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, taken);
    QFETCH(QByteArray, text);
    QList<QByteArray> tokens;
    for (int i = 0; i < 10; ++i)
        tokens.append("t" + QByteArray::number(i));
    CBioLegacyDataImport_TokenStore store;
    CLegacyTestArchive archive(CTestLegacyWriter().TokenStore(tokens).Bytes());
    QVERIFY(store.Read(*archive));

    CBioLegacyPackedText packed;
    const qint64 parsed = packed.Parse(Bytes(bytes), bytes.size());
    QByteArray expanded("?");
    if (taken < 0) {
        QCOMPARE(parsed, qint64(bytes.size()));
        QVERIFY(!packed.Expand(expanded, store));
        return;
    }
    QCOMPARE(parsed, taken);
    if (taken > 0) {
        QVERIFY(packed.Expand(expanded, store));
        QCOMPARE(expanded, text);
    }
}

void TestBioLegacyRecordDecoder::catVersionZeroTextList()
{
    BuildSchemasFor("cat");
    const QList<int> expected = {15, 2,  3,  4,  40, 64, 65, 69, 82, 83, 84, 66, 70, 72, 74, 5,  16, 19, 20, 41,
                                 47, 48, 49, 50, 61, 32, 63, 43, 44, 71, 73, 75, 76, 77, 67, 68, 81, 62, 21};
    CBioLegacyDataImport_AnimalEnt animal;
    QCOMPARE(animal.RecordVersionFields(BioLegacyGroupTexts, 0).Ids(), expected);
    QVERIFY(!animal.RecordVersionFields(BioLegacyGroupTexts, 11).Contains(46));
    QVERIFY(animal.RecordVersionFields(BioLegacyGroupTexts, 12).Contains(46));
    QCOMPARE(animal.RecordVersionFields(BioLegacyGroupReferences, 10).Ids(), QList<int>({27, 28, 25, 24, 26, 51, 53}));
    QVERIFY(animal.RecordVersionFields(BioLegacyGroupIntegers, 5).IsEmpty());

    // Dunmarra records of version 0 hold nothing; the base class answers nothing.
    BuildSchemasFor("dmcat");
    QVERIFY(animal.RecordVersionFields(BioLegacyGroupTexts, 0).IsEmpty());
    CBioLegacyDataImport_Ent plain(1);
    QVERIFY(plain.RecordVersionFields(BioLegacyGroupTexts, 0).IsEmpty());
}

void TestBioLegacyRecordDecoder::versionListsFollowTheFlags()
{
    BuildSchemasFor("cat");
    CBioLegacyDataImport_AnimalEnt animal;
    const QList<int> catTexts = animal.RecordVersionFields(BioLegacyGroupTexts, 3).Ids();
    BuildSchemasFor("dog");
    const QList<int> dogTexts = animal.RecordVersionFields(BioLegacyGroupTexts, 3).Ids();
    QVERIFY(catTexts != dogTexts);
    QVERIFY(dogTexts.contains(55) && !catTexts.contains(55));
    QCOMPARE(animal.RecordVersionFields(BioLegacyGroupTexts, 13).Ids(), LegacySchemaOfKind(1).Group(BioLegacyGroupTexts).Ids());
}

void TestBioLegacyRecordDecoder::showBooleanMovedByVersion_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("after");
    QTest::newRow("cat version 6: after 227") << QByteArray("cat") << 6 << 227;
    QTest::newRow("cat version 4: absent") << QByteArray("cat") << 4 << -1;
    QTest::newRow("dog version 4: after 205") << QByteArray("dog") << 4 << 205;
    QTest::newRow("dog version 3: absent") << QByteArray("dog") << 3 << -1;
    QTest::newRow("cat newest: after 205") << QByteArray("cat") << 10 << 205;
}

void TestBioLegacyRecordDecoder::showBooleanMovedByVersion()
{
    QFETCH(QByteArray, species);
    QFETCH(int, version);
    QFETCH(int, after);
    BuildSchemasFor(species);
    CBioLegacyDataImport_ShowingEnt showing;
    const CBioLegacyDataImport_FieldIdSet &booleans = version < 10
        ? showing.RecordVersionFields(BioLegacyGroupBooleans, quint8(version))
        : LegacySchemaOfKind(8).Group(BioLegacyGroupBooleans);
    const int at = booleans.IndexOf(190);
    QCOMPARE(booleans.Ids().count(190), after < 0 ? 0 : 1);
    if (after >= 0)
        QCOMPARE(booleans.At(at - 1), after);
}

void TestBioLegacyRecordDecoder::recordReadsBackItsValues_data()
{
    QTest::addColumn<QByteArray>("species");
    QTest::addColumn<int>("version");
    QTest::newRow("dog, newest") << QByteArray("dog") << 13;
    QTest::newRow("cat, version 0") << QByteArray("cat") << 0;
    QTest::newRow("cat, version 12") << QByteArray("cat") << 12;
    QTest::newRow("horse, version 6") << QByteArray("horse") << 6;
}

void TestBioLegacyRecordDecoder::recordReadsBackItsValues()
{
    QFETCH(QByteArray, species);
    QFETCH(int, version);
    BuildSchemasFor(species);
    CBioLegacyDataImport_AnimalEnt animal;
    animal.ResetValues();
    const CBioLegacyDataImport_EntSchema &schema = LegacySchemaOfKind(1);
    const CBioLegacyTokenStores dictionary = Dictionary(schema, {"Smith", "&", "Jones", "<UK>"});

    CTestLegacyRecord record;
    record.kindByte = 129;
    record.version = quint8(version);
    record.integerFlag = version > schema.ThresholdVersion() ? (version >= 6 ? 1 : 0) : -1;
    record.booleans = {{17, 2}};
    record.texts = {{16, "Rex {\\b}Junior"}, {5, QByteArray(300, 'n')}};
    record.tokens = {{15, {0, 1, 2, 3}}};
    record.dates = {{30, {2000, 3, 15}}, {31, {0, 0, 0}}};
    record.currency = {{22, -1250}};
    record.references = {{27, 1048575}, {28, 12}};
    if (version >= 6)
        record.integers = {{393, -5}, {394, 65}, {395, 1000001}};
    if (version >= 11)
        record.times = {{437, 1439}};
    const QByteArray bytes = EncodeTestLegacyRecord(record, GroupsOf(animal, version));
    QVERIFY(LegacyDecodeRecord(animal, dictionary, bytes, 0, bytes.size()));

    QVERIFY(animal.BoolValue(17));
    QCOMPARE(animal.TextValue(15), QByteArray("Smith & Jones <UK>"));
    QCOMPARE(animal.TextValue(16), QByteArray("Rex {\\b}Junior"));
    QCOMPARE(animal.TextValue(5), QByteArray(300, 'n'));
    QCOMPARE(animal.DateValue(30), (CBioLegacyDate {2000, 3, 15}));
    QVERIFY(animal.FindValue(31)->IsNull());
    qint32 amount = 0;
    QVERIFY(animal.CurrencyValue(22, amount));
    QCOMPARE(amount, -1250);
    QCOMPARE(static_cast<CBioLegacyDataImport_RefFieldVal *>(animal.FindValue(27))->value, 1048575);
    QCOMPARE(static_cast<CBioLegacyDataImport_RefFieldVal *>(animal.FindValue(28))->value, 12);
    QCOMPARE(animal.FindValue(24), nullptr);
    if (version >= 6) {
        QCOMPARE(static_cast<CBioLegacyDataImport_IntFieldVal *>(animal.FindValue(393))->value, -5);
        QCOMPARE(static_cast<CBioLegacyDataImport_IntFieldVal *>(animal.FindValue(395))->value, 1000001);
        QVERIFY(!animal.BoolValue(383));   // a default
    }
    if (version >= 11)
        QCOMPARE(static_cast<CBioLegacyDataImport_TimeOfDayFieldVal *>(animal.FindValue(437))->Time().Minutes(), 1439);
}

void TestBioLegacyRecordDecoder::damagedRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("wrong kind byte") << QByteArray::fromHex("8200");
    QTest::newRow("kind byte only") << QByteArray::fromHex("81");
    QTest::newRow("version above the newest") << QByteArray::fromHex("810e01");
    QTest::newRow("flag byte 2") << QByteArray::fromHex("810d02");
    QTest::newRow("flag byte missing") << QByteArray::fromHex("810d");
}

void TestBioLegacyRecordDecoder::damagedRecords()
{
    QFETCH(QByteArray, bytes);
    BuildSchemasFor("dog");
    CBioLegacyDataImport_AnimalEnt animal;
    animal.ResetValues();
    QVERIFY(!LegacyDecodeRecord(animal, CBioLegacyTokenStores(), bytes, 0, bytes.size()));
    QVERIFY(!LegacyDecodeRecord(animal, CBioLegacyTokenStores(), bytes, 1, bytes.size()));
}

// Integer fields exist from version 6: a record that says it has none fails there, and a
// byte left over fails the record; values decoded before stay.
void TestBioLegacyRecordDecoder::integerGroupNeedsItsFlag()
{
    BuildSchemasFor("generic");
    CBioLegacyDataImport_ContactEnt contact;
    contact.ResetValues();
    CTestLegacyRecord record;
    record.kindByte = 130;
    record.version = 9;
    record.integerFlag = 0;
    record.texts = {{96, "Smith & Jones <UK>"}};
    record.integers = {{393, 7}};
    const QByteArray noFlag = EncodeTestLegacyRecord(record, GroupsOf(contact, 9));
    QVERIFY(!LegacyDecodeRecord(contact, CBioLegacyTokenStores(), noFlag, 0, noFlag.size()));
    QCOMPARE(contact.TextValue(96), QByteArray("Smith & Jones <UK>"));
    QCOMPARE(contact.FindValue(393), nullptr);

    record.integerFlag = 1;
    const QByteArray good = EncodeTestLegacyRecord(record, GroupsOf(contact, 9));
    contact.ResetValues();
    QVERIFY(LegacyDecodeRecord(contact, CBioLegacyTokenStores(), good, 0, good.size()));
    const QByteArray leftOver = good + '\0';
    contact.ResetValues();
    QVERIFY(!LegacyDecodeRecord(contact, CBioLegacyTokenStores(), leftOver, 0, leftOver.size()));
    // Decoding from inside a larger block takes only the record's own bytes.
    const QByteArray inside = "head" + good + "tail";
    QVERIFY(LegacyDecodeRecord(contact, CBioLegacyTokenStores(), inside, 4, good.size()));
}

void TestBioLegacyRecordDecoder::everyCutOfARecordFails()
{
    BuildSchemasFor("dog");
    CBioLegacyDataImport_AnimalEnt animal;
    const CBioLegacyTokenStores dictionary = Dictionary(LegacySchemaOfKind(1), {"Rex"});
    CTestLegacyRecord record;
    record.kindByte = 129;
    record.version = 13;
    record.integerFlag = 1;
    record.booleans = {{17, 1}};
    record.texts = {{16, "Pet"}};
    record.tokens = {{15, {0}}};
    record.dates = {{30, {2001, 1, 2}}};
    record.times = {{437, 5}};
    record.currency = {{22, 5}};
    record.references = {{27, 3}};
    record.integers = {{393, 100000}};
    const QByteArray bytes = EncodeTestLegacyRecord(record, GroupsOf(animal, 13));
    animal.ResetValues();
    QVERIFY(LegacyDecodeRecord(animal, dictionary, bytes, 0, bytes.size()));
    for (int length = 0; length < bytes.size(); ++length) {
        animal.ResetValues();
        QVERIFY2(!LegacyDecodeRecord(animal, dictionary, bytes.left(length), 0, length), qPrintable(QString::number(length)));
    }
}

QTEST_GUILESS_MAIN(TestBioLegacyRecordDecoder)
#include "tst_biolegacyrecorddecoder.moc"
