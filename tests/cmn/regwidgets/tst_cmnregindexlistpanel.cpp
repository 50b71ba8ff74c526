#include "cmnlabel.h"
#include "cmnregindexlistmodel.h"
#include "cmnregindexlistpanel.h"
#include "cmnwidget.h"
#include "../reg/regtesting.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QTest>

class TestCmnRegIndexListPanel : public QObject
{
    Q_OBJECT
private slots:
    void countLineGroupsDigitsAndPicksTheWord_data();
    void countLineGroupsDigitsAndPicksTheWord();
    void emptyListSelectsNothing();
    void ensureSelectionFallsBack();
    void findSelectsByPrefixAndIgnoresBlanks();
    void titleLabelOnlyForATitle();
    void rendersUserNames();
};

void TestCmnRegIndexListPanel::countLineGroupsDigitsAndPicksTheWord_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("plural");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousands") << 1234 << "Animals" << "1,234 Animals";
    QTest::newRow("one") << 1 << "Animals" << "1 Animal";
    QTest::newRow("none") << 0 << "Animals" << "0 Animals";
    QTest::newRow("no plural") << 3 << "" << "3 Animal";
}

void TestCmnRegIndexListPanel::countLineGroupsDigitsAndPicksTheWord()
{
    QFETCH(int, count);
    QFETCH(QString, plural);
    CTestReg reg;
    for (int i = 0; i < count; ++i)
        reg.Add(QStringLiteral("Dog %1").arg(i));
    CCmnRegIndexListPanel panel;
    panel.SetIndexList(&reg.m_All);
    panel.SetCountWords(QStringLiteral("Animal"), plural);
    QTEST(panel.CountLabel()->text(), "expected");
}

void TestCmnRegIndexListPanel::emptyListSelectsNothing()
{
    CTestReg reg;
    CCmnRegIndexListPanel panel;
    QCOMPARE(panel.GetCurrentRecordId(), 0);
    panel.SetIndexList(&reg.m_All);
    QCOMPARE(panel.EnsureSelection(&reg, 0), 0);
    QCOMPARE(panel.Find(QStringLiteral("B")), 0);
    QCOMPARE(panel.View()->selectionModel()->selectedIndexes().size(), 0);
    QCOMPARE(panel.EnsureSelection(nullptr, 0), -1);
}

void TestCmnRegIndexListPanel::ensureSelectionFallsBack()
{
    CTestReg reg;
    const int bella = reg.Add(QStringLiteral("Bella"));
    const int alfie = reg.Add(QStringLiteral("Alfie"));
    const int cara = reg.Add(QStringLiteral("Cara"));
    CCmnRegIndexListPanel panel;
    panel.SetIndexList(&reg.m_All);

    // Nothing selected and no wanted record: the first row.
    QCOMPARE(panel.EnsureSelection(&reg, 0), alfie);
    QCOMPARE(panel.GetCurrentRecordId(), alfie);
    // The wanted record is shown, and nothing is left to change.
    QCOMPARE(panel.EnsureSelection(&reg, cara), -1);
    QCOMPARE(panel.GetCurrentRecordId(), cara);
    QCOMPARE(panel.View()->selectionModel()->selectedIndexes().size(), 1);
    // A deleted wanted record keeps the selection.
    QVERIFY(reg.DeleteRecord(bella, true));
    QCOMPARE(panel.EnsureSelection(&reg, bella), cara);
    QCOMPARE(panel.GetCurrentRecordId(), cara);
    // With the selection gone, the first row again.
    panel.View()->selectionModel()->clearSelection();
    QCOMPARE(panel.EnsureSelection(&reg, bella), alfie);
}

void TestCmnRegIndexListPanel::findSelectsByPrefixAndIgnoresBlanks()
{
    CTestReg reg;
    reg.Add(QStringLiteral("Alfie"));
    const int bella = reg.Add(QStringLiteral("Bella"));
    reg.Add(QStringLiteral("Cara"));
    CCmnRegIndexListPanel panel;
    panel.SetIndexList(&reg.m_All);
    QCOMPARE(panel.Find(QStringLiteral("  be ")), bella);
    QCOMPARE(panel.Find(QStringLiteral("   ")), 0);
    QCOMPARE(panel.GetCurrentRecordId(), bella);
    // No match leaves the selection where it was.
    QCOMPARE(panel.Find(QStringLiteral("Zz")), bella);
}

void TestCmnRegIndexListPanel::titleLabelOnlyForATitle()
{
    CCmnRegIndexListPanel untitled;
    delete untitled.CreateWidget();
    QVERIFY(!untitled.TitleLabel());

    CCmnRegIndexListPanel titled;
    titled.m_Title = QStringLiteral("Smith & Jones <UK>");
    std::unique_ptr<CCmnWidget> widget(titled.CreateWidget());
    QVERIFY(titled.TitleLabel());
    QCOMPARE(titled.TitleLabel()->text(), QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(titled.TitleLabel()->textFormat(), Qt::PlainText);
}

void TestCmnRegIndexListPanel::rendersUserNames()
{
    CTestReg reg;
    reg.Add(QStringLiteral("Smith & Jones <UK>"));
    reg.Add(QStringLiteral("Champion Aldebaran Starlight of the Northern Meadows and Glen"));
    reg.Add(QStringLiteral("Bella"));
    CCmnRegIndexListPanel panel;
    panel.m_Title = QStringLiteral("Sires of Smith & Jones <UK>");
    panel.SetIndexList(&reg.m_All);
    panel.SetCountWords(QStringLiteral("Sire"), QStringLiteral("Sires"));
    std::unique_ptr<CCmnWidget> widget(panel.CreateWidget());
    widget->resize(260, 320);
    QVERIFY(panel.EnsureSelection(&reg, 0) > 0);
    const QString path = qEnvironmentVariable("ORV_RENDER_DIR");
    if (!path.isEmpty())
        QVERIFY(widget->grab().save(path + QStringLiteral("/indexlistpanel.png")));
    QCOMPARE(panel.CountLabel()->text(), QStringLiteral("3 Sires"));
}

QTEST_MAIN(TestCmnRegIndexListPanel)
#include "tst_cmnregindexlistpanel.moc"
