#include "bioancestorhighlightcombobox.h"
#include "cmncombobox.h"

#include <QTest>

class TestBioAncestorHighlightComboBox : public QObject
{
    Q_OBJECT
private slots:
    void offersTheThreeModes();
    void modeIsClamped_data();
    void modeIsClamped();
};

void TestBioAncestorHighlightComboBox::offersTheThreeModes()
{
    std::unique_ptr<CCmnComboBox> combo(BioNewAncestorHighlightComboBox(nullptr));
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("No Highlight"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Highlight Repeat Ancestors"));
    QCOMPARE(combo->itemText(2), QStringLiteral("Highlight Common Ancestors"));
    QCOMPARE(combo->maxVisibleItems(), 20);
    combo->setCurrentIndex(2);
    QCOMPARE(BioGetAncestorHighlightMode(combo.get()), 2);
}

void TestBioAncestorHighlightComboBox::modeIsClamped_data()
{
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<int>("mode");
    QTest::newRow("5") << QVariant(5) << 2;
    QTest::newRow("-1") << QVariant(-1) << 0;
    QTest::newRow("1") << QVariant(1) << 1;
}

void TestBioAncestorHighlightComboBox::modeIsClamped()
{
    QFETCH(QVariant, data);
    std::unique_ptr<CCmnComboBox> combo(BioNewAncestorHighlightComboBox(nullptr));
    combo->setItemData(0, data);
    combo->setCurrentIndex(0);
    QTEST(BioGetAncestorHighlightMode(combo.get()), "mode");
    combo->setCurrentIndex(-1);
    QCOMPARE(BioGetAncestorHighlightMode(combo.get()), 0);
}

QTEST_MAIN(TestBioAncestorHighlightComboBox)
#include "tst_bioancestorhighlightcombobox.moc"
