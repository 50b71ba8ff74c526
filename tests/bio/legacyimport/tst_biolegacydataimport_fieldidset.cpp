#include "biolegacyconfigflags.h"
#include "biolegacydataimport_fieldidset.h"
#include "biolegacydataimport_fieldval.h"
#include "legacyarchivetesting.h"
#include "legacyfilewriter.h"

#include <QTest>

class TestBioLegacyDataImportFieldIdSet : public QObject
{
    Q_OBJECT
private slots:
    void buildsFromZeroEndedLists();
    void indexAgreesWithLinearSearch();
    void readAdjustsIdsWithoutShows_data();
    void readAdjustsIdsWithoutShows();
    void valuesCloneAndCopy();
};

void TestBioLegacyDataImportFieldIdSet::buildsFromZeroEndedLists()
{
    CBioLegacyDataImport_FieldIdSet set {5, 7, 0, 9};
    QCOMPARE(set.Ids(), QList<int>({5, 7}));
    QVERIFY((CBioLegacyDataImport_FieldIdSet {0, 4}).IsEmpty());
    set.Add({480, 1, 0});
    set.Append(CBioLegacyDataImport_FieldIdSet {3});
    QCOMPARE(set.Ids(), QList<int>({5, 7, 480, 1, 3}));
    set.Set({2});
    QCOMPARE(set.Ids(), QList<int>({2}));
    set.Clear();
    QVERIFY(set.IsEmpty() && !set.IsIndexed());
}

void TestBioLegacyDataImportFieldIdSet::indexAgreesWithLinearSearch()
{
    CBioLegacyDataImport_FieldIdSet set {97, 2, 3, 97, 480};
    CBioLegacyDataImport_FieldIdSet indexed = set;
    indexed.BuildIndex();
    for (const int id : {97, 2, 3, 480, 1, 0, -1, 481, 100000}) {
        QCOMPARE(indexed.IndexOf(id), set.IndexOf(id));
        QCOMPARE(indexed.Contains(id), set.Contains(id));
    }
    QCOMPARE(indexed.IndexOf(97), 0);
    indexed.Add(11);
    QCOMPARE(indexed.IndexOf(11), 5);
}

void TestBioLegacyDataImportFieldIdSet::readAdjustsIdsWithoutShows_data()
{
    QTest::addColumn<bool>("shows");
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QList<int>>("ids");

    QTest::newRow("with a show register") << true << QList<int> {10, 154, 200} << true << QList<int> {10, 154, 200};
    QTest::newRow("without a show register") << false << QList<int> {10, 154, 200} << true
                                             << QList<int> {10, 157, 203};
    QTest::newRow("153 stays") << false << QList<int> {153} << true << QList<int> {153};
    QTest::newRow("477 becomes 480") << false << QList<int> {477} << true << QList<int> {480};
    QTest::newRow("478 becomes 481 and fails") << false << QList<int> {10, 478} << false << QList<int>();
    QTest::newRow("481 fails") << true << QList<int> {481} << false << QList<int>();
}

void TestBioLegacyDataImportFieldIdSet::readAdjustsIdsWithoutShows()
{
    QFETCH(bool, shows);
    QFETCH(QList<int>, stored);
    QFETCH(bool, ok);
    QFETCH(QList<int>, ids);
    BioLegacyConfigFlagsClear();
    BioLegacyConfigFlagSet("HAS_SHOWINGS", shows ? 1 : 0);
    for (const bool indexed : {false, true}) {
        CLegacyTestArchive archive(CTestLegacyWriter().FieldIdSet(stored, indexed).Bytes());
        CBioLegacyDataImport_FieldIdSet set {1, 2};
        QCOMPARE(set.Read(*archive), ok);
        QCOMPARE(set.Ids(), ids);
        QCOMPARE(set.IsIndexed(), ok && indexed);
    }
    CLegacyTestArchive badMarker(QByteArray::fromHex("020000"));
    CBioLegacyDataImport_FieldIdSet set;
    QVERIFY(!set.Read(*badMarker));
    BioLegacyConfigFlagsClear();
}

void TestBioLegacyDataImportFieldIdSet::valuesCloneAndCopy()
{
    CBioLegacyDataImport_TextFieldVal text;
    text.SetFieldId(15);
    text.text = QByteArray("Smith & Jones <UK>");
    text.SetNull(false);
    const auto clone = text.Clone();
    QCOMPARE(clone->Kind(), EBioLegacyValueKind::Text);
    QCOMPARE(clone->FieldId(), 15);
    QVERIFY(!clone->IsNull());
    QCOMPARE(static_cast<CBioLegacyDataImport_TextFieldVal &>(*clone).text, text.text);

    CBioLegacyDataImport_TimeOfDayFieldVal time;
    QVERIFY(time.IsNull());
    QCOMPARE(time.Time().Minutes(), -1);
    time.SetMinutes(-1);
    QVERIFY(time.Clone()->IsNull());
    time.SetMinutes(600);
    QVERIFY(!time.Clone()->IsNull());
    time.SetMinutes(1440);
    QVERIFY(time.IsNull());

    CBioLegacyDataImport_CurrencyFieldVal currency;
    QCOMPARE(currency.amount, 0);
    QCOMPARE(currency.set, 0u);
    CBioLegacyDataImport_IntFieldVal integer;
    integer.value = 7;
    integer.SetNull(false);
    CBioLegacyDataImport_IntFieldVal copy;
    QVERIFY(copy.CopyFrom(integer));
    QCOMPARE(copy.value, 7);
    QVERIFY(!copy.IsNull());
    QVERIFY(!copy.CopyFrom(currency));
    QVERIFY(CBioLegacyDataImport_CloneableObject().CloneObject() == nullptr);
    QVERIFY(text.CloneObject() != nullptr);
}

QTEST_GUILESS_MAIN(TestBioLegacyDataImportFieldIdSet)
#include "tst_biolegacydataimport_fieldidset.moc"
