#include "cmnregrecordtable.h"
#include "regtesting.h"

#include <QTest>

class TestCmnRegRecordTable : public QObject
{
    Q_OBJECT
private slots:
    void findsRecordsAcrossPages_data();
    void findsRecordsAcrossPages();
    void takesAndReplacesRecords();
};

void TestCmnRegRecordTable::findsRecordsAcrossPages_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("first id") << QList<int>{1};
    QTest::newRow("both sides of a page edge") << QList<int>{1024, 1025};
    QTest::newRow("last id of the second page") << QList<int>{2048};
    QTest::newRow("far apart, pages between never made") << QList<int>{3, 5000000};
    QTest::newRow("highest id") << QList<int>{INT_MAX};
}

void TestCmnRegRecordTable::findsRecordsAcrossPages()
{
    QFETCH(QList<int>, ids);
    CTestReg reg;
    CCmnRegRecordTable table;
    QList<CCmnRegRecordTable::CRecordPtr> records;
    for (int id : ids) {
        records.append(CCmnRegRecordTable::CRecordPtr(new CTestRecord(&reg, QString::number(id))));
        table.Insert(id, records.back());
    }
    QCOMPARE(table.Count(), ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const int id = ids.at(i);
        QCOMPARE(table.Get(id), records.at(i).data());
        QCOMPARE(table.Value(id), records.at(i));
        // Neighbours that were never stored hold nothing, also in the same page.
        if (!ids.contains(id - 1))
            QVERIFY(!table.Contains(id - 1));
        if (id < INT_MAX && !ids.contains(id + 1))
            QVERIFY(!table.Contains(id + 1));
    }
    QVERIFY(!table.Contains(0));
    QVERIFY(!table.Contains(-5));
}

void TestCmnRegRecordTable::takesAndReplacesRecords()
{
    CTestReg reg;
    CCmnRegRecordTable table;
    const CCmnRegRecordTable::CRecordPtr first(new CTestRecord(&reg, QStringLiteral("first")));
    const CCmnRegRecordTable::CRecordPtr second(new CTestRecord(&reg, QStringLiteral("second")));
    table.Insert(7, first);
    table.Insert(7, second);
    QCOMPARE(table.Count(), 1);
    QCOMPARE(table.Get(7), second.data());

    QCOMPARE(table.Take(7), second);
    QCOMPARE(table.Count(), 0);
    QVERIFY(table.Take(7).isNull());
    QVERIFY(table.Take(900000).isNull());
    QCOMPARE(table.Count(), 0);

    // A record handed over, then a null one stored over it, which empties the slot.
    CCmnRegRecordTable::CRecordPtr handed = first;
    table.Insert(5, std::move(handed));
    QCOMPARE(table.Count(), 1);
    QCOMPARE(table.Get(5), first.data());
    table.Insert(5, CCmnRegRecordTable::CRecordPtr());
    QCOMPARE(table.Count(), 0);
    QVERIFY(!table.Contains(5));

    table.Insert(3, first);
    table.Clear();
    QCOMPARE(table.Count(), 0);
    QVERIFY(!table.Contains(3));
}

QTEST_GUILESS_MAIN(TestCmnRegRecordTable)
#include "tst_cmnregrecordtable.moc"
