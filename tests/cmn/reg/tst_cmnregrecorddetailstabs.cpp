#include "cmnregrecorddetailstabs.h"

#include <QTest>

using CItems = QList<CCmnRegRecordDetailsLayoutItem>;
using CTabs = QList<CCmnRegRecordDetailsTab>;

class TestCmnRegRecordDetailsTabs : public QObject
{
    Q_OBJECT
private slots:
    void splitsLayoutIntoPages_data();
    void splitsLayoutIntoPages();
};

void TestCmnRegRecordDetailsTabs::splitsLayoutIntoPages_data()
{
    QTest::addColumn<CItems>("items");
    QTest::addColumn<CTabs>("tabs");
    QTest::newRow("no names join the first page")
        << CItems{{-103, false, {}}, {4, true, {}}}
        << CTabs{{"General", {-103, 4}, {4}}};
    QTest::newRow("unnamed items follow the page before them")
        << CItems{{-103, false, {}}, {4, false, "Show Results"}, {5, true, {}}, {6, false, "general"}, {7, false, {}}}
        << CTabs{{"General", {-103, 6, 7}, {}}, {"Show Results", {4, 5}, {5}}};
    QTest::newRow("first spelling names the page of every case")
        << CItems{{4, false, "Health"}, {5, false, "HEALTH"}, {6, false, "Health"}}
        << CTabs{{"General", {}, {}}, {"Health", {4, 5, 6}, {}}};
    QTest::newRow("folded name stands for the first page")
        << CItems{{4, false, "Details"}, {5, false, "Smith & Jones <UK>"}}
        << CTabs{{"General", {4}, {}}, {"Smith & Jones <UK>", {5}, {}}};
    QTest::newRow("empty layout") << CItems{} << CTabs{{"General", {}, {}}};
}

void TestCmnRegRecordDetailsTabs::splitsLayoutIntoPages()
{
    QFETCH(CItems, items);
    QTEST(CmnRegRecordDetailsTabs(items, QStringLiteral("General"), {QStringLiteral("DETAILS")}), "tabs");
}

QTEST_GUILESS_MAIN(TestCmnRegRecordDetailsTabs)
#include "tst_cmnregrecorddetailstabs.moc"
