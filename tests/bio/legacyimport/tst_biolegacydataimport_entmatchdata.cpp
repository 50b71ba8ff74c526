#include "biolegacydataimport_entmatchdata.h"
#include "legacyarchivetesting.h"
#include "legacyfilewriter.h"

#include <QTest>

using Writer = CTestLegacyWriter;

namespace {

// One compare criterion of a kind, after the factory's marker.
QByteArray CompareCriterion(quint8 kind, const QByteArray &body)
{
    return Writer().U8(0x90).U8(0).U8(kind).U8(0x83).U8(0).U16(1).U8(2).Raw(body).Bytes();
}

QByteArray MatchCriterion(quint8 kind, const QByteArray &body, quint8 headerTag = 0x88)
{
    return Writer().U8(0x8F).U8(0).U8(kind).U8(headerTag).U8(1).U16(1).U8(2).Raw(body).Bytes();
}

QByteArray NestedRefs(bool match, int refs)
{
    QByteArray bytes = match ? MatchCriterion(BioLegacyCriterionInt, Writer().U8(0xA3).U8(0).U8(1).U32(9).Bytes())
                             : CompareCriterion(BioLegacyCriterionInt, Writer().U8(0xA2).U8(0).Bytes());
    for (int i = 0; i < refs; ++i) {
        bytes = match ? MatchCriterion(BioLegacyCriterionRef, QByteArray::fromHex("8a00") + bytes)
                      : CompareCriterion(BioLegacyCriterionRef, QByteArray::fromHex("8500") + bytes);
    }
    return bytes;
}

} // namespace

class TestBioLegacyDataImportEntMatchData : public QObject
{
    Q_OBJECT
private slots:
    void compareCriteria_data();
    void compareCriteria();
    void matchCriteria_data();
    void matchCriteria();
    void nullCriterionOnlyWhereAllowed();
    void refNestingIsCapped_data();
    void refNestingIsCapped();
    void arrays();
};

void TestBioLegacyDataImportEntMatchData::compareCriteria_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::newRow("BOOL") << CompareCriterion(2, QByteArray::fromHex("8600")) << true;
    QTest::newRow("Currency") << CompareCriterion(4, QByteArray::fromHex("9300")) << true;
    QTest::newRow("Date") << CompareCriterion(5, QByteArray::fromHex("9100")) << true;
    QTest::newRow("DynRef") << CompareCriterion(7, QByteArray::fromHex("9a00")) << true;
    QTest::newRow("Int") << CompareCriterion(8, QByteArray::fromHex("a200")) << true;
    QTest::newRow("TimeOfDay") << CompareCriterion(6, QByteArray::fromHex("9d00")) << true;
    QTest::newRow("Text") << CompareCriterion(1, QByteArray::fromHex("840001020304")) << true;
    QTest::newRow("Ref") << NestedRefs(false, 1) << true;
    QTest::newRow("wrong tag for its kind") << CompareCriterion(2, QByteArray::fromHex("9300")) << false;
    QTest::newRow("version not 0") << CompareCriterion(2, QByteArray::fromHex("8601")) << false;
    QTest::newRow("kind 9") << CompareCriterion(9, QByteArray::fromHex("8600")) << false;
    QTest::newRow("cut") << CompareCriterion(1, QByteArray::fromHex("840001")) << false;
    QTest::newRow("wrong header")
        << Writer().U8(0x90).U8(0).U8(2).U8(0x88).U8(0).U16(1).U8(2).U8(0x86).U8(0).Bytes() << false;
}

void TestBioLegacyDataImportEntMatchData::compareCriteria()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    CLegacyTestArchive archive(bytes);
    std::unique_ptr<CBioLegacyDataImport_FieldCompareData> criterion;
    QCOMPARE(ReadFieldCompareData(*archive, criterion, false), ok);
    QCOMPARE(criterion != nullptr, ok);
    if (ok)
        QVERIFY(archive.AtEnd());
}

void TestBioLegacyDataImportEntMatchData::matchCriteria_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::newRow("BOOL") << MatchCriterion(2, QByteArray::fromHex("8b0001")) << true;
    QTest::newRow("Currency v0") << MatchCriterion(4, QByteArray::fromHex("94000101020304")) << true;
    QTest::newRow("Currency v1") << MatchCriterion(4, QByteArray::fromHex("9401010001" "01020304")) << true;
    QTest::newRow("Currency v1 absent") << MatchCriterion(4, QByteArray::fromHex("940101" "0000")) << true;
    QTest::newRow("Currency v2") << MatchCriterion(4, QByteArray::fromHex("94020101020304")) << false;
    QTest::newRow("Currency, header tag not 0x88")
        << MatchCriterion(4, QByteArray::fromHex("94000101020304"), 0x87) << false;
    QTest::newRow("Date v0") << MatchCriterion(5, QByteArray::fromHex("920001d0070f03")) << true;
    QTest::newRow("Date v1") << MatchCriterion(5, QByteArray::fromHex("92010100" "01d007030f")) << true;
    QTest::newRow("DynRef") << MatchCriterion(7, QByteArray::fromHex("9b0001020304")) << true;
    QTest::newRow("Int") << MatchCriterion(8, QByteArray::fromHex("a3000101020304")) << true;
    QTest::newRow("Text") << MatchCriterion(1, QByteArray::fromHex("89010102030403526578")) << true;
    QTest::newRow("Text v2") << MatchCriterion(1, QByteArray::fromHex("89020102030403526578")) << false;
    QTest::newRow("TimeOfDay") << MatchCriterion(6, QByteArray::fromHex("9e00013d00")) << true;
    QTest::newRow("TimeOfDay 1441") << MatchCriterion(6, QByteArray::fromHex("9e0001a105")) << false;
    QTest::newRow("Ref") << NestedRefs(true, 1) << true;
    QTest::newRow("BOOL version 1") << MatchCriterion(2, QByteArray::fromHex("8b0101")) << false;
}

void TestBioLegacyDataImportEntMatchData::matchCriteria()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    CLegacyTestArchive archive(bytes);
    std::unique_ptr<CBioLegacyDataImport_FieldMatchData> criterion;
    QCOMPARE(ReadFieldMatchData(*archive, criterion, false), ok);
    if (ok)
        QVERIFY(archive.AtEnd());
}

void TestBioLegacyDataImportEntMatchData::nullCriterionOnlyWhereAllowed()
{
    const QByteArray none = QByteArray::fromHex("8f0000") + QByteArray::fromHex("ff");
    std::unique_ptr<CBioLegacyDataImport_FieldMatchData> criterion;
    CLegacyTestArchive allowed(none);
    QVERIFY(ReadFieldMatchData(*allowed, criterion, true));
    QVERIFY(!criterion);
    QCOMPARE(allowed->BytesRemaining(), qint64(1));
    CLegacyTestArchive refused(none);
    QVERIFY(!ReadFieldMatchData(*refused, criterion, false));

    std::unique_ptr<CBioLegacyDataImport_FieldCompareData> compare;
    CLegacyTestArchive compareNone(QByteArray::fromHex("900000"));
    QVERIFY(ReadFieldCompareData(*compareNone, compare, true));
}

void TestBioLegacyDataImportEntMatchData::refNestingIsCapped_data()
{
    QTest::addColumn<bool>("match");
    QTest::addColumn<int>("refs");
    QTest::addColumn<bool>("ok");
    QTest::newRow("compare, 16 nested") << false << 16 << true;
    QTest::newRow("compare, 17 nested") << false << 17 << false;
    QTest::newRow("match, 16 nested") << true << 16 << true;
    QTest::newRow("match, 17 nested") << true << 17 << false;
    QTest::newRow("match, 5000 nested") << true << 5000 << false;
}

void TestBioLegacyDataImportEntMatchData::refNestingIsCapped()
{
    QFETCH(bool, match);
    QFETCH(int, refs);
    QFETCH(bool, ok);
    CLegacyTestArchive archive(NestedRefs(match, refs));
    if (match) {
        std::unique_ptr<CBioLegacyDataImport_FieldMatchData> criterion;
        QCOMPARE(ReadFieldMatchData(*archive, criterion, false), ok);
    } else {
        std::unique_ptr<CBioLegacyDataImport_FieldCompareData> criterion;
        QCOMPARE(ReadFieldCompareData(*archive, criterion, false), ok);
    }
}

void TestBioLegacyDataImportEntMatchData::arrays()
{
    CLegacyTestArchive emptyCompare(QByteArray::fromHex("11fd0000870000" "00"));
    CBioLegacyDataImport_EntCompareData compare;
    QVERIFY(compare.Read(*emptyCompare));
    QCOMPARE(compare.Count(), 0);

    Writer match;
    match.Tag16(0xFD12, 0).U8(0x8C).U8(0).U16(2).Raw(MatchCriterion(2, QByteArray::fromHex("8b0001")))
        .Raw(NestedRefs(true, 2)).U32(5);
    CLegacyTestArchive archive(match.Bytes());
    CBioLegacyDataImport_EntMatchData data;
    QVERIFY(data.Read(*archive));
    QCOMPARE(data.Count(), 2);
    QVERIFY(data.Flag());
    QVERIFY(archive.AtEnd());

    // A null criterion inside an array is damage.
    CLegacyTestArchive withNone(Writer().Tag16(0xFD12, 0).U8(0x8C).U8(0).U16(1).Raw(QByteArray::fromHex("8f0000"))
                                    .U32(0).Bytes());
    QVERIFY(!data.Read(*withNone));
    CLegacyTestArchive wrongArrayTag(QByteArray::fromHex("11fd0000880000"));
    QVERIFY(!compare.Read(*wrongArrayTag));
}

QTEST_GUILESS_MAIN(TestBioLegacyDataImportEntMatchData)
#include "tst_biolegacydataimport_entmatchdata.moc"
