#include "cmnregindexlistmodel.h"
#include "regtesting.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList Names(const CCmnRegIndexList &list)
{
    QStringList names;
    for (const CCmnRegIndexEntry &entry : list.Entries())
        names.append(entry.m_Key3 + QLatin1Char('#') + QString::number(entry.m_Id));
    return names;
}

// The records in the order given, ids 1, 2, ...
void Fill(CTestReg &reg, const QStringList &names, bool update = true)
{
    for (const QString &name : names)
        reg.AddRecord(QSharedPointer<CTestRecord>::create(&reg, name), update);
}

// Counts the model's notifications.
struct CModelSignals
{
    explicit CModelSignals(CCmnRegIndexListModel *model)
        : m_Inserted(model, &QAbstractItemModel::rowsInserted)
        , m_Removed(model, &QAbstractItemModel::rowsRemoved)
        , m_Reset(model, &QAbstractItemModel::modelReset) {}
    QList<int> Counts() const { return {int(m_Inserted.size()), int(m_Removed.size()), int(m_Reset.size())}; }
    QSignalSpy m_Inserted;
    QSignalSpy m_Removed;
    QSignalSpy m_Reset;
};

} // namespace

class TestCmnRegIndexList : public QObject
{
    Q_OBJECT
private slots:
    void ordersNames_data();
    void ordersNames();
    void findsByNameWithoutTrimming();
    void reachesTypedText_data();
    void reachesTypedText();
    void keepsTheRegistersKeyChoice();
    void followsRecordChanges();
    void attachesAndDetachesModels();
    void rebuildsOnceForBulkFills();
    void modelOutlivesItsRegister();
};

void TestCmnRegIndexList::ordersNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("accent folded, plain first") << QStringList{"Élan", "Elan", "Ember"}
                                                << QStringList{"Elan#2", "Élan#1", "Ember#3"};
    QTest::newRow("identical names by id") << QStringList{"Rex", "Ace", "Rex"}
                                           << QStringList{"Ace#2", "Rex#1", "Rex#3"};
    QTest::newRow("empty name first") << QStringList{"Ace", ""} << QStringList{"#2", "Ace#1"};
    QTest::newRow("letter cases side by side") << QStringList{"rex", "Rexa", "REX", "Rex"}
                                               << QStringList{"REX#3", "Rex#4", "rex#1", "Rexa#2"};
    QTest::newRow("runs of blanks side by side") << QStringList{"A B", "A  B", "AB"}
                                                 << QStringList{"A  B#2", "A B#1", "AB#3"};
}

void TestCmnRegIndexList::ordersNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, order);
    CTestReg added;
    Fill(added, names);
    QCOMPARE(Names(added.m_All), order);
    CTestReg rebuilt;
    Fill(rebuilt, names, false);
    QVERIFY(rebuilt.m_All.Entries().isEmpty());
    rebuilt.RebuildIndexLists();
    QCOMPARE(Names(rebuilt.m_All), order);
}

void TestCmnRegIndexList::findsByNameWithoutTrimming()
{
    CTestReg reg;
    Fill(reg, {"Rex", "Ace", "rex ", "REX", " Rex "});
    QCOMPARE(CmnRegIndexListFindByName(reg.m_All, QStringLiteral("rex")), (QVector<int>{4, 1}));
    QCOMPARE(CmnRegIndexListFindByName(reg.m_All, QStringLiteral(" Rex ")), QVector<int>{5});
    QCOMPARE(CmnRegIndexListFindByName(reg.m_All, QStringLiteral("Bo")), QVector<int>());
}

void TestCmnRegIndexList::reachesTypedText_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id");   // 0: nothing reached
    QTest::newRow("lower case reaches capitals") << QStringList{"Rex", "RE", "Ace"} << "re" << 2;
    QTest::newRow("exact letter case") << QStringList{"Rex", "RE"} << "RE" << 2;
    QTest::newRow("prefix") << QStringList{"Rexa", "Ace", "Rolf"} << "ro" << 3;
    QTest::newRow("plain text reaches the plain name") << QStringList{"Élan", "Elan"} << "ela" << 2;
    QTest::newRow("accented text") << QStringList{"Élan", "Ace"} << "éla" << 1;
    // The upper-case key keeps the accent, so plain text does not reach it.
    QTest::newRow("accented name alone") << QStringList{"Élan", "Ace"} << "ela" << 0;
    QTest::newRow("past the end") << QStringList{"Ace"} << "zz" << 0;
    QTest::newRow("only the entry reached is tested") << QStringList{"A B", "A Bc"} << "A  b" << 0;
    QTest::newRow("empty text") << QStringList{"Ace"} << "" << 0;
    QTest::newRow("blank text") << QStringList{"Ace", " Bo"} << " " << 2;
}

void TestCmnRegIndexList::reachesTypedText()
{
    QFETCH(QStringList, names);
    QFETCH(QString, text);
    QFETCH(int, id);
    CTestReg reg;
    Fill(reg, names);
    CCmnRegIndexListModel model;
    model.SetIndexList(&reg.m_All);
    QCOMPARE(model.RecordIdAtRow(model.RowForText(text)), id);
    model.SetIndexList(nullptr);
}

void TestCmnRegIndexList::keepsTheRegistersKeyChoice()
{
    CTestReg folding;
    CTestReg exact;
    exact.SetIndexKeyFolding(false);
    for (CTestReg *reg : {&folding, &exact})
        Fill(*reg, {"Élan", "Elan"});
    QCOMPARE(CmnRegIndexListFindByName(folding.m_All, QStringLiteral("Elan")), (QVector<int>{2, 1}));
    QCOMPARE(CmnRegIndexListFindByName(exact.m_All, QStringLiteral("Elan")), QVector<int>{2});
    QCOMPARE(exact.m_All.FindPrefixRow(QStringLiteral("éla")), 1);
    // Switching the choice files the records afresh.
    exact.SetIndexKeyFolding(true);
    QCOMPARE(CmnRegIndexListFindByName(exact.m_All, QStringLiteral("Elan")), (QVector<int>{2, 1}));
}

void TestCmnRegIndexList::followsRecordChanges()
{
    CTestReg reg;
    CCmnRegIndexListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetIndexList(&reg.m_All);
    CModelSignals signals_(&model);
    Fill(reg, {"Rex", "Ace", "Bo"});
    QCOMPARE(model.data(model.index(0), Qt::DisplayRole), QVariant(QStringLiteral("Ace")));

    auto renamed = reg.Record(1)->Clone();
    renamed->m_Name = QStringLiteral("Abe");
    reg.ReplaceRecord(1, renamed, true);
    QCOMPARE(Names(reg.m_All), (QStringList{"Abe#1", "Ace#2", "Bo#3"}));
    auto regrouped = reg.Record(3)->Clone();
    regrouped->m_Group = 1;
    reg.ReplaceRecord(3, regrouped, true);
    QCOMPARE(Names(reg.m_Groups[0]), (QStringList{"Abe#1", "Ace#2"}));
    QCOMPARE(Names(reg.m_Groups[1]), QStringList{"Bo#3"});
    auto otherValue = reg.Record(2)->Clone();
    otherValue->SetValue(4, 0, QStringLiteral("Bay"));
    reg.ReplaceRecord(2, otherValue, true);
    QCOMPARE(signals_.Counts(), (QList<int>{5, 2, 0}));

    QVERIFY(reg.DeleteRecord(2, true));
    QCOMPARE(Names(reg.m_All), (QStringList{"Abe#1", "Bo#3"}));
    QCOMPARE(model.RowOfRecord(&reg, 3), 1);
    QCOMPARE(model.RowOfRecord(&reg, 2), -1);
    QCOMPARE(signals_.Counts(), (QList<int>{5, 3, 0}));
    model.SetIndexList(nullptr);
}

void TestCmnRegIndexList::attachesAndDetachesModels()
{
    CTestReg reg;
    Fill(reg, {"Rex", "Ace", "Bo"});
    CCmnRegIndexListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetIndexList(&reg.m_All);
    CModelSignals signals_(&model);
    model.SetIndexList(&reg.m_All);
    QCOMPARE(signals_.Counts(), (QList<int>{0, 0, 0}));
    auto regrouped = reg.Record(1)->Clone();
    regrouped->m_Group = 1;
    reg.ReplaceRecord(1, regrouped, true);
    model.SetIndexList(&reg.m_Groups[0]);
    QCOMPARE(signals_.Counts(), (QList<int>{2, 2, 1}));   // the move, then the swap
    QCOMPARE(signals_.m_Removed.last().at(2).toInt(), 2);
    QCOMPARE(signals_.m_Inserted.last().at(2).toInt(), 1);
    QCOMPARE(model.rowCount(), 2);
    model.SetIndexList(nullptr);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.RecordIdAtRow(0), 0);
    QCOMPARE(model.RowForText(QStringLiteral("a")), -1);
}

void TestCmnRegIndexList::rebuildsOnceForBulkFills()
{
    CTestReg reg;
    CCmnRegIndexListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetIndexList(&reg.m_All);
    CModelSignals signals_(&model);
    Fill(reg, {"Rex", "Ace", "Bo"}, false);
    reg.RebuildIndexLists();
    QCOMPARE(signals_.Counts(), (QList<int>{0, 0, 1}));
    QCOMPARE(model.rowCount(), 3);
    reg.ClearIndexLists();
    QCOMPARE(signals_.Counts(), (QList<int>{0, 0, 2}));
    QCOMPARE(model.rowCount(), 0);
    model.SetIndexList(nullptr);
}

void TestCmnRegIndexList::modelOutlivesItsRegister()
{
    CCmnRegIndexListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    {
        CTestReg reg;
        Fill(reg, {"Rex", "Ace"});
        model.SetIndexList(&reg.m_All);
        QCOMPARE(model.rowCount(), 2);
    }
    QCOMPARE(model.GetIndexList(), nullptr);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.RowOfRecord(nullptr, 1), -1);
}

QTEST_GUILESS_MAIN(TestCmnRegIndexList)
#include "tst_cmnregindexlist.moc"
