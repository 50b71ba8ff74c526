#include "cmnwidgetsetup.h"

#include "cmncomboboxreadonlylineedit.h"
#include "testbitmapfont.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTest>

namespace {

QStringList ItemTexts(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.append(combo.itemText(i));
    return texts;
}

QStringList SizeTexts(const QList<int> &sizes)
{
    QStringList texts;
    for (const int size : sizes)
        texts.append(QString::number(size));
    return texts;
}

} // namespace

class TestCmnWidgetSetup : public QObject
{
    Q_OBJECT
private slots:
    void lengthSpinBox_data();
    void lengthSpinBox();
    void comboCurrentIntData();
    void separatorIsADisabledItem();
    void disablesOnlyItemsOfItsOwnModel();
    void removesAllItems();
    void fillsSizes_data();
    void fillsSizes();
    void fillsSizesOfAScalableFace();
    void fillsSizesOfABitmapFace();
    void fillsSizesOfAMissingFamily();
    void fillsStyles_data();
    void fillsStyles();
    void readOnlyLineEditOpensTheList();
};

void TestCmnWidgetSetup::lengthSpinBox_data()
{
    QTest::addColumn<qint32>("unit");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expectedMinimum");
    QTest::addColumn<double>("expectedMaximum");
    QTest::addColumn<double>("expectedStep");
    QTest::addColumn<int>("expectedDecimals");
    QTest::addColumn<QString>("suffix");

    // A negative minimum replaces all four numbers, whatever else was passed.
    QTest::newRow("inches, defaults") << 0 << -1.0 << 7.0 << 3.0 << 5 << 0.0 << 50.0 << 0.1 << 3 << "in";
    QTest::newRow("centimetres, defaults") << 1 << -1.0 << 7.0 << 3.0 << 5 << 0.0 << 100.0 << 0.25 << 2 << "cm";
    QTest::newRow("millimetres, defaults") << 2 << -1.0 << 7.0 << 3.0 << 5 << 0.0 << 1000.0 << 2.5 << 1 << "mm";
    QTest::newRow("millimetres, small negative") << 2 << -0.001 << 7.0 << 3.0 << 5 << 0.0 << 1000.0 << 2.5 << 1
                                                 << "mm";
    QTest::newRow("unknown unit, defaults") << 7 << -1.0 << 7.0 << 3.0 << 5 << 0.0 << 50.0 << 0.1 << 3 << "??";
    // A minimum of 0 or more keeps the given numbers; the decimals are set after
    // the range, which must not lose the range's third decimal.
    QTest::newRow("millimetres, given") << 2 << 0.0 << 300.0 << 5.0 << 0 << 0.0 << 300.0 << 5.0 << 0 << "mm";
    QTest::newRow("inches, given fine") << 0 << 0.005 << 8.125 << 0.125 << 3 << 0.005 << 8.125 << 0.125 << 3
                                        << "in";
    QTest::newRow("unknown unit, given") << -3 << 1.0 << 2.0 << 0.5 << 1 << 1.0 << 2.0 << 0.5 << 1 << "??";
}

void TestCmnWidgetSetup::lengthSpinBox()
{
    QFETCH(qint32, unit);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(int, decimals);

    QDoubleSpinBox spinBox;
    spinBox.setSuffix(QStringLiteral(" old"));
    CmnSetupLengthSpinBox(&spinBox, unit, minimum, maximum, step, decimals);

    QTEST(spinBox.minimum(), "expectedMinimum");
    QTEST(spinBox.maximum(), "expectedMaximum");
    QTEST(spinBox.singleStep(), "expectedStep");
    QTEST(spinBox.decimals(), "expectedDecimals");
    QTEST(spinBox.suffix(), "suffix");
}

void TestCmnWidgetSetup::comboCurrentIntData()
{
    QComboBox combo;
    QCOMPARE(CmnComboCurrentIntData(&combo), 0);

    combo.addItem(QStringLiteral("Seven"), 7);
    combo.addItem(QStringLiteral("Minus two"), -2);
    combo.addItem(QStringLiteral("Text"), QStringLiteral("12"));
    combo.addItem(QStringLiteral("No data"));

    combo.setCurrentIndex(1);
    QCOMPARE(CmnComboCurrentIntData(&combo), -2);
    combo.setCurrentIndex(2);
    QCOMPARE(CmnComboCurrentIntData(&combo), 12);
    combo.setCurrentIndex(3);
    QCOMPARE(CmnComboCurrentIntData(&combo), 0);
    combo.setCurrentIndex(-1);
    QCOMPARE(CmnComboCurrentIntData(&combo), 0);
}

void TestCmnWidgetSetup::separatorIsADisabledItem()
{
    QComboBox combo;
    combo.addItem(QStringLiteral("First"), 1);
    CmnComboAddSeparator(&combo);
    combo.addItem(QStringLiteral("Last"), 2);

    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(1), QStringLiteral("--"));
    QVERIFY(!combo.itemData(1).isValid());
    const QStandardItem *separator = qobject_cast<QStandardItemModel *>(combo.model())->item(1);
    QCOMPARE(separator->flags() & (Qt::ItemIsSelectable | Qt::ItemIsEnabled), Qt::ItemFlags());
    QCOMPARE(separator->foreground().color(), combo.palette().color(QPalette::Disabled, QPalette::Text));
    // The items around it stay choosable.
    const QStandardItem *last = qobject_cast<QStandardItemModel *>(combo.model())->item(2);
    QCOMPARE(last->flags() & Qt::ItemIsEnabled, Qt::ItemIsEnabled);
}

void TestCmnWidgetSetup::disablesOnlyItemsOfItsOwnModel()
{
    QComboBox combo;
    combo.addItem(QStringLiteral("Only"));
    CmnComboDisableItem(&combo, 5);   // outside the list: nothing
    CmnComboDisableItem(&combo, -1);
    QCOMPARE(combo.model()->flags(combo.model()->index(0, 0)) & Qt::ItemIsEnabled, Qt::ItemIsEnabled);

    QStringListModel model(QStringList{"One", "Two"});
    combo.setModel(&model);
    CmnComboDisableItem(&combo, 1);
    QCOMPARE(model.flags(model.index(1, 0)) & Qt::ItemIsEnabled, Qt::ItemIsEnabled);
}

void TestCmnWidgetSetup::removesAllItems()
{
    QComboBox combo;
    combo.addItems({"a", "b", "c"});
    combo.setCurrentIndex(1);
    CmnComboRemoveAllItems(&combo);
    QCOMPARE(combo.count(), 0);
    QCOMPARE(combo.currentIndex(), -1);
    CmnComboRemoveAllItems(&combo);
    QCOMPARE(combo.count(), 0);
}

void TestCmnWidgetSetup::fillsSizes_data()
{
    QTest::addColumn<QString>("previousText");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("signals");

    const QList<int> sizes{8, 9, 10, 11, 12, 14};
    QTest::newRow("wantedOffered") << "12" << sizes << true << 9 << 1 << 1;
    QTest::newRow("wantedMissingKeepsPrevious") << "12" << sizes << false << 13 << 4 << 1;
    QTest::newRow("unsetWantedKeepsPrevious") << "12" << sizes << true << -1 << 4 << 1;
    QTest::newRow("zeroWantedKeepsPrevious") << "11" << sizes << true << 0 << 3 << 1;
    QTest::newRow("nothingMatchesTakesAThird") << "13" << sizes << true << 0 << 2 << 1;
    // The refill itself is silent: ending on the first item signals nothing.
    QTest::newRow("firstItemIsSilent") << "12" << sizes << true << 8 << 0 << 0;
    QTest::newRow("shortListTakesTheFirst") << "13" << QList<int>{8, 9} << false << 0 << 0 << 0;
    QTest::newRow("noSizes") << "12" << QList<int>() << false << 12 << -1 << 0;
}

void TestCmnWidgetSetup::fillsSizes()
{
    QFETCH(QString, previousText);
    QFETCH(QList<int>, sizes);
    QFETCH(bool, editable);
    QFETCH(int, wanted);

    QComboBox combo;
    combo.addItems({"7", "11", "12", "13"});
    combo.setCurrentText(previousText);
    QCOMPARE(combo.currentText(), previousText);
    const QSignalSpy spy(&combo, &QComboBox::currentIndexChanged);

    CmnComboFillSizes(&combo, sizes, editable, wanted);

    QCOMPARE(ItemTexts(combo), SizeTexts(sizes));
    QCOMPARE(combo.isEditable(), editable);
    QTEST(combo.currentIndex(), "index");
    QTEST(int(spy.count()), "signals");
}

void TestCmnWidgetSetup::fillsSizesOfAScalableFace()
{
    QString family;
    for (const QString &candidate : QFontDatabase::families()) {
        if (QFontDatabase::isSmoothlyScalable(candidate)) {
            family = candidate;
            break;
        }
    }
    if (family.isEmpty())
        QSKIP("No scalable family installed");
    QComboBox combo;
    CmnComboFillFontSizes(&combo, QFont(family), 13);
    QCOMPARE(ItemTexts(combo), SizeTexts(QFontDatabase::standardSizes()));
    QVERIFY(combo.isEditable());
    // A size the list lacks can still be typed, but selecting falls back.
    QCOMPARE(combo.currentIndex(), combo.count() / 3);
}

void TestCmnWidgetSetup::fillsSizesOfABitmapFace()
{
    const QString family = OrvAddTestBitmapFont();
    if (family.isEmpty())
        QSKIP("The font database refused the bitmap test font");
    const QList<int> faceSizes = QFontDatabase::smoothSizes(family, QString());
    QCOMPARE(faceSizes.size(), 3);

    QComboBox combo;
    CmnComboFillFontSizes(&combo, QFont(family), faceSizes.last());
    QCOMPARE(ItemTexts(combo), SizeTexts(faceSizes));
    QVERIFY(!combo.isEditable());
    QCOMPARE(combo.currentIndex(), 2);

    CmnComboFillFontSizes(&combo, QFont(family), 500);
    QCOMPARE(combo.currentIndex(), 2);   // the previous size is still offered
}

void TestCmnWidgetSetup::fillsSizesOfAMissingFamily()
{
    // A family that is not installed stands for the one the matcher substitutes,
    // which has sizes; an empty list would leave no size to choose.
    const QFont font(QStringLiteral("No Such Family Orvanta"));
    QVERIFY(!QFontDatabase::hasFamily(font.family()));
    QComboBox combo;
    CmnComboFillFontSizes(&combo, font, 12);
    QVERIFY(combo.count() > 0);
    CmnComboFillFontStyles(&combo, font, QString());
    QVERIFY(combo.count() > 0);
}

void TestCmnWidgetSetup::fillsStyles_data()
{
    QTest::addColumn<QString>("previousText");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("selected");

    // Filled in fillsStyles() from the family's own list: "" means its first style.
    QTest::newRow("wantedOffered") << "Wobbly" << "Bold" << "Bold";
    QTest::newRow("unsetWantedKeepsPrevious") << "Bold" << "" << "Bold";
    QTest::newRow("wantedMissingKeepsPrevious") << "Bold" << "Wobbly" << "Bold";
    QTest::newRow("wantedIsCaseSensitive") << "Wobbly" << "bold" << "";
    QTest::newRow("nothingMatchesTakesTheFirst") << "Wobbly" << "Wobblier" << "";
}

void TestCmnWidgetSetup::fillsStyles()
{
    QFETCH(QString, previousText);
    QFETCH(QString, wanted);
    QFETCH(QString, selected);

    QString family;
    for (const QString &candidate : QFontDatabase::families()) {
        const QStringList styles = QFontDatabase::styles(candidate);
        if (styles.size() > 1 && styles.first() != QStringLiteral("Bold") && styles.contains("Bold"))
            family = candidate;
    }
    if (family.isEmpty())
        QSKIP("No installed family has a Bold face besides others");
    const QStringList styles = QFontDatabase::styles(family);

    QComboBox combo;
    combo.addItems({"Bold", "Wobbly"});
    combo.setCurrentText(previousText);
    CmnComboFillFontStyles(&combo, QFont(family), wanted);

    QCOMPARE(ItemTexts(combo), styles);
    QCOMPARE(combo.currentText(), selected.isEmpty() ? styles.first() : selected);
}

void TestCmnWidgetSetup::readOnlyLineEditOpensTheList()
{
    QComboBox combo;
    combo.addItems({"One", "Two"});
    CmnComboUseReadOnlyLineEdit(&combo);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));

    QVERIFY(combo.isEditable());
    auto *lineEdit = qobject_cast<CCmnComboBoxReadOnlyLineEdit *>(combo.lineEdit());
    QVERIFY(lineEdit);
    QVERIFY(lineEdit->isReadOnly());
    combo.setEditText(QStringLiteral("Free text"));
    QTest::keyClicks(lineEdit, QStringLiteral("xyz"));
    QCOMPARE(combo.currentText(), QStringLiteral("Free text"));

    QVERIFY(!combo.view()->isVisible());
    QTest::mouseClick(lineEdit, Qt::LeftButton);
    QTRY_VERIFY(combo.view()->isVisible());
    combo.hidePopup();
}

QTEST_MAIN(TestCmnWidgetSetup)
#include "tst_cmnwidgetsetup.moc"
