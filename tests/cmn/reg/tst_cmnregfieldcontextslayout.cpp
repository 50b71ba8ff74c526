#include "cmnregfieldcontexts.h"
#include "cmnregfieldcontextslayout.h"

#include <QTest>

class TestCmnRegFieldContextsLayout : public QObject
{
    Q_OBJECT
private slots:
    void emptyCatalogue();
    void groupsFollowTheirKeysStably();
    void itemsSitBelowTheirGroupsFirstRow();
};

void TestCmnRegFieldContextsLayout::emptyCatalogue()
{
    QVERIFY(CmnRegFieldContextsLayout(CCmnRegFieldContexts()).isEmpty());
}

void TestCmnRegFieldContextsLayout::groupsFollowTheirKeysStably()
{
    CCmnRegFieldContexts catalogue;
    catalogue.AddGroup(2, "Two");
    catalogue.AddGroup(0, "Zero A");
    catalogue.AddGroup(1, "One");
    catalogue.AddGroup(0, "Zero B");
    QList<int> order;
    QList<int> firstRows;
    for (const CCmnRegFieldContextGroupCells &group : CmnRegFieldContextsLayout(catalogue)) {
        order << group.m_Group;
        firstRows << group.m_FirstRow;
    }
    QCOMPARE(order, QList<int>({1, 3, 2, 0}));
    // A group without items still takes its row.
    QCOMPARE(firstRows, QList<int>({0, 1, 2, 3}));
}

void TestCmnRegFieldContextsLayout::itemsSitBelowTheirGroupsFirstRow()
{
    CCmnRegFieldContexts catalogue;
    const int first = catalogue.AddGroup(0, "First");
    const int second = catalogue.AddGroup(0, "Second");
    const int third = catalogue.AddGroup(0, "Third");
    catalogue.AddItem(33, first, 0, 0, 1, "Title", "FirstTitle");
    catalogue.AddItem(34, first, 2, 1, 1, "Low", "FirstLow");
    catalogue.AddItem(50, second, 1, 0, 2, "Wide", "SecondWide");
    catalogue.AddItem(51, second, 0, 2, 1, "Top", "SecondTop");
    catalogue.AddItem(60, third, 0, 0, 1, "Only", "ThirdOnly");

    const QList<CCmnRegFieldContextGroupCells> groups = CmnRegFieldContextsLayout(catalogue);
    QCOMPARE(groups.size(), 3);
    QCOMPARE(groups.at(0).m_LastRow, 2);
    // The second group starts at row 3: its row-1 item sits in row 4, one column right.
    QCOMPARE(groups.at(1).m_FirstRow, 3);
    const CCmnRegFieldContextCell wide = groups.at(1).m_Cells.at(0);
    QCOMPARE(wide.m_Item, 2);
    QCOMPARE(wide.m_Row, 4);
    QCOMPARE(wide.m_Column, 1);
    QCOMPARE(wide.m_ColumnSpan, 2);
    QCOMPARE(groups.at(1).m_Cells.at(1).m_Row, 3);
    QCOMPARE(groups.at(1).m_Cells.at(1).m_Column, 3);
    QCOMPARE(groups.at(2).m_FirstRow, 5);
}

QTEST_GUILESS_MAIN(TestCmnRegFieldContextsLayout)
#include "tst_cmnregfieldcontextslayout.moc"
