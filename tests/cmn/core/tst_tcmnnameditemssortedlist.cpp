#include "nameditemstesting.h"
#include "tcmnnameditemssortedlist.h"

#include <QTest>

namespace {

using CList = TCmnNamedItemsSortedList<int>;

// A sorted list of the names in the given (already sorted) order, each valued by
// its row times ten, with the given current and tagged rows.
CList MakeList(const QStringList &names, qint32 current = -1, qint32 tagged = -1)
{
    return OrvMakeNamedList(names, current, tagged);
}

QStringList Names(const CList &list)
{
    return OrvNamedListNames(list);
}

const QStringList kTrees{"Ash", "Birch", "Cedar"};

} // namespace

class TestTCmnNamedItemsSortedList : public QObject
{
    Q_OBJECT
private slots:
    void startsEmpty();
    void insertSorted_data();
    void insertSorted();
    void insertKeepsCurrentAndTagged_data();
    void insertKeepsCurrentAndTagged();
    void lookups_data();
    void lookups();
    void anyOrderLookupsScan();
    void removeAt_data();
    void removeAt();
    void replaceName_data();
    void replaceName();
};

void TestTCmnNamedItemsSortedList::startsEmpty()
{
    const CList list;
    QCOMPARE(list.m_DefaultValue, 0);
    QCOMPARE(list.m_DefaultText, QStringLiteral("Default"));
    QCOMPARE(list.m_CurrentRow, -1);
    QCOMPARE(list.m_TaggedRow, -1);
    QVERIFY(list.m_Items.isEmpty());
    QVERIFY(!list.HasCurrentRow());
}

void TestTCmnNamedItemsSortedList::insertSorted_data()
{
    QTest::addColumn<QStringList>("inserted");
    QTest::addColumn<QList<qint32>>("rows");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("upper-case initial first")
        << QStringList{"beta", "Alpha", "alpha"} << QList<qint32>{0, 0, 1}
        << QStringList{"Alpha", "alpha", "beta"};
    QTest::newRow("same name again refused")
        << QStringList{"beta", "Alpha", "alpha", "Alpha"} << QList<qint32>{0, 0, 1, -1}
        << QStringList{"Alpha", "alpha", "beta"};
    QTest::newRow("empty name refused")
        << QStringList{"Oak", ""} << QList<qint32>{0, -1} << QStringList{"Oak"};
    // Code-unit order, not the locale's: an accented initial comes after "z".
    QTest::newRow("code-unit order")
        << QStringList{"zebra", QStringLiteral("\u00c9mile"), "Zebra", "emu"}
        << QList<qint32>{0, 1, 0, 1}
        << QStringList{"Zebra", "emu", "zebra", QStringLiteral("\u00c9mile")};
    QTest::newRow("appended at the end")
        << QStringList{"a", "b", "c"} << QList<qint32>{0, 1, 2} << QStringList{"a", "b", "c"};
    QTest::newRow("blank-led name is a name")
        << QStringList{"b", " b"} << QList<qint32>{0, 0} << QStringList{" b", "b"};
}

void TestTCmnNamedItemsSortedList::insertSorted()
{
    QFETCH(QStringList, inserted);
    QFETCH(QList<qint32>, rows);
    QFETCH(QStringList, order);
    CList list;
    QList<qint32> got;
    for (qsizetype i = 0; i < inserted.size(); ++i)
        got << list.InsertSorted(inserted.at(i), int(i));
    QCOMPARE(got, rows);
    QCOMPARE(Names(list), order);
    // Each item keeps the value it was inserted with.
    for (const CList::CItem &item : list.m_Items)
        QCOMPARE(item.first, inserted.at(item.second));
}

void TestTCmnNamedItemsSortedList::insertKeepsCurrentAndTagged_data()
{
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint32>("row");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");
    QTest::newRow("before both") << 1 << 2 << "Alder" << 0 << 2 << 3;
    QTest::newRow("at the current row") << 1 << 0 << "Beech" << 1 << 2 << 0;
    QTest::newRow("at the tagged row") << 0 << 2 << "Box" << 2 << 0 << 3;
    QTest::newRow("after both") << 0 << 2 << "Elm" << 3 << 0 << 2;
    QTest::newRow("none set") << -1 << -1 << "Alder" << 0 << -1 << -1;
    QTest::newRow("duplicate leaves rows") << 1 << 2 << "Birch" << -1 << 1 << 2;
}

void TestTCmnNamedItemsSortedList::insertKeepsCurrentAndTagged()
{
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(QString, name);
    QFETCH(qint32, row);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);
    CList list = MakeList(kTrees, current, tagged);
    const QString currentName = list.NameAt(current);
    const QString taggedName = list.NameAt(tagged);
    QCOMPARE(list.InsertSorted(name, 99), row);
    QCOMPARE(list.m_CurrentRow, newCurrent);
    QCOMPARE(list.m_TaggedRow, newTagged);
    QCOMPARE(list.NameAt(list.m_CurrentRow), currentName);
    QCOMPARE(list.NameAt(list.m_TaggedRow), taggedName);
}

void TestTCmnNamedItemsSortedList::lookups_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint32>("exactRow");
    QTest::addColumn<qint32>("anyCaseRow");
    QTest::addColumn<bool>("contained");
    QTest::addColumn<QString>("nameAtExactRow");
    QTest::newRow("exact") << "alpha" << 1 << 0 << true << "alpha";
    QTest::newRow("other case only") << "ALPHA" << -1 << 0 << false << "";
    QTest::newRow("last") << "gamma" << 3 << 3 << true << "gamma";
    QTest::newRow("absent") << "delta" << -1 << -1 << false << "";
    QTest::newRow("empty counts as taken") << "" << -1 << -1 << true << "";
}

void TestTCmnNamedItemsSortedList::lookups()
{
    QFETCH(QString, name);
    QFETCH(qint32, exactRow);
    QFETCH(qint32, anyCaseRow);
    QFETCH(bool, contained);
    QFETCH(QString, nameAtExactRow);
    const CList list = MakeList({"Alpha", "alpha", "beta", "gamma"});
    QCOMPARE(list.IndexOf(name, Qt::CaseSensitive), exactRow);
    QCOMPARE(list.IndexOf(name, Qt::CaseInsensitive), anyCaseRow);
    QCOMPARE(list.FindName(name, Qt::CaseSensitive), exactRow);
    QCOMPARE(list.FindName(name, Qt::CaseInsensitive), anyCaseRow);
    QCOMPARE(list.ContainsName(name), contained);
    QCOMPARE(list.IsNameTaken(name), contained);
    QCOMPARE(list.NameAt(exactRow), nameAtExactRow);
}

void TestTCmnNamedItemsSortedList::anyOrderLookupsScan()
{
    // A list in the user's order: only the scanning lookups may be trusted.
    const CList list = MakeList({"Tail", "Head", "Neck"});
    QCOMPARE(list.FindName(QStringLiteral("Head")), 1);
    QCOMPARE(list.FindName(QStringLiteral("neck"), Qt::CaseInsensitive), 2);
    QVERIFY(list.IsNameTaken(QStringLiteral("Tail")));
    QVERIFY(!list.IsNameTaken(QStringLiteral("tail")));
    QCOMPARE(list.NameAt(3), QString());
    QCOMPARE(list.NameAt(-1), QString());
}

void TestTCmnNamedItemsSortedList::removeAt_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<qint32>("row");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");
    QTest::newRow("tagged item removed, current moves up")
        << kTrees << 2 << 1 << 1 << true << QStringList{"Ash", "Cedar"} << 1 << -1;
    QTest::newRow("current last item removed")
        << kTrees << 2 << 1 << 2 << true << QStringList{"Ash", "Birch"} << 1 << 1;
    QTest::newRow("current item removed keeps its place")
        << kTrees << 1 << -1 << 1 << true << QStringList{"Ash", "Cedar"} << 1 << -1;
    QTest::newRow("rows before the removed one stay")
        << kTrees << 0 << 1 << 2 << true << QStringList{"Ash", "Birch"} << 0 << 1;
    QTest::newRow("tagged behind moves up")
        << kTrees << 0 << 2 << 0 << true << QStringList{"Birch", "Cedar"} << 0 << 1;
    QTest::newRow("only item removed")
        << QStringList{"Ash"} << 0 << 0 << 0 << true << QStringList{} << -1 << -1;
    QTest::newRow("row below 0 refused")
        << kTrees << 2 << 1 << -1 << false << kTrees << 2 << 1;
    QTest::newRow("row past the end refused")
        << kTrees << 2 << 1 << 3 << false << kTrees << 2 << 1;
}

void TestTCmnNamedItemsSortedList::removeAt()
{
    QFETCH(QStringList, names);
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(qint32, row);
    QFETCH(bool, result);
    QFETCH(QStringList, remaining);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);
    CList list = MakeList(names, current, tagged);
    QCOMPARE(list.RemoveAt(row), result);
    QCOMPARE(Names(list), remaining);
    QCOMPARE(list.m_CurrentRow, newCurrent);
    QCOMPARE(list.m_TaggedRow, newTagged);
}

void TestTCmnNamedItemsSortedList::replaceName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<qint32>("row");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<qint32>("result");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");
    QTest::newRow("tagged current item moves to the end")
        << kTrees << 1 << 1 << 1 << "Yew" << 2 << QStringList{"Ash", "Cedar", "Yew"} << 2 << 2;
    QTest::newRow("moves to the front")
        << kTrees << 2 << 2 << 2 << "Alder" << 0 << QStringList{"Alder", "Ash", "Birch"} << 0
        << 0;
    QTest::newRow("other items stay current and tagged")
        << kTrees << 2 << 1 << 0 << "Elm" << 2 << QStringList{"Birch", "Cedar", "Elm"} << 1
        << 0;
    QTest::newRow("last current item renamed in place")
        << kTrees << 2 << -1 << 2 << "Cypress" << 2 << QStringList{"Ash", "Birch", "Cypress"}
        << 2 << -1;
    QTest::newRow("other case is another name")
        << QStringList{"Bay", "Oak"} << 0 << -1 << 0 << "bay" << 1 << QStringList{"Oak", "bay"}
        << 1 << -1;
    QTest::newRow("unchanged name keeps the row")
        << kTrees << 1 << 0 << 1 << "Birch" << 1 << kTrees << 1 << 0;
    QTest::newRow("name of another item refused")
        << kTrees << 1 << 0 << 1 << "Cedar" << -1 << kTrees << 1 << 0;
    QTest::newRow("empty name refused") << kTrees << 1 << 0 << 1 << "" << -1 << kTrees << 1 << 0;
    QTest::newRow("row outside refused")
        << kTrees << 1 << 0 << 3 << "Yew" << -1 << kTrees << 1 << 0;
    QTest::newRow("row below 0 refused")
        << kTrees << 1 << 0 << -1 << "Yew" << -1 << kTrees << 1 << 0;
}

void TestTCmnNamedItemsSortedList::replaceName()
{
    QFETCH(QStringList, names);
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(qint32, row);
    QFETCH(QString, newName);
    QFETCH(qint32, result);
    QFETCH(QStringList, after);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);
    CList list = MakeList(names, current, tagged);
    const int value = row >= 0 && row < names.size() ? row * 10 : -1;
    QCOMPARE(list.ReplaceName(row, newName), result);
    QCOMPARE(Names(list), after);
    QCOMPARE(list.m_CurrentRow, newCurrent);
    QCOMPARE(list.m_TaggedRow, newTagged);
    if (result >= 0)
        QCOMPARE(list.m_Items.at(result).second, value);
}

QTEST_GUILESS_MAIN(TestTCmnNamedItemsSortedList)
#include "tst_tcmnnameditemssortedlist.moc"
