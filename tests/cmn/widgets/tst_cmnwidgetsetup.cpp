#include "cmnwidgetsetup.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTest>

class TestCmnWidgetSetup : public QObject
{
    Q_OBJECT
private slots:
    void lengthSpinBox_data();
    void lengthSpinBox();
    void comboCurrentIntData();
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

QTEST_MAIN(TestCmnWidgetSetup)
#include "tst_cmnwidgetsetup.moc"
